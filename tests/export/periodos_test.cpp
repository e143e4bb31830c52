#include "export/traspasa_periodos.hpp"

#include <gtest/gtest.h>

#include "common/error.hpp"
#include "support/python.hpp"
#include "support/seneca_builder.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"

namespace quimbo::exporta {
namespace {

using test::Registro;
using test::SenecaBuilder;

const Registro kYear = {{"C_ANNO", "2026"}, {"F_INICIO", "15/09/2026"}, {"F_FIN", "22/06/2027"}};
const Registro kOther = {{"C_ANNO", "2027"}, {"F_INICIO", "01/10/2027"}, {"F_FIN", ""}};
const Registro kTooShort = {{"X", "solo uno"}};
const std::vector<Registro> kFrames = {
    {{"X_JORNADA", "M"}, {"D", "Mañana"}, {"F1", "10/09/2026"}, {"F2", "20/06/2027"}},
    {{"X_JORNADA", "T"}, {"D", "Tarde"}, {"F1", "11/11/2026"}, {"F2", "12/12/2027"}}};

std::string rowsOf(const std::filesystem::path& qtemp) {
    std::string text;
    for (const auto& row : test::readRows(qtemp, "PERIODOS")) {
        text += row.at("CURSOANNO") + "|" + row.at("F_INICIO") + "|" + row.at("F_FIN") + "\n";
    }
    return text;
}

TEST(TraspasaPeriodos, RowsFollowWhichOfTheFirstTwoGroupsQualify) {
    struct Case {
        const char* what;
        Registro first;
        Registro second;
        std::string rows;
    };
    const Case cases[] = {
        {"both qualify: the second row may take the frame's dates", kYear, kOther,
         "2026|15/09/2026|22/06/2027\n2027|10/09/2026|20/06/2027\n"},
        {"only the first", kYear, kTooShort, "2026|15/09/2026|22/06/2027\n"},
        {"only the second: fallback replaces both dates", kTooShort, kOther,
         "2027|10/09/2026|20/06/2027\n"},
        {"first with an empty end date",
         {{"C_ANNO", "2026"}, {"F_INICIO", "15/09/2026"}, {"F_FIN", " "}},
         kTooShort,
         "2026|10/09/2026|20/06/2027\n"},
        {"values cut to their widths",
         {{"C_ANNO", "2026/27"}, {"F_INICIO", "15/09/2026XY"}, {"F_FIN", "22/06/2027"}},
         kTooShort,
         "2026|15/09/2026|22/06/2027\n"},
        {"exactly two values: the end date is missing and comes from the frame",
         {{"C_ANNO", "2026"}, {"F_INICIO", "15/09/2026"}},
         kTooShort,
         "2026|10/09/2026|20/06/2027\n"},
    };
    for (const Case& c : cases) {
        test::TempDir qtemp;
        const auto document = SenecaBuilder()
                                  .valueGroup("PRIMERO", c.first)
                                  .valueGroup("SEGUNDO", c.second)
                                  .group("JORNADAS_ESCOLARES", kFrames)
                                  .document();
        TraspasaPeriodos(*document, qtemp.path());
        EXPECT_EQ(rowsOf(qtemp.path()), c.rows) << c.what;
    }
}

TEST(TraspasaPeriodos, NeitherGroupQualifyingStopsWithTheTableMessage) {
    test::TempDir qtemp;
    const auto document =
        SenecaBuilder().valueGroup("A", kTooShort).group("JORNADAS_ESCOLARES", kFrames).document();
    try {
        TraspasaPeriodos(*document, qtemp.path());
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "La fuente de datos no está en modo de edición o inserción");
    }
    EXPECT_TRUE(test::readRows(qtemp.path(), "PERIODOS").empty());
}

TEST(TraspasaPeriodos, FallbackWithoutFramesKeepsTheDatesRead) {
    test::TempDir qtemp;
    const auto document = SenecaBuilder().valueGroup("A", kOther).document();
    TraspasaPeriodos(*document, qtemp.path());
    EXPECT_EQ(rowsOf(qtemp.path()), "2027|01/10/2027|\n");
}

TEST(TraspasaPeriodos, AnIndependentReaderSeesTheTableAsWritten) {
    test::TempDir qtemp;
    TraspasaPeriodos(*SenecaBuilder().valueGroup("ANNO", kYear).document(), qtemp.path());
    const auto dump = test::runPythonScript("dump_dbf.py", {(qtemp / "PERIODOS.DBF").string()});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_EQ(dump.out,
              "[[\"CURSOANNO\", \"C\", 4, 0], [\"F_INICIO\", \"C\", 10, 0], "
              "[\"F_FIN\", \"C\", 10, 0]]\n[\"2026\", \"15/09/2026\", \"22/06/2027\"]\n");
}

}  // namespace
}  // namespace quimbo::exporta
