#include "app/timetable_run.hpp"

#include <gtest/gtest.h>

#include <regex>

#include "app/export_run.hpp"
#include "common/error.hpp"
#include "export/export_fixture.hpp"
#include "support/scripted_seam.hpp"
#include "support/seneca_builder.hpp"
#include "text/codepage.hpp"
#include "timetable/timetable_fixture.hpp"

namespace quimbo::app {
namespace {

const std::string kSchoolBody = test::miniatureSchool("Ñ1").xml("");

struct TimetableRunTest : ::testing::Test {
    test::ExportFixture fixture;
    test::ScriptedSeam seam;
    ProcessState state;

    Environment environment() const { return {fixture.qtemp.path(), fixture.program.path()}; }

    // The Séneca file, the working tables from it and a SOLUC of two placed rows.
    std::string prepareSchool(const std::string& declaration, bool latin1) {
        const std::string body = declaration + "\n<!-- Exportación de Séneca -->" + kSchoolBody;
        const auto path = fixture.qtemp / "centro.xml";
        test::writeFile(path, latin1 ? codepage::utf8ToCp1252(body) : body);
        test::ScriptedSeam exportSeam;
        exportSeam.files = {path.string()};
        exportSeam.courses.then([this] {
            test::writeTable(fixture.qtemp.path(), "CURSOST", tables::cursosFields(),
                             {{{"CLAVE", "6001"}, {"NIVEL", "ESO"}, {"CURSO", "1"}}});
            return exporta::CourseDialogResult{};
        });
        ProcessState exportState;
        EXPECT_EQ(BExportarClick(exportState, exportSeam, environment()), RunOutcome::Finished);
        test::writeTable(
            fixture.qtemp.path(), "SOLUC", test::solucFields(),
            {{{"PROF", "JGP"},
              {"DIA", "1"},
              {"HORA", "1"},
              {"MARCO", "0"},
              {"ASIG", "LCL"},
              {"CODGRUPO", "ESO1A"},
              {"AULA", "Ñ1"}},
             {{"PROF", "JGP"}, {"DIA", "2"}, {"HORA", "1"}, {"MARCO", "0"}, {"ASIG", "1"}}});
        return path.string();
    }
    std::filesystem::path output() const { return fixture.qtemp / "ResultadoQuimbocentro.xml"; }
};

std::string withoutFecha(const std::string& xml) {
    return std::regex_replace(xml, std::regex("fecha=\"[^\"]*\""), "fecha=\"F\"");
}

const std::string kExpectedBody =
    "<SERVICIO modulo=\"HORARIOS\" tipo=\"I\" autor=\"TEMPARIO\" fecha=\"F\"><BLOQUE_DATOS>"
    "<grupo_datos seq=\"ANNO_ACADEMICO\"><dato nombre_dato=\"C_ANNO\">2026</dato></grupo_datos>"
    "<grupo_datos seq=\"HORARIOS_REGULARES\" registros=\"1\">"
    "<grupo_datos seq=\"HORARIO_REGULAR_PROFESOR_1\" registros=\"2\">"
    "<dato nombre_dato=\"X_EMPLEADO\">100</dato><dato nombre_dato=\"F_TOMAPOS\">01/09/2010</dato>"
    "<grupo_datos seq=\"ACTIVIDAD_1\"><dato nombre_dato=\"N_DIASEMANA\">1</dato>"
    "<dato nombre_dato=\"X_TRAMO\">101</dato><dato nombre_dato=\"X_DEPENDENCIA\">Ñ1</dato>"
    "<dato nombre_dato=\"X_UNIDAD\">700000</dato><dato nombre_dato=\"X_OFERTAMATRIG\">6001</dato>"
    "<dato nombre_dato=\"X_MATERIAOMG\">400000</dato>"
    "<dato nombre_dato=\"F_INICIO\">15/09/2026</dato><dato nombre_dato=\"F_FIN\">22/06/2027</dato>"
    "<dato nombre_dato=\"N_HORINI\">480</dato><dato nombre_dato=\"N_HORFIN\">540</dato>"
    "<dato nombre_dato=\"X_ACTIVIDAD\">1</dato></grupo_datos>"
    "<grupo_datos seq=\"ACTIVIDAD_2\"><dato nombre_dato=\"N_DIASEMANA\">2</dato>"
    "<dato nombre_dato=\"X_TRAMO\">101</dato><dato nombre_dato=\"X_DEPENDENCIA\"/>"
    "<dato nombre_dato=\"X_UNIDAD\"/><dato nombre_dato=\"X_OFERTAMATRIG\"/>"
    "<dato nombre_dato=\"X_MATERIAOMG\"/>"
    "<dato nombre_dato=\"F_INICIO\">15/09/2026</dato><dato nombre_dato=\"F_FIN\">22/06/2027</dato>"
    "<dato nombre_dato=\"N_HORINI\">480</dato><dato nombre_dato=\"N_HORFIN\">540</dato>"
    "<dato nombre_dato=\"X_ACTIVIDAD\">1</dato></grupo_datos>"
    "</grupo_datos></grupo_datos></BLOQUE_DATOS></SERVICIO>\n";

TEST_F(TimetableRunTest, WritesTheWholeDocumentInTheInputsEncoding) {
    seam.files = {prepareSchool("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", true)};
    EXPECT_EQ(BImportarClick(state, seam, environment()), RunOutcome::Finished);
    EXPECT_EQ(withoutFecha(test::readFile(output())),
              codepage::utf8ToCp1252("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                     "<!-- Exportación de Séneca -->\n" +
                                     kExpectedBody));
    EXPECT_EQ(seam.messages, std::vector<std::string>{"Proceso finalizado"});
    EXPECT_EQ(state.resultado, 1);
    EXPECT_TRUE(seam.buttonsDisabled);
    EXPECT_EQ(seam.closes, 0);
}

TEST_F(TimetableRunTest, WithoutDeclarationTheOutputIsUtf8) {
    seam.files = {prepareSchool("", false)};
    state.modoAnfitrion = 2;
    EXPECT_EQ(BImportarClick(state, seam, environment()), RunOutcome::Finished);
    EXPECT_EQ(withoutFecha(test::readFile(output())),
              "<!-- Exportación de Séneca -->\n" + kExpectedBody);
    EXPECT_EQ(seam.closes, 1);
}

TEST_F(TimetableRunTest, MissingPeriodosSaysSoAndWritesNothing) {
    seam.files = {prepareSchool("", false)};
    std::filesystem::remove(fixture.qtemp / "PERIODOS.DBF");
    EXPECT_EQ(BImportarClick(state, seam, environment()), RunOutcome::PeriodosMissing);
    EXPECT_EQ(seam.messages,
              std::vector<std::string>{
                  "ATENCIÓN - PERIODOS.DBF No encontrado - Importe de nuevo XML de SÉNECA."});
    EXPECT_FALSE(std::filesystem::exists(output()));
    EXPECT_FALSE(seam.buttonsDisabled);
    EXPECT_EQ(state.resultado, 0);
    EXPECT_EQ(seam.cursor, (std::vector<bool>{true, false}));
}

TEST_F(TimetableRunTest, AFailedRunLeavesAnEarlierOutputIntact) {
    seam.files = {prepareSchool("", false)};
    test::writeFile(output(), "resultado anterior");
    test::writeTable(fixture.qtemp.path(), "DIASHORAST", tables::tramosFields(),
                     {{{"DIHO", "11"}, {"MARCO", "0"}, {"HORADESDE", "9:5"}}});
    EXPECT_THROW(BImportarClick(state, seam, environment()), Error);
    EXPECT_EQ(test::readFile(output()), "resultado anterior");
    EXPECT_EQ(state.resultado, 0);
    EXPECT_FALSE(seam.buttonsDisabled);
}

TEST_F(TimetableRunTest, AMissingWorkingTableIsNamedAndNothingIsWritten) {
    seam.files = {prepareSchool("", false)};
    std::filesystem::remove(fixture.qtemp / "AULAT.DBF");
    try {
        BImportarClick(state, seam, environment());
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("AULAT.DBF"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(output()));
}

TEST_F(TimetableRunTest, EmptyTablesAndAShortYear) {
    const auto path = fixture.qtemp / "corto.xml";
    test::writeFile(path,
                    "<SERVICIO><BLOQUE_DATOS><grupo_datos seq=\"A\"><dato>26</dato>"
                    "</grupo_datos></BLOQUE_DATOS></SERVICIO>");
    test::SmallSchool school;
    school.proft.clear();
    school.write(fixture.qtemp.path());
    test::writeTable(fixture.qtemp.path(), "CURSOST", tables::cursosFields(), {});
    test::writeTable(fixture.qtemp.path(), "AULAT", tables::aulasFields(), {});
    test::writeTable(fixture.qtemp.path(), "PERIODOS", tables::periodosFields(), {});
    seam.files = {path.string()};
    EXPECT_EQ(BImportarClick(state, seam, environment()), RunOutcome::Finished);
    const std::string written = test::readFile(fixture.qtemp / "ResultadoQuimbocorto.xml");
    EXPECT_NE(written.find("<dato nombre_dato=\"C_ANNO\">26</dato>"), std::string::npos);
    EXPECT_NE(written.find("<grupo_datos seq=\"HORARIOS_REGULARES\" registros=\"0\"/>"),
              std::string::npos)
        << written;
}

TEST_F(TimetableRunTest, MissingFileInHostModeHandsMinusOne) {
    state.modoAnfitrion = 2;
    EXPECT_EQ(BImportarClick(state, seam, environment()), RunOutcome::MissingFile);
    EXPECT_EQ(state.resultado, -1);
    EXPECT_EQ(seam.closes, 1);
    EXPECT_EQ(seam.messages, std::vector<std::string>{"No existe archivo"});
}

}  // namespace
}  // namespace quimbo::app
