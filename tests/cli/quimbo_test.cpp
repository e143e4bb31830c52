#include <gtest/gtest.h>

#include <regex>

#include "access/table.hpp"
#include "support/python.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"

namespace quimbo::cli {
namespace {

using test::ProcessResult;

const std::string kSample = std::string(QUIMBO_SOURCE_DIR) + "/examples/ies_alminar.xml";
const std::string kNiveles = std::string(QUIMBO_SOURCE_DIR) + "/examples/niveles.csv";

ProcessResult quimbo(std::vector<std::string> args) {
    args.insert(args.begin(), std::string(QUIMBO_BIN_DIR) + "/quimbo");
    return test::runProgram(args);
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::size_t entries(const std::filesystem::path& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir),
                                                  std::filesystem::directory_iterator()));
}

TEST(Quimbo, TheSampleSchoolsRoundTrip) {
    test::TempDir work;
    const auto seneca = work / "ies_alminar.xml";
    std::filesystem::copy_file(kSample, seneca);
    const std::string qtemp = (work / "QTEMP").string();
    std::filesystem::create_directory(qtemp);

    const auto exported = quimbo(
        {"exportar", seneca.string(), "--qtemp", qtemp, "--niveles", kNiveles, "--marcos", "M,T"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_TRUE(contains(exported.out, "Proceso finalizado"));

    // What the school expects, read by a reader nobody here wrote.
    const auto grupos = test::runPythonScript("dump_dbf.py", {qtemp + "/GRUPOST.DBF"});
    ASSERT_EQ(grupos.exitCode, 0) << grupos.err;
    EXPECT_TRUE(contains(grupos.out,
                         "[\"ESO1A\", \"\", \"ESO\", \"1\", \"A\", \"700000\", "
                         "\"6001\", \"1º de Educ. Secundaria Obligatoria\", \"0\"]"));
    EXPECT_TRUE(contains(grupos.out, "[\"BHC2B\""));
    EXPECT_EQ(std::count(grupos.out.begin(), grupos.out.end(), '\n'), 1 + 24);
    const auto asigt = test::runPythonScript("dump_dbf.py", {qtemp + "/ASIGT.DBF"});
    EXPECT_TRUE(contains(asigt.out,
                         "[\"LCL\", \"\", \"ESO1A\", \"\", \"\", \"ESO\", \"1\", "
                         "\"A\", 4.0, \"1111\", \"\", \"400000\", \"6001\", \"1\"]"));
    EXPECT_EQ(test::readRows(qtemp, "PROFT").size(), 60U);
    const auto tramos = test::runPythonScript("dump_dbf.py", {qtemp + "/DIASHORAST.DBF"});
    EXPECT_EQ(std::count(tramos.out.begin(), tramos.out.end(), '\n'), 1 + 70);
    EXPECT_TRUE(contains(tramos.out,
                         "[\"11\", \"101\", \"1\", \"\", \"1\", \"1ª hora\", "
                         "\"08:00\", \"09:00\", \"60\", \"0\", \"M\"]"));
    EXPECT_TRUE(contains(tramos.out,
                         "[\"11\", \"201\", \"1\", \"\", \"1\", "
                         "\"1ª hora tarde\", \"16:00\", \"17:00\", \"60\", \"1\", "
                         "\"T\"]"));

    const auto soluc = test::runProgram({std::string(QUIMBO_BIN_DIR) + "/soluc_simulada", qtemp});
    ASSERT_EQ(soluc.exitCode, 0) << soluc.err;
    const auto imported = quimbo({"importar", seneca.string(), "--qtemp", qtemp});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    const auto horarios = work / "ResultadoQuimboies_alminar.xml";
    EXPECT_TRUE(contains(imported.out, horarios.string()));
    const std::string xml = test::readFile(horarios);
    EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", 0), 0U);
    EXPECT_EQ(test::runProgram({"/usr/bin/xmllint", "--noout", horarios.string()}).exitCode, 0);
    // Every teacher group's registros equals the number of its activities.
    const std::regex teacher("registros=\"(\\d+)\"><dato nombre_dato=\"X_EMPLEADO\">");
    std::size_t teachers = 0;
    auto begin = std::sregex_iterator(xml.begin(), xml.end(), teacher);
    for (auto it = begin; it != std::sregex_iterator(); ++it, ++teachers) {
        const std::size_t start = static_cast<std::size_t>(it->position());
        auto next = std::next(it);
        const std::size_t end = next == std::sregex_iterator()
                                    ? xml.size()
                                    : static_cast<std::size_t>(next->position());
        const std::string group = xml.substr(start, end - start);
        std::size_t activities = 0;
        for (std::size_t at = group.find("seq=\"ACTIVIDAD_"); at != std::string::npos;
             at = group.find("seq=\"ACTIVIDAD_", at + 1)) {
            ++activities;
        }
        EXPECT_EQ(std::to_string(activities), (*it)[1].str()) << "teacher " << teachers + 1;
    }
    EXPECT_EQ(teachers, 60U);

    // The review: a page beside the HORARIOS file, and `revisar` with nothing to correct...
    const std::string page = test::readFile(work / "ResultadoQuimboies_alminar.xml.revision.html");
    EXPECT_TRUE(contains(page, "No hay nada que corregir"));
    const auto clean = quimbo({"revisar", seneca.string(), "--qtemp", qtemp});
    EXPECT_EQ(clean.exitCode, 0) << clean.out << clean.err;
    std::size_t written = 0;
    for (std::size_t at = xml.find("seq=\"ACTIVIDAD_"); at != std::string::npos;
         at = xml.find("seq=\"ACTIVIDAD_", at + 1)) {
        ++written;
    }
    EXPECT_TRUE(contains(clean.out, "Actividades escritas: " + std::to_string(written) + "\n"))
        << clean.out;
    // ...and on a broken variant: lessons of a teacher that PROFT does not know.
    {
        access::Table solution(qtemp, "SOLUC");
        solution.open();
        solution.append();
        solution.setText("PROF", "ZZZ");
        solution.setInteger("DIA", 1);
        solution.setInteger("HORA", 1);
        solution.post();
        solution.close();
    }
    const auto broken = quimbo({"revisar", seneca.string(), "--qtemp", qtemp});
    EXPECT_EQ(broken.exitCode, 4) << broken.out << broken.err;
    EXPECT_TRUE(contains(broken.out, "'ZZZ': 1 filas")) << broken.out;
    EXPECT_EQ(quimbo({"revisar", (work / "falta.xml").string(), "--qtemp", qtemp}).exitCode, 1);
}

TEST(Quimbo, ErrorPathsAndTheirExitCodes) {
    test::TempDir work;
    test::writeFile(work / "roto.xml", "<SERVICIO><BLOQUE_DATOS>");
    test::writeFile(work / "sin_columnas.csv", "CLAVE;OTRA\n6001;x\n");
    test::writeFile(work / "comillas.csv", "CLAVE;NIVEL;CURSO\n\"6001;ESO;1\n");
    const std::string qtemp = work.path().string();
    struct Case {
        const char* what;
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    const Case cases[] = {
        {"no arguments", {}, 2, ""},
        {"unknown command", {"borrar", kSample}, 2, "Orden desconocida"},
        {"no file", {"exportar"}, 2, "Falta el archivo"},
        {"unknown option", {"exportar", kSample, "--rapido"}, 2, "Opción desconocida"},
        {"option of another command", {"importar", kSample, "--marcos", "M"}, 2, "no sirve"},
        {"both course options",
         {"exportar", kSample, "--qtemp", qtemp, "--niveles", kNiveles, "--sin-comprobar-cursos"},
         2,
         "no las dos"},
        {"frames missing",
         {"exportar", kSample, "--qtemp", qtemp, "--niveles", kNiveles},
         2,
         "Debe al menos seleccionar 1 Marco Horario."},
        {"frame not in the file",
         {"exportar", kSample, "--qtemp", qtemp, "--niveles", kNiveles, "--marcos", "M,N"},
         2,
         "El Marco Horario N no está en el archivo"},
        {"three frames",
         {"exportar", kSample, "--qtemp", qtemp, "--niveles", kNiveles, "--marcos", "M,T,X"},
         2,
         "El Marco Horario X no está en el archivo"},
        {"levels file missing",
         {"exportar", kSample, "--qtemp", qtemp, "--niveles", qtemp + "/falta.csv", "--marcos",
          "M"},
         2,
         "No se puede leer el archivo de niveles"},
        {"levels file without its columns",
         {"exportar", kSample, "--qtemp", qtemp, "--niveles", qtemp + "/sin_columnas.csv",
          "--marcos", "M"},
         2,
         "CLAVE, NIVEL y CURSO"},
        {"levels file with an open quote",
         {"exportar", kSample, "--qtemp", qtemp, "--niveles", qtemp + "/comillas.csv", "--marcos",
          "M"},
         2,
         "comillas sin cerrar en la línea 2"},
        {"file that does not exist",
         {"exportar", qtemp + "/falta.xml", "--qtemp", qtemp},
         1,
         "No existe archivo"},
        {"file that is not XML",
         {"importar", qtemp + "/roto.xml", "--qtemp", qtemp},
         1,
         "no es un documento XML válido"},
        {"listing a broken file", {"cursos", qtemp + "/roto.xml"}, 1, "no es un documento XML"},
    };
    for (const Case& c : cases) {
        const auto result = quimbo(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.what << "\n" << result.err;
        EXPECT_TRUE(contains(result.err, c.message)) << c.what << "\n" << result.err;
    }
    // None of the refused answers touched the exchange directory.
    EXPECT_EQ(entries(work.path()), 3U);
}

TEST(Quimbo, FrameListIsShownWhenTheAnswerIsMissing) {
    test::TempDir qtemp;
    const auto result =
        quimbo({"exportar", kSample, "--qtemp", qtemp.path().string(), "--sin-comprobar-cursos"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(contains(result.err, "M  Jornada de mañana (15/09/2026 - 22/06/2027), 6 tramos"));
    EXPECT_TRUE(contains(result.err, "T  Jornada de tarde"));
}

TEST(Quimbo, CoursesWithoutLevelEndTheRunAsAForcedExit) {
    test::TempDir work;
    test::writeFile(work / "niveles.csv",
                    "NIVEL;CURSO;CLAVE;ESTUD\nESO;1;6001;x\nESO;2;6002;x\n;3;6003;x\nBCT;;6101;\n"
                    "XX;1;9999;no es del archivo\n");
    const std::string qtemp = (work / "QTEMP").string();
    std::filesystem::create_directory(qtemp);
    test::writeTable(qtemp, "PROFT", {access::textField("VIEJA", 1)}, {});
    const auto result = quimbo({"exportar", kSample, "--qtemp", qtemp, "--niveles",
                                (work / "niveles.csv").string(), "--marcos", "M"});
    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_TRUE(contains(result.err, "¡Atención! Falta algún Dato"));
    EXPECT_TRUE(contains(result.err, "6003;3º de Educ. Secundaria Obligatoria"));
    EXPECT_TRUE(contains(result.err, "6101;1º de Bachillerato"));
    EXPECT_TRUE(contains(result.err, "Aviso: la CLAVE 9999"));
    EXPECT_FALSE(contains(result.err, "6001;"));
    EXPECT_EQ(test::readColumn(qtemp, "CURSOST", "NIVEL")[1], "ESO");
    EXPECT_TRUE(std::filesystem::exists(qtemp + "/PERIODOS.DBF"));
    EXPECT_EQ(test::readRows(qtemp, "PROFT").size(), 0U);  // later tables untouched
    EXPECT_FALSE(std::filesystem::exists(qtemp + "/GRUPOST.DBF"));

    const auto unchecked =
        quimbo({"exportar", kSample, "--qtemp", qtemp, "--sin-comprobar-cursos", "--marcos", "T"});
    EXPECT_EQ(unchecked.exitCode, 0) << unchecked.err;
    EXPECT_EQ(test::readColumn(qtemp, "GRUPOST", "ABREV")[0], "A");
    EXPECT_FALSE(std::filesystem::exists(work / "Tempario.ini"));
}

TEST(Quimbo, ListingCommandsPrintTemplates) {
    const auto courses = quimbo({"cursos", kSample});
    ASSERT_EQ(courses.exitCode, 0) << courses.err;
    EXPECT_EQ(courses.out.substr(0, courses.out.find('\n', 30) + 1),
              "CLAVE;ESTUD;NIVEL;CURSO\n6001;1º de Educ. Secundaria Obligatoria;;\n");
    const auto frames = quimbo({"marcos", kSample});
    ASSERT_EQ(frames.exitCode, 0) << frames.err;
    EXPECT_EQ(frames.out,
              "CODIGO;NOMBRE;INICIO;FIN;TRAMOS\nM;Jornada de mañana;15/09/2026;22/06/2027;6\n"
              "T;Jornada de tarde;15/09/2026;22/06/2027;4\n");
    const auto help = quimbo({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(contains(help.out, "Códigos de salida"));
}

}  // namespace
}  // namespace quimbo::cli
