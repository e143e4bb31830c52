#include "app/export_run.hpp"

#include <gtest/gtest.h>

#include "common/error.hpp"
#include "export/export_fixture.hpp"
#include "support/scripted_seam.hpp"
#include "support/seneca_builder.hpp"

namespace quimbo::app {
namespace {

using test::kWorkingTables;

std::string smallSchool() {
    return test::miniatureSchool().xml();
}

struct ExportRunTest : ::testing::Test {
    test::ExportFixture fixture;
    test::ScriptedSeam seam;
    ProcessState state;

    Environment environment() const { return {fixture.qtemp.path(), fixture.program.path()}; }
    std::string senecaFile(const std::string& content) {
        const auto path = fixture.qtemp / "seneca.xml";
        test::writeFile(path, content);
        return path.string();
    }
    // Marks every working table as "old" so that a test can tell which ones a run rebuilt.
    void writeOldTables() {
        for (const char* table : kWorkingTables) {
            test::writeTable(fixture.qtemp.path(), table, {access::textField("VIEJA", 2)}, {});
        }
    }
    bool isOld(const char* table) const {
        access::Table t(fixture.qtemp.path(), table);
        t.open();
        return t.fields().front().name == "VIEJA";
    }
    void answerCourses(const std::string& nivel) {
        seam.courses.then([this, nivel] {
            access::Table cursos(fixture.qtemp.path(), "CURSOST");
            cursos.open();
            for (cursos.first(); !cursos.eof(); cursos.next()) {
                cursos.edit();
                cursos.setText("NIVEL", nivel);
                cursos.setText("CURSO", "1");
            }
            cursos.close();
            return exporta::CourseDialogResult{};
        });
    }
};

TEST_F(ExportRunTest, MissingFileStandAloneOnlySaysSo) {
    seam.files = {std::nullopt};
    EXPECT_EQ(BExportarClick(state, seam, environment()), RunOutcome::MissingFile);
    EXPECT_EQ(seam.messages, std::vector<std::string>{"No existe archivo"});
    EXPECT_EQ(state.resultado, 0);
    EXPECT_EQ(seam.closes, 0);
    EXPECT_TRUE(seam.cursor.empty());
}

TEST_F(ExportRunTest, MissingFileInHostModeHandsMinusOneAndCloses) {
    state.modoAnfitrion = 2;
    seam.files = {(fixture.qtemp / "no-existe.xml").string()};
    EXPECT_EQ(BExportarClick(state, seam, environment()), RunOutcome::MissingFile);
    EXPECT_EQ(state.resultado, -1);
    EXPECT_EQ(seam.closes, 1);
    EXPECT_EQ(state.rutaXml, (fixture.qtemp / "no-existe.xml").string());
}

TEST_F(ExportRunTest, ACompleteRunRebuildsEveryTableAndEndsTheProgramsUsefulLife) {
    writeOldTables();
    answerCourses("ESO");
    state.modoAnfitrion = 2;
    seam.files = {senecaFile(smallSchool())};
    EXPECT_EQ(BExportarClick(state, seam, environment()), RunOutcome::Finished);
    for (const char* table : kWorkingTables) {
        EXPECT_FALSE(isOld(table)) << table;
    }
    EXPECT_EQ(seam.messages, std::vector<std::string>{"Proceso finalizado"});
    EXPECT_EQ(state.resultado, 1);
    EXPECT_TRUE(seam.buttonsDisabled);
    EXPECT_EQ(seam.closes, 1);
    EXPECT_EQ(seam.cursor, (std::vector<bool>{true, false}));
    EXPECT_EQ(fixture.column("GRUPOST", "ABREV"), std::vector<std::string>{"ESO1A"});
}

TEST_F(ExportRunTest, ACancelledDialogWorksOnTheFileChosenBefore) {
    answerCourses("ESO");
    state.rutaXml = senecaFile(smallSchool());
    seam.files = {std::nullopt};
    EXPECT_EQ(BExportarClick(state, seam, environment()), RunOutcome::Finished);
}

TEST_F(ExportRunTest, AForcedExitLeavesOnlyPeriodsAndCoursesNew) {
    writeOldTables();
    seam.courses.then([] { return exporta::CourseDialogResult{true, false}; });
    seam.courses.then([] { return exporta::CourseDialogResult{false, true}; });
    seam.files = {senecaFile(smallSchool())};
    EXPECT_EQ(BExportarClick(state, seam, environment()), RunOutcome::ForcedExit);
    EXPECT_FALSE(isOld("PERIODOS"));
    EXPECT_FALSE(isOld("CURSOST"));
    for (const char* table :
         {"ASIGNOMT", "ASIGNOMT2", "PROFT", "AULAT", "GRUPOST", "ASIGT", "DIASHORAST"}) {
        EXPECT_TRUE(isOld(table)) << table;
    }
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(state.resultado, 0);
    EXPECT_EQ(seam.closes, 1);
    EXPECT_TRUE(state.reintento);
    EXPECT_EQ(seam.courses.showings, (std::vector<bool>{false, true}));
}

TEST_F(ExportRunTest, AFileThatIsNotSenecasIsRefusedBeforeAnyTableIsTouched) {
    struct Case {
        const char* what;
        std::string content;
        const char* message;
    };
    const Case cases[] = {
        {"not XML", "esto no es XML", "no es un documento XML válido (línea 1"},
        {"cut short", smallSchool().substr(0, 300), "no es un documento XML válido"},
        {"another root", "<OTRO><BLOQUE_DATOS><x/></BLOQUE_DATOS></OTRO>",
         "no es un archivo de intercambio de Séneca"},
        {"empty data block", "<SERVICIO><BLOQUE_DATOS/></SERVICIO>",
         "no es un archivo de intercambio de Séneca"},
    };
    for (const Case& c : cases) {
        test::ScriptedSeam fresh;
        writeOldTables();
        const std::string file = senecaFile(c.content);
        fresh.files = {file};
        EXPECT_EQ(BExportarClick(state, fresh, environment()), RunOutcome::Refused) << c.what;
        ASSERT_EQ(fresh.messages.size(), 1U) << c.what;
        EXPECT_NE(fresh.messages[0].find(c.message), std::string::npos) << fresh.messages[0];
        EXPECT_NE(fresh.messages[0].find(file), std::string::npos) << c.what;
        for (const char* table : kWorkingTables) {
            EXPECT_TRUE(isOld(table)) << c.what << " " << table;
        }
        EXPECT_EQ(state.resultado, 0);
    }
}

TEST_F(ExportRunTest, AnErrorPartWayStopsTheRunAndLeavesTheStateAsItWas) {
    writeOldTables();
    answerCourses("ESO");
    std::filesystem::remove(fixture.program / "SENEMATERIAS.DBF");
    seam.files = {senecaFile(smallSchool())};
    EXPECT_THROW(BExportarClick(state, seam, environment()), Error);
    EXPECT_EQ(state.resultado, 0);
    EXPECT_FALSE(seam.buttonsDisabled);
    EXPECT_EQ(seam.closes, 0);
    EXPECT_EQ(seam.cursor, (std::vector<bool>{true, false}));  // the cursor comes back
    EXPECT_FALSE(isOld("CURSOST"));
    EXPECT_FALSE(isOld("ASIGNOMT"));  // re-created, empty
    EXPECT_TRUE(isOld("PROFT"));      // later steps never ran
}

TEST_F(ExportRunTest, EveryRunStartsWithEmptyRegistrationLists) {
    answerCourses("ESO");
    state.registroMaterias.codigosCortos = {"LCL"};  // as a failed earlier run might leave them
    state.registroMaterias.nombresMaterias = {"LENGUA CASTELLANA Y LITERATURA"};
    seam.files = {senecaFile(smallSchool())};
    EXPECT_EQ(BExportarClick(state, seam, environment()), RunOutcome::Finished);
    EXPECT_EQ(fixture.column("ASIGNOMT2", "COD"), std::vector<std::string>{"LCL"});
}

}  // namespace
}  // namespace quimbo::app
