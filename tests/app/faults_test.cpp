// Faults from outside the program: a missing exchange directory, a table held by another
// program, files that cannot be written or whose writing fails part-way. Each gives a clear
// Spanish error naming the file, and the earlier HORARIOS file and Tempario.ini stay intact.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include "app/export_run.hpp"
#include "app/timetable_run.hpp"
#include "common/error.hpp"
#include "export/export_fixture.hpp"
#include "platform/ini_file.hpp"
#include "platform/locked_file.hpp"
#include "support/scripted_seam.hpp"
#include "support/seneca_builder.hpp"
#include "timetable/timetable_fixture.hpp"

namespace quimbo::app {
namespace {

// Another program holding a file under its lock, for as long as the object lives.
class LockHolder {
  public:
    explicit LockHolder(const std::filesystem::path& file) {
        int ready[2];
        if (pipe(ready) != 0) {
            throw std::runtime_error("pipe");
        }
        child_ = fork();
        if (child_ == 0) {
            const int descriptor = ::open(file.c_str(), O_RDWR);
            flock(descriptor, LOCK_EX);
            const char byte = 1;
            (void)!write(ready[1], &byte, 1);
            pause();
            _exit(0);
        }
        char byte = 0;
        (void)!read(ready[0], &byte, 1);
        close(ready[0]);
        close(ready[1]);
    }
    ~LockHolder() {
        kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

  private:
    pid_t child_ = -1;
};

// A write fault for as long as the object lives.
class InjectedFault {
  public:
    explicit InjectedFault(platform::WriteFault fault) {
        platform::setWriteFaultForTesting(std::move(fault));
    }
    ~InjectedFault() { platform::setWriteFaultForTesting({}); }
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;
};

bool endsWith(const std::filesystem::path& path, const std::string& name) {
    return path.filename() == name;
}

std::string errorOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const Error& error) {
        return error.what();
    }
    return "(no error)";
}

struct FaultsTest : ::testing::Test {
    test::ExportFixture fixture;
    test::ScriptedSeam seam;
    ProcessState state;
    Environment environment() const { return {fixture.qtemp.path(), fixture.program.path()}; }

    std::string seneca() {
        const auto path = fixture.qtemp / "centro.xml";
        test::writeFile(
            path,
            test::withSchoolYear()
                .group("EMPLEADOS",
                       {{{"X", "1"}, {"F", "f"}, {"D", "d"}, {"N", "Ana"}, {"A", "B"}, {"C", "C"}}})
                .group("JORNADAS_ESCOLARES", {{{"X", "M"}, {"D", "d"}}})
                .xml());
        return path.string();
    }
    std::string exportError() {
        seam.files = {seneca()};
        return errorOf([&] { BExportarClick(state, seam, environment()); });
    }
    std::string importError() {
        seam.files = {seneca()};
        return errorOf([&] { BImportarClick(state, seam, environment()); });
    }
    void writeSchoolTables() {
        test::SmallSchool{}.write(fixture.qtemp.path());
        test::writeTable(fixture.qtemp.path(), "CURSOST", tables::cursosFields(), {});
        test::writeTable(fixture.qtemp.path(), "AULAT", tables::aulasFields(), {});
        test::writeTable(fixture.qtemp.path(), "PERIODOS", tables::periodosFields(), {});
    }
};

TEST_F(FaultsTest, AMissingExchangeDirectoryIsNamed) {
    const auto missing = fixture.qtemp / "QTEMP";
    seam.files = {seneca()};
    const std::string exported = errorOf([&] {
        BExportarClick(state, seam, {missing, fixture.program.path()});
    });
    EXPECT_NE(exported.find("No se puede crear la tabla " + (missing / "PERIODOS.DBF").string()),
              std::string::npos)
        << exported;
    seam.files = {seneca()};
    const std::string imported = errorOf([&] {
        BImportarClick(state, seam, {missing, fixture.program.path()});
    });
    EXPECT_NE(imported.find("No se encuentra la tabla " + (missing / "SOLUC.DBF").string()),
              std::string::npos)
        << imported;
}

TEST_F(FaultsTest, ATableHeldByAnotherProgramIsReportedAndKept) {
    test::writeTable(fixture.qtemp.path(), "PROFT", {access::textField("VIEJA", 2)},
                     {{{"VIEJA", "ok"}}});
    test::writeTable(fixture.qtemp.path(), "AULAT", {access::textField("VIEJA", 2)}, {});
    const std::string before = test::readFile(fixture.qtemp / "PROFT.DBF");
    {
        LockHolder tempario(fixture.qtemp / "PROFT.DBF");
        const std::string error = exportError();
        EXPECT_NE(error.find("La tabla " + (fixture.qtemp / "PROFT.DBF").string() +
                             " está en uso por otro programa"),
                  std::string::npos)
            << error;
    }
    EXPECT_EQ(test::readFile(fixture.qtemp / "PROFT.DBF"), before);
    EXPECT_EQ(fixture.column("AULAT", "VIEJA").size(), 0U);  // later steps never ran
    EXPECT_EQ(test::readRows(fixture.qtemp.path(), "AULAT").size(), 0U);
}

TEST_F(FaultsTest, TheTimetableExportRefusesASolutionHeldElsewhere) {
    writeSchoolTables();
    LockHolder tempario(fixture.qtemp / "SOLUC.DBF");
    const std::string error = importError();
    EXPECT_NE(error.find("SOLUC.DBF está en uso por otro programa"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(fixture.qtemp / "ResultadoQuimbocentro.xml"));
}

TEST_F(FaultsTest, AWriteThatFailsPartWayNamesTheTableAndSparesTheOthers) {
    test::writeTable(fixture.qtemp.path(), "AULAT", {access::textField("VIEJA", 2)}, {});
    InjectedFault diskFull([](const std::filesystem::path& path, std::uint64_t offset) {
        return endsWith(path, "PROFT.DBF") && offset > 0;  // the file is made, its rows fail
    });
    const std::string error = exportError();
    EXPECT_NE(error.find("No se ha podido escribir en la tabla " +
                         (fixture.qtemp / "PROFT.DBF").string()),
              std::string::npos)
        << error;
    access::Table aulas(fixture.qtemp.path(), "AULAT");
    aulas.open();
    EXPECT_EQ(aulas.fields().front().name, "VIEJA");
}

TEST_F(FaultsTest, AFailedSaveLeavesTheEarlierHorariosFileIntact) {
    writeSchoolTables();
    const auto output = fixture.qtemp / "ResultadoQuimbocentro.xml";
    test::writeFile(output, "el horario que ya se subió a Séneca");
    {
        InjectedFault cannotWrite(
            [&](const std::filesystem::path& path, std::uint64_t) { return path == output; });
        const std::string error = importError();
        EXPECT_NE(error.find("No se puede escribir el archivo " + output.string()),
                  std::string::npos)
            << error;
    }
    EXPECT_EQ(test::readFile(output), "el horario que ya se subió a Séneca");
    for (const auto& entry : std::filesystem::directory_iterator(fixture.qtemp.path())) {
        EXPECT_EQ(entry.path().extension() == ".tmp", false) << entry.path();  // none left
    }
    EXPECT_EQ(state.resultado, 0);
}

TEST_F(FaultsTest, AReviewPageThatCannotBeWrittenIsReportedAndUndoesNothing) {
    writeSchoolTables();
    const auto page = fixture.qtemp / "ResultadoQuimbocentro.xml.revision.html";
    InjectedFault cannotWrite(
        [&](const std::filesystem::path& path, std::uint64_t) { return path == page; });
    seam.files = {seneca()};
    EXPECT_EQ(BImportarClick(state, seam, environment()), RunOutcome::Finished);
    EXPECT_TRUE(std::filesystem::exists(fixture.qtemp / "ResultadoQuimbocentro.xml"));
    EXPECT_FALSE(std::filesystem::exists(page));
    ASSERT_EQ(seam.messages.size(), 2U);
    EXPECT_NE(seam.messages[0].find("no la página de revisión " + page.string()), std::string::npos)
        << seam.messages[0];
    EXPECT_EQ(seam.messages[1], "Proceso finalizado");
    EXPECT_EQ(state.resultado, 1);
}

TEST_F(FaultsTest, AFailedIniWriteLeavesTheEarlierIniIntact) {
    const auto ini = fixture.program / "Tempario.ini";
    test::writeFile(ini, "; Tempario\r\n[Transformadores]\r\nTransformado=1\r\n");
    InjectedFault cannotWrite(
        [&](const std::filesystem::path& path, std::uint64_t) { return path == ini; });
    const std::string error =
        errorOf([&] { platform::writeIniValue(ini, "Transformadores", "Transformado", "-1"); });
    EXPECT_EQ(error, "Unable to write to " + ini.string());
    EXPECT_EQ(test::readFile(ini), "; Tempario\r\n[Transformadores]\r\nTransformado=1\r\n");
}

}  // namespace
}  // namespace quimbo::app
