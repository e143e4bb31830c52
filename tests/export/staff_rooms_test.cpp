#include <gtest/gtest.h>

#include "export/export_fixture.hpp"
#include "export/traspasa_aulas.hpp"
#include "export/traspasa_profesores.hpp"
#include "support/seneca_builder.hpp"

namespace quimbo::exporta {
namespace {

using test::Registro;
using test::SenecaBuilder;

Registro empleado(const std::string& id, const std::string& n, const std::string& a1,
                  const std::string& a2) {
    return {{"X_EMPLEADO", id},
            {"F_TOMAPOS", "01/09/2020"},
            {"D_PUESTO", "Lengua"},
            {"N", n},
            {"A1", a1},
            {"A2", a2}};
}

TEST(TraspasaProfesores, AbbreviationsAreInitialsNumberedWhenTakenIgnoringCase) {
    test::ExportFixture f;
    const auto document =
        SenecaBuilder()
            .group("EMPLEADOS", {empleado("1", "Juan", "García", "Pérez"),
                                 empleado("2", "José", "Gil", "Pardo"),
                                 empleado("3", "Julia", "Gómez", "Puerta"),
                                 empleado("4", "juan", "gil", "paz"),
                                 empleado("5", "Ana", "", "Ruiz"),
                                 empleado("6", "", "", ""),
                                 empleado("7", "", "", ""),
                                 empleado("8", "", "", ""),
                                 empleado("1", "Juan", "García", "Pérez"),
                                 empleado("123456789012", "Eva", "Sol", "Mar"),
                                 {{"X_EMPLEADO", "solo"}},
                                 {{"X_EMPLEADO", "9"}, {"F_TOMAPOS", "01/09/2001"}}})
            .document();
    TraspasaProfesores(*document, f.qtemp.path());
    const auto rows = f.rows("PROFT");
    std::vector<std::string> abbreviations;
    for (const auto& row : rows) {
        abbreviations.push_back(row.at("ABREV"));
    }
    EXPECT_EQ(abbreviations, (std::vector<std::string>{"JGP", "JGP1", "JGP2", "jgp3", "AR", "", "1",
                                                       "2", "JGP4", "ESM", "3"}));
    EXPECT_EQ(rows[0].at("NOMBRE"), "Juan García Pérez");
    EXPECT_EQ(rows[0].at("DEPART"), "Lengua");
    EXPECT_EQ(rows[0].at("F_TOMAPOS"), "01/09/2020");
    EXPECT_EQ(rows[0].at("DNI"), "");
    EXPECT_EQ(rows[4].at("NOMBRE"), "Ana  Ruiz");
    EXPECT_EQ(rows[8].at("X_EMPLEADO"), "1");  // the same employee twice: two rows
    EXPECT_EQ(rows[9].at("X_EMPLEADO"), "1234567890");
    EXPECT_EQ(rows[10].at("X_EMPLEADO"), "9");  // two values: the rest read as empty
    EXPECT_EQ(rows[10].at("NOMBRE"), "");       // two blanks, stored and read without them
}

TEST(TraspasaProfesores, AbbreviationCollisionsIgnoreAccentedCaseToo) {
    test::ExportFixture f;
    TraspasaProfesores(*SenecaBuilder()
                            .group("EMPLEADOS", {empleado("1", "Ángel", "Ñúñez", "Ortiz"),
                                                 empleado("2", "ángel", "ñúñez", "ortiz")})
                            .document(),
                       f.qtemp.path());
    EXPECT_EQ(f.column("PROFT", "ABREV"), (std::vector<std::string>{"ÁÑO", "áño1"}));
}

TEST(TraspasaAulas, RoomsKeepTheirIdentifierCutToTenWithDuplicates) {
    test::ExportFixture f;
    TraspasaAulas(*SenecaBuilder()
                       .group("DEPENDENCIAS", {{{"X", "A01"}, {"D", "Aula 1"}, {"E", "ignorado"}},
                                               {{"X", "A01"}, {"D", "Aula 1 bis"}},
                                               {{"X", "LABORATORIO1"}, {"D", "Laboratorio"}},
                                               {{"X", "suelto"}}})
                       .document(),
                  f.qtemp.path());
    const auto rows = f.rows("AULAT");
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0].at("ABREV"), "A01");
    EXPECT_EQ(rows[1].at("ABREV"), "A01");
    EXPECT_EQ(rows[1].at("NOMBRE"), "Aula 1 bis");
    EXPECT_EQ(rows[2].at("ABREV"), "LABORATORI");
    EXPECT_EQ(rows[2].at("DEPCENTRO"), "LABORATORI");
    EXPECT_EQ(rows[2].at("EDIFICIO"), "");
    EXPECT_EQ(rows[2].at("MAXALUM"), "");
}

TEST(TraspasaAulas, MissingGroupLeavesAnEmptyTable) {
    test::ExportFixture f;
    TraspasaAulas(*SenecaBuilder().group("OTRA", {}).document(), f.qtemp.path());
    EXPECT_TRUE(f.rows("AULAT").empty());
}

}  // namespace
}  // namespace quimbo::exporta
