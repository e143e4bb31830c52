#include <gtest/gtest.h>

#include "common/error.hpp"
#include "export/export_fixture.hpp"
#include "export/traspasa_asignaciones.hpp"
#include "export/traspasa_grupos.hpp"
#include "support/seneca_builder.hpp"

namespace quimbo::exporta {
namespace {

using test::materia;
using test::Registro;
using test::Row;
using test::SenecaBuilder;

void writeCourses(const test::ExportFixture& f, const std::vector<Row>& courses) {
    test::writeTable(f.qtemp.path(), "CURSOST", tables::cursosFields(), courses);
}

Registro unidad(const std::string& id, const std::string& curso) {
    return {{"X_UNIDAD", id}, {"T_NOMBRE", "nombre"}, {"X_OFERTAMATRIG", curso}};
}

std::vector<std::string> abbreviationsFor(const std::vector<Row>& courses,
                                          const std::vector<Registro>& units) {
    test::ExportFixture f;
    writeCourses(f, courses);
    TraspasaGrupos(*SenecaBuilder().group("UNIDADES", units).document(), f.qtemp.path());
    std::vector<std::string> result;
    for (const auto& row : f.rows("GRUPOST")) {
        result.push_back(row.at("ABREV") + "/" + row.at("NIVEL") + "/" + row.at("GRUPO"));
    }
    return result;
}

TEST(TraspasaGrupos, AbbreviationsAreLevelGradeAndLetter) {
    struct Case {
        const char* what;
        std::vector<Row> courses;
        std::vector<Registro> units;
        std::vector<std::string> expected;
    };
    const Row eso1 = {{"CLAVE", "1"}, {"NIVEL", "ESO"}, {"CURSO", "1"}, {"ESTUD", "1º ESO"}};
    const Case cases[] = {
        {"three units of one course",
         {eso1},
         {unidad("a", "1"), unidad("b", "1"), unidad("c", "1")},
         {"ESO1A/ESO/A", "ESO1B/ESO/B", "ESO1C/ESO/C"}},
        {"grades 1 and 10 share a sequence",
         {eso1, {{"CLAVE", "2"}, {"NIVEL", "ESO"}, {"CURSO", "10"}}},
         {unidad("a", "1"), unidad("b", "2")},
         {"ESO1A/ESO/A", "ESO1B/ESO/B"}},
        {"levels differing in case share a sequence",
         {eso1, {{"CLAVE", "2"}, {"NIVEL", "eso"}, {"CURSO", "1"}}},
         {unidad("a", "1"), unidad("b", "2")},
         {"ESO1A/ESO/A", "eso1B/eso/B"}},
        {"empty level",
         {{{"CLAVE", "3"}, {"NIVEL", ""}, {"CURSO", "2"}}},
         {unidad("a", "3"), unidad("b", "3")},
         {"2A/NIV/A", "2B/NIV/B"}},
        {"unknown course",
         {eso1},
         {unidad("a", "9"), unidad("b", "9"), unidad("c", "")},
         {"A/NIV/A", "B/NIV/B", "C/NIV/C"}},
        {"level cut to five characters",
         {{{"CLAVE", "4"}, {"NIVEL", "BACHI"}, {"CURSO", "2º"}}},
         {unidad("a", "4")},
         {"BACHI2A/BACHI/A"}},
        {"records with one value are passed over",
         {eso1},
         {{{"X", "a"}}, unidad("b", "1")},
         {"ESO1A/ESO/A"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(abbreviationsFor(c.courses, c.units), c.expected) << c.what;
    }
}

TEST(TraspasaGrupos, RowsCarryTheUnitAndItsCourse) {
    test::ExportFixture f;
    writeCourses(f, {{{"CLAVE", "6001"}, {"NIVEL", "ESO"}, {"CURSO", "1"}, {"ESTUD", "Primero"}}});
    TraspasaGrupos(*SenecaBuilder()
                        .group("UNIDADES", {unidad("700000", "6001"), {{"X", "7"}, {"Y", "solo"}}})
                        .document(),
                   f.qtemp.path());
    const auto rows = f.rows("GRUPOST");
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0], (Row{{"ABREV", "ESO1A"},
                            {"TURNO", ""},
                            {"NIVEL", "ESO"},
                            {"CURSO", "1"},
                            {"GRUPO", "A"},
                            {"CLAVE", "700000"},
                            {"CLAVECURSO", "6001"},
                            {"DESCRIP", "Primero"},
                            {"MARCO", "0"}}));
    EXPECT_EQ(rows[1].at("CLAVECURSO"), "");  // two values: the course key reads as empty
}

TEST(TraspasaGrupos, LettersPastTheCodePageStopWithAClearMessage) {
    std::vector<Registro> units;
    for (int i = 0; i < 40; ++i) {
        units.push_back(unidad(std::to_string(i), "1"));
    }
    const Row course = {{"CLAVE", "1"}, {"NIVEL", "ESO"}, {"CURSO", "1"}};
    const auto letters = abbreviationsFor({course}, units);
    ASSERT_EQ(letters.size(), 40U);
    EXPECT_EQ(letters[26], "ESO1[/ESO/[");  // after Z comes the next character of the code page
    EXPECT_EQ(letters[32], "ESO1{/ESO/{");  // a to z are taken: the list ignores case

    // Far more units of one level and grade than single-byte letters.
    for (int i = 40; i < 200; ++i) {
        units.push_back(unidad(std::to_string(i), "1"));
    }
    try {
        abbreviationsFor({course}, units);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("NIVEL 'ESO' y CURSO '1'"), std::string::npos)
            << error.what();
    }
}

TEST(TraspasaGrupos, MissingCourseTableStopsTheStep) {
    test::ExportFixture f;
    EXPECT_THROW(TraspasaGrupos(*SenecaBuilder().group("UNIDADES", {}).document(), f.qtemp.path()),
                 Error);
}

// ASIGNOMT and GRUPOST as the earlier steps leave them, then ASIGT from the given subjects.
std::vector<Row> offersFor(const std::vector<Row>& catalogue, const std::vector<Row>& units,
                           const std::vector<Registro>& subjects) {
    test::ExportFixture f;
    test::writeTable(f.qtemp.path(), "ASIGNOMT", tables::asignaturasFields(), catalogue);
    test::writeTable(f.qtemp.path(), "GRUPOST", tables::gruposFields(), units);
    TraspasaAsignaciones(*SenecaBuilder().group("MATERIAS", subjects).document(), f.qtemp.path());
    return f.rows("ASIGT");
}

std::vector<std::string> pairs(const std::vector<Row>& rows) {
    std::vector<std::string> result;
    for (const Row& row : rows) {
        result.push_back(row.at("CASIG") + "@" + row.at("CGRUP"));
    }
    return result;
}

TEST(TraspasaAsignaciones, OneRowPerUnitOfTheSubjectsCourse) {
    const std::vector<Row> units = {
        {{"ABREV", "ESO1A"},
         {"CLAVECURSO", "6001"},
         {"NIVEL", "ESO"},
         {"CURSO", "1"},
         {"GRUPO", "A"}},
        {{"ABREV", "ESO2A"},
         {"CLAVECURSO", "6002"},
         {"NIVEL", "ESO"},
         {"CURSO", "2"},
         {"GRUPO", "A"}},
        {{"ABREV", "ESO1B"},
         {"CLAVECURSO", "6001"},
         {"NIVEL", "ESO"},
         {"CURSO", "1"},
         {"GRUPO", "B"}},
        {{"ABREV", "ESO1C"},
         {"CLAVECURSO", "6001"},
         {"NIVEL", "ESO"},
         {"CURSO", "1"},
         {"GRUPO", "C"}},
    };
    const std::string longName(85, 'n');
    const std::vector<Row> catalogue = {
        {{"COD", "MUS"}, {"NOMBRE", "Música"}},  {{"COD", "GUA"}, {"NOMBRE", "Guardia"}},
        {{"COD", "GU2"}, {"NOMBRE", "guardia"}}, {{"COD", "LARGO"}, {"NOMBRE", longName}},
        {{"COD", ""}, {"NOMBRE", "Sin código"}},
    };
    struct Case {
        const char* what;
        std::vector<Registro> subjects;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"three units in GRUPOST order",
         {materia("6001", "Música", "45")},
         {"MUS@ESO1A", "MUS@ESO1B", "MUS@ESO1C"}},
        {"no unit of that course", {materia("6009", "Música", "45")}, {}},
        {"no name match", {materia("6002", "Dibujo", "45")}, {}},
        {"case of a-z ignored, first row wins", {materia("6002", "GUARDIA", "45")}, {"GUA@ESO2A"}},
        {"accented case is not ignored", {materia("6002", "MÚSICA", "45")}, {}},
        {"matched by the first 80 characters",
         {materia("6002", longName + "zz", "45")},
         {"LARGO@ESO2A"}},
        {"a matching row without code", {materia("6002", "Sin código", "45")}, {}},
        {"an offer key longer than 10 matches no unit",
         {materia("60020000000", "Música", "4")},
         {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pairs(offersFor(catalogue, units, c.subjects)), c.expected) << c.what;
    }
}

TEST(TraspasaAsignaciones, RowsCarryTheDefaultWeeklyLoadAndSenecasKeys) {
    const auto rows = offersFor(
        {{{"COD", "LAT"}, {"NOMBRE", "Latín"}}},
        {{{"ABREV", "BHC1A"},
          {"CLAVECURSO", "6201"},
          {"NIVEL", "BHC"},
          {"CURSO", "1"},
          {"GRUPO", "A"}}},
        {{{"X_OFERTAMATRIG", "6201"}, {"X_MATERIAOMG", "400123"}, {"D_MATERIAC", "latín"}}});
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(rows[0], (Row{{"CASIG", "LAT"},
                            {"CPROF", ""},
                            {"CGRUP", "BHC1A"},
                            {"CAULA", ""},
                            {"TURNO", ""},
                            {"NIVEL", "BHC"},
                            {"CURSO", "1"},
                            {"GRUPO", "A"},
                            {"HORAS", "4"},
                            {"SESIONES", "1111"},
                            {"NCONEX", ""},
                            {"CLAVE", "400123"},
                            {"CLAVECURSO", "6201"},
                            {"CTAREA", "1"}}));
}

}  // namespace
}  // namespace quimbo::exporta
