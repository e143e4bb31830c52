#include <gtest/gtest.h>

#include "common/error.hpp"
#include "export/export_fixture.hpp"
#include "export/subject_codes.hpp"
#include "export/traspasa_actividades.hpp"
#include "export/traspasa_materias.hpp"
#include "support/seneca_builder.hpp"
#include "text/codepage.hpp"

namespace quimbo::exporta {
namespace {

using test::materia;
using test::Registro;
using test::SenecaBuilder;

std::string w(const std::string& utf8) {
    return codepage::utf8ToCp1252(utf8);
}

TEST(SubjectCodes, CodesBuiltFromNamesTheReferenceTableDoesNotKnow) {
    struct Case {
        std::string name;
        std::string cod;
        std::string codLargo;
    };
    const Case cases[] = {
        {"Lengua Castellana y Literatura", "LCL", "Lengua Cas"},
        {"Matemáticas", "Matemá", "Matemá"},
        {"Música y movimiento", "Mym", "Música y m"},
        {"educación física", "ef", "educación "},
        {"Tecnología Aplicada", "TA", "Tecnología"},
        {"TECNOLOGÍA APLICADA", "TECNOLOGAA", "TECNOLOGAAPLICADA"},
        {"tutoría", "tutorí", "tutorí"},
        {"2ª Lengua Extranjera", "2LE", "2ª Lengua "},
        {"Álgebra", "Álgebr", "Álgebr"},
    };
    for (const Case& c : cases) {
        const SubjectCodes codes = buildSubjectCodes(w(c.name), "", "");
        EXPECT_EQ(codepage::cp1252ToUtf8(codes.cod), c.cod) << c.name;
        EXPECT_EQ(codepage::cp1252ToUtf8(codes.codLargo), c.codLargo) << c.name;
    }
}

TEST(SubjectCodes, ReferenceCodesWinAndAMissingLongCodeFollowsTheRule) {
    EXPECT_EQ(buildSubjectCodes("Lengua", "LEN", "LENGUA").codLargo, "LENGUA");
    EXPECT_EQ(buildSubjectCodes("Lengua Castellana", "LEN", "").codLargo, "Lengua Cas");
    EXPECT_EQ(buildSubjectCodes("Lengua Castellana", "LENGUA", "").codLargo, "LENGUA");
    EXPECT_EQ(buildSubjectCodes("Lengua", "", "LARGO").cod, "Lengua");
}

TEST(SubjectCodes, CollisionsNumberTheStemAndLongResultsKeepEightAndTwo) {
    std::set<std::string> taken;
    std::vector<std::string> given;
    for (int i = 0; i < 12; ++i) {
        given.push_back(uniqueShortCode("ABCDEFGHIJ", taken));
        taken.insert(given.back());
    }
    EXPECT_EQ(given[0], "ABCDEFGHIJ");
    EXPECT_EQ(given[1], "ABCDEFGHI1");
    EXPECT_EQ(given[9], "ABCDEFGHI9");
    EXPECT_EQ(given[10], "ABCDEFGH10");
    EXPECT_EQ(given[11], "ABCDEFGH11");
    EXPECT_EQ(uniqueShortCode("", {""}), "1");
}

std::vector<std::string> codesAndOffers(const test::ExportFixture& f) {
    std::vector<std::string> lines;
    for (const auto& row : f.rows("ASIGNOMT2")) {
        lines.push_back(row.at("COD") + "|" + row.at("MATERIA") + "|" + row.at("OFERTAMATRI"));
    }
    return lines;
}

TEST(TraspasaMaterias, CatalogueCases) {
    struct Case {
        const char* what;
        std::vector<test::Row> reference;
        std::vector<Registro> records;
        std::vector<std::string> catalogue;  // ASIGNOMT's COD column
        std::vector<std::string> offers;     // ASIGNOMT2 as COD|MATERIA|OFERTAMATRI
    };
    const Case cases[] = {
        {"one subject in three offers",
         {},
         {materia("6001", "Música", "45"), materia("6002", "Música", "46"),
          materia("6003", "Música", "47")},
         {"Música"},
         {"Música|45|6001", "Música|46|6002", "Música|47|6003"}},
        {"a known subject's repeated offer adds nothing",
         {},
         {materia("6001", "Música", "45"), materia("6002", "Música", "46"),
          materia("6002", "Música", "46")},
         {"Música"},
         {"Música|45|6001", "Música|46|6002"}},
        {"three subjects giving LCL",
         {},
         {materia("1", "Lengua Castellana y Literatura", "1"),
          materia("1", "Lengua Clásica Latina", "2"), materia("1", "La Ciudad Lenta", "3")},
         {"LCL", "LC1", "LC2"},
         {"LCL|1|1", "LC1|2|1", "LC2|3|1"}},
        {"reference codes, and the same COD for two names",
         {{{"NOMBRE", "Radio"}, {"COD", "RAD"}, {"CODLARGO", "RADIO"}},
          {{"NOMBRE", "RADIO"}, {"COD", "RAD"}, {"CODLARGO", "RADIO"}}},
         {materia("1", "Radio", "1"), materia("1", "RADIO", "2"), materia("2", "Radio", "3")},
         {"RAD", "RA1"},
         {"RAD|1|1", "RA1|2|1", "RAD|3|2"}},
        {"names differing only in case are different subjects without reference",
         {},
         {materia("1", "Taller de radio", "1"), materia("1", "taller de radio", "2")},
         {"Tdr", "tdr"},
         {"Tdr|1|1", "tdr|2|1"}},
        {"identifier before the name",
         {},
         {{{"X_OFERTAMATRIG", "9"}, {"X_MATERIAOMG", "77"}, {"D_MATERIAC", "Latín"}}},
         {"Latín"},
         {"Latín|77|9"}},
        {"records with one value or no name are passed over",
         {},
         {{{"X_OFERTAMATRIG", "9"}}, {{"X_OFERTAMATRIG", "9"}, {"X", "5"}, {"X_MATERIAOMG", "6"}}},
         {},
         {}},
    };
    for (const Case& c : cases) {
        test::ExportFixture f(c.reference);
        RegistroMaterias registro;
        const auto document = SenecaBuilder().group("MATERIAS", c.records).document();
        TraspasaMaterias(*document, f.qtemp.path(), f.program.path(), registro);
        EXPECT_EQ(f.column("ASIGNOMT", "COD"), c.catalogue) << c.what;
        EXPECT_EQ(codesAndOffers(f), c.offers) << c.what;
        for (const auto& row : f.rows("ASIGNOMT")) {
            EXPECT_EQ(row.at("ESTAREA"), "False") << c.what;
            EXPECT_EQ(row.at("CODTAREA"), "") << c.what;
        }
    }
}

TEST(TraspasaMaterias, TheEleventhSubjectOnATenCharacterCodeKeepsEightAndTwo) {
    std::vector<test::Row> reference;
    std::vector<Registro> records;
    for (int i = 1; i <= 11; ++i) {
        const std::string name = "Materia " + std::to_string(i);
        reference.push_back({{"NOMBRE", name}, {"COD", "ABCDEFGHIJ"}, {"CODLARGO", name}});
        records.push_back(materia("1", name, std::to_string(i)));
    }
    test::ExportFixture f(reference);
    RegistroMaterias registro;
    TraspasaMaterias(*SenecaBuilder().group("MATERIAS", records).document(), f.qtemp.path(),
                     f.program.path(), registro);
    const auto codes = f.column("ASIGNOMT", "COD");
    ASSERT_EQ(codes.size(), 11U);
    EXPECT_EQ(codes[1], "ABCDEFGHI1");
    EXPECT_EQ(codes[9], "ABCDEFGHI9");
    EXPECT_EQ(codes[10], "ABCDEFGH10");
}

TEST(TraspasaMaterias, LongCodesAndNamesAreCutWhenStored) {
    test::ExportFixture f;
    RegistroMaterias registro;
    const std::string longName(90, 'x');
    TraspasaMaterias(*SenecaBuilder()
                          .group("MATERIAS", {materia("6001", "TECNOLOGÍA APLICADA", "1"),
                                              materia("1234567890123456789012", longName,
                                                      "ABCDEFGHIJKLMNOPQRSTUVWXYZ")})
                          .document(),
                     f.qtemp.path(), f.program.path(), registro);
    const auto rows = f.rows("ASIGNOMT2");
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].at("COD"), "TECNOLOGAA");
    EXPECT_EQ(rows[0].at("CODLARGO"), "TECNOLOGAA");
    EXPECT_EQ(rows[1].at("NOMBRE"), std::string(80, 'x'));
    EXPECT_EQ(rows[1].at("MATERIA"), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(rows[1].at("OFERTAMATRI"), "12345678901234567890");
    EXPECT_TRUE(registro.codigosLargos.contains("TECNOLOGAAPLICADA"));
}

TEST(TraspasaMaterias, AMissingReferenceTableStopsWithBothTablesEmpty) {
    test::TempDir qtemp;
    test::TempDir program;
    RegistroMaterias registro;
    try {
        TraspasaMaterias(
            *SenecaBuilder().group("MATERIAS", {materia("1", "Latín", "1")}).document(),
            qtemp.path(), program.path(), registro);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find((program / "SENEMATERIAS.DBF").string()),
                  std::string::npos)
            << error.what();
    }
    EXPECT_TRUE(test::readRows(qtemp.path(), "ASIGNOMT").empty());
    EXPECT_TRUE(test::readRows(qtemp.path(), "ASIGNOMT2").empty());
}

TEST(TraspasaActividades, AppendsActivityRowsAndEndsTheRegistrationLists) {
    test::ExportFixture f;
    RegistroMaterias registro;
    const auto document =
        SenecaBuilder()
            .group("MATERIAS", {materia("1", "Guardia", "1")})
            .group("ACTIVIDADES",
                   {{{"T", "N"}, {"X_ACTIVIDAD", "Guardi"}, {"D", "Guardia"}},
                    {{"T", "N"}, {"X_ACTIVIDAD", "12345678901"}, {"D", "Reunión de departamento"}},
                    {{"T", "N"}, {"X_ACTIVIDAD", "9"}},
                    {{"T", "solo"}}})
            .document();
    TraspasaMaterias(*document, f.qtemp.path(), f.program.path(), registro);
    TraspasaActividades(*document, f.qtemp.path(), registro);
    const auto rows = f.rows("ASIGNOMT");
    ASSERT_EQ(rows.size(), 4U);
    EXPECT_EQ(rows[0].at("COD"), "Guardi");  // the subject's code...
    EXPECT_EQ(rows[0].at("ESTAREA"), "False");
    EXPECT_EQ(rows[1].at("COD"), "Guardi");  // ...and an activity with that identifier
    EXPECT_EQ(rows[1].at("CODTAREA"), "Guardi");
    EXPECT_EQ(rows[1].at("ESTAREA"), "True");
    EXPECT_EQ(rows[2].at("COD"), "1234567890");
    EXPECT_EQ(rows[2].at("CODTAREA"), "1234567890");
    EXPECT_EQ(rows[2].at("CODLARGO"), "Reunión de");
    EXPECT_EQ(rows[2].at("NOMBRE"), "Reunión de departamento");
    EXPECT_EQ(rows[3].at("COD"), "9");  // two values: the name reads as empty
    EXPECT_EQ(rows[3].at("NOMBRE"), "");
    EXPECT_EQ(f.rows("ASIGNOMT2").size(), 1U);
    EXPECT_TRUE(registro.codigosCortos.empty());
    EXPECT_TRUE(registro.nombresMaterias.empty());
}

}  // namespace
}  // namespace quimbo::exporta
