#include "seneca/exchange_document.hpp"

#include <gtest/gtest.h>

#include "seneca/materia_fields.hpp"
#include "support/seneca_builder.hpp"

namespace quimbo::seneca {
namespace {

using test::SenecaBuilder;

TEST(ExchangeDocument, RecordsOfAGroupFollowDocumentOrderAcrossRepeatedGroups) {
    const auto document =
        SenecaBuilder()
            .group(kUnidades, {{{"a", "1"}, {"b", "x"}}, {{"a", "2"}}})
            .group(kCursosDelCentro, {{{"a", "otro"}}})
            .group(kUnidades, {{{"a", "3"}, {"b", "  y  "}, {"c", "extra"}}})
            .raw(
                "<grupo_datos seq=\"UNIDADES\"><grupo_datos><grupo_datos><dato>anidado</dato>"
                "</grupo_datos></grupo_datos></grupo_datos>")
            .document();
    const auto records = recordsOf(*document, kUnidades);
    ASSERT_EQ(records.size(), 4U);
    EXPECT_EQ(records[0].value(0), "1");
    EXPECT_TRUE(records[0].hasEnoughValues());
    EXPECT_FALSE(records[1].hasEnoughValues());
    EXPECT_EQ(records[2].value(1), "y");
    EXPECT_EQ(records[2].raw(1), "  y  ");
    EXPECT_EQ(records[2].value(7), "");  // a missing position reads as empty
    EXPECT_EQ(records[3].size(), 0U);    // deeper records are not this group's
    EXPECT_TRUE(recordsOf(*document, kMaterias).empty());
    EXPECT_EQ(topLevelGroups(*document).size(), 4U);
}

TEST(ExchangeDocument, TellsASenecaFileByItsDataBlock) {
    EXPECT_TRUE(hasDataBlock(*SenecaBuilder().group(kUnidades, {}).document()));
    EXPECT_FALSE(hasDataBlock(*SenecaBuilder().document()));
    EXPECT_FALSE(hasDataBlock(*test::parse("<OTRO><BLOQUE_DATOS><x/></BLOQUE_DATOS></OTRO>")));
}

TEST(MateriaFields, NameAndIdentifierAreToldApartByTheirMarkup) {
    struct Case {
        const char* what;
        test::Registro record;
        std::string nombre;
        std::string identificador;
    };
    const Case cases[] = {
        {"usual order",
         {{"X_OFERTAMATRIG", "6001"}, {"D_MATERIAC", " Música "}, {"X_MATERIAOMG", "45"}},
         "M\xFAsica",
         "45"},
        {"identifier first",
         {{"X_OFERTAMATRIG", "6001"}, {"X_MATERIAOMG", "45"}, {"D_MATERIAC", "Música"}},
         "M\xFAsica",
         "45"},
        {"both identifiers: position 1 stands",
         {{"X_OFERTAMATRIG", "6001"}, {"OTRO", "11"}, {"X_MATERIAOMG", "45"}},
         "",
         "11"},
        {"both names: position 1 stands",
         {{"X_OFERTAMATRIG", "6001"}, {"D_MATERIAC", "Música"}, {"OTRO", "Arte"}},
         "M\xFAsica",
         ""},
        {"two values only",
         {{"X_OFERTAMATRIG", "6001"}, {"D_MATERIAC", "Música"}},
         "M\xFAsica",
         ""},
    };
    for (const Case& c : cases) {
        const auto document = SenecaBuilder().group(kMaterias, {c.record}).document();
        const MateriaFields fields = readMateria(recordsOf(*document, kMaterias).front());
        EXPECT_EQ(fields.oferta, "6001") << c.what;
        EXPECT_EQ(fields.nombre, c.nombre) << c.what;
        EXPECT_EQ(fields.identificador, c.identificador) << c.what;
    }
}

TEST(MateriaFields, OnlyTheFirstAttributeCounts) {
    const auto document = test::parse(
        "<SERVICIO><BLOQUE_DATOS><grupo_datos seq=\"MATERIAS\"><grupo_datos>"
        "<dato nombre_dato=\"X_OFERTAMATRIG\">6001</dato>"
        "<dato tipo=\"t\" nombre_dato=\"D_MATERIAC\">Música</dato>"
        "<dato nombre_dato=\"X_MATERIAOMG\">45</dato>"
        "</grupo_datos></grupo_datos></BLOQUE_DATOS></SERVICIO>");
    const MateriaFields fields = readMateria(recordsOf(*document, kMaterias).front());
    EXPECT_EQ(fields.identificador, "M\xFAsica");  // position 1 is not marked as the name
    EXPECT_EQ(fields.nombre, "");
}

}  // namespace
}  // namespace quimbo::seneca
