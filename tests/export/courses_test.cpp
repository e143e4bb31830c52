#include "export/traspasa_cursos.hpp"

#include <gtest/gtest.h>

#include "access/table.hpp"
#include "export/export_fixture.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/seneca_builder.hpp"

namespace quimbo::exporta {
namespace {

using test::SenecaBuilder;

const std::vector<test::Registro> kCourses = {
    {{"X", "6001"}, {"D", "1º ESO"}},
    {{"X", "solo"}},
    {{"X", "123456789012"}, {"D", "Curso de clave larga"}, {"E", "ignorado"}},
};

TEST(TraspasaCursos, WritesOneRowPerCourseWithTwoValues) {
    test::ExportFixture f;
    test::ScriptedCourseDialog dialog;
    bool reintento = false;
    const auto outcome =
        TraspasaCursos(*SenecaBuilder().group("CURSOS_DEL_CENTRO", kCourses).document(),
                       f.qtemp.path(), dialog, reintento);
    EXPECT_EQ(outcome, CursosOutcome::Continuar);
    const auto rows = f.rows("CURSOST");
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0], (test::Row{{"ABREV", ""},
                                  {"TURNO", ""},
                                  {"NIVEL", ""},
                                  {"CURSO", ""},
                                  {"CLAVE", "6001"},
                                  {"ESTUD", "1º ESO"}}));
    EXPECT_EQ(rows[1].at("CLAVE"), "1234567890");
    EXPECT_EQ(dialog.showings, std::vector<bool>{false});
}

TEST(TraspasaCursos, AFailedCheckShowsAFreshDialogUntilItPassesOrTheExitIsForced) {
    struct Case {
        const char* what;
        std::vector<CourseDialogResult> showings;
        CursosOutcome outcome;
        std::vector<bool> reintentos;
    };
    const Case cases[] = {
        {"check passes at once", {{false, false}}, CursosOutcome::Continuar, {false}},
        {"gap, then complete",
         {{true, false}, {false, false}},
         CursosOutcome::Continuar,
         {false, true}},
        {"gap, then forced exit",
         {{true, false}, {false, true}},
         CursosOutcome::SalidaForzada,
         {false, true}},
        {"two gaps, then the close box",
         {{true, false}, {true, false}, {false, false}},
         CursosOutcome::Continuar,
         {false, true, true}},
    };
    for (const Case& c : cases) {
        test::ExportFixture f;
        test::ScriptedCourseDialog dialog;
        for (const CourseDialogResult result : c.showings) {
            dialog.then([result] { return result; });
        }
        bool reintento = false;
        EXPECT_EQ(TraspasaCursos(*SenecaBuilder().group("CURSOS_DEL_CENTRO", kCourses).document(),
                                 f.qtemp.path(), dialog, reintento),
                  c.outcome)
            << c.what;
        EXPECT_EQ(dialog.showings, c.reintentos) << c.what;
    }
}

TEST(CourseCheck, BlanksAndControlCharactersCountAsMissing) {
    struct Case {
        const char* what;
        std::vector<test::Row> rows;
        bool missing;
    };
    const Case cases[] = {
        {"empty table", {}, false},
        {"complete", {{{"NIVEL", "ESO"}, {"CURSO", "1"}}}, false},
        {"only blanks", {{{"NIVEL", "   "}, {"CURSO", "1"}}}, true},
        {"control characters", {{{"NIVEL", "ESO"}, {"CURSO", "\t\x01"}}}, true},
        {"a gap in a later row", {{{"NIVEL", "ESO"}, {"CURSO", "1"}}, {{"NIVEL", "BCT"}}}, true},
    };
    for (const Case& c : cases) {
        test::ExportFixture f;
        test::writeTable(f.qtemp.path(), "CURSOST", tables::cursosFields(), c.rows);
        access::Table cursos(f.qtemp.path(), "CURSOST");
        cursos.open();
        EXPECT_EQ(faltaAlgunDato(cursos), c.missing) << c.what;
    }
}

}  // namespace
}  // namespace quimbo::exporta
