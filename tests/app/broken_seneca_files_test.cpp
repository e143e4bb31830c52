// Broken and hostile Séneca files through the whole export run: each gives a clear Spanish
// message or the expected result, never a crash or a hang, and leaves every table it does not
// rebuild as it was.
#include <gtest/gtest.h>

#include <chrono>

#include "app/export_run.hpp"
#include "common/error.hpp"
#include "export/export_fixture.hpp"
#include "support/scripted_seam.hpp"
#include "support/seneca_builder.hpp"
#include "text/codepage.hpp"

namespace quimbo::app {
namespace {

using test::kWorkingTables;

std::string school(const std::string& courseName = "1º ESO", const std::string& slotStart = "480") {
    return test::withSchoolYear()
        .group("CURSOS_DEL_CENTRO", {{{"X", "6001"}, {"D", courseName}}})
        .group("MATERIAS", {test::materia("6001", "Latín", "400000")})
        .group("UNIDADES", {{{"X", "700000"}, {"N", "1º A"}, {"C", "6001"}}})
        .group("JORNADAS_ESCOLARES", {{{"X", "M"}, {"D", "Mañana"}, {"A", "a"}, {"B", "b"}}})
        .group("TRAMOS_HORARIOS",
               {{{"X", "101"}, {"D", "1ª"}, {"I", slotStart}, {"F", "540"}, {"J", "M"}}})
        .xml();
}

std::string utf16(const std::string& utf8, bool bom) {
    std::string out = bom ? std::string("\xFF\xFE") : std::string();
    for (unsigned char c : codepage::utf8ToCp1252(utf8)) {  // the fixture is Latin-1 text
        out += static_cast<char>(c);
        out += '\0';
    }
    return out;
}

std::string nested(int depth) {
    std::string open;
    std::string close;
    for (int i = 0; i < depth; ++i) {
        open += "<a>";
        close += "</a>";
    }
    return "<SERVICIO><BLOQUE_DATOS><grupo_datos seq=\"X\">" + open + close +
           "</grupo_datos></BLOQUE_DATOS></SERVICIO>";
}

std::string bomb() {
    std::string xml = "<?xml version=\"1.0\"?><!DOCTYPE SERVICIO [<!ENTITY a0 \"jajajajaja\">";
    for (int i = 1; i <= 10; ++i) {
        xml += "<!ENTITY a" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k) {
            xml += "&a" + std::to_string(i - 1) + ";";
        }
        xml += "\">";
    }
    return xml +
           "]><SERVICIO><BLOQUE_DATOS><grupo_datos seq=\"A\"><dato>&a10;</dato><dato>x</dato>"
           "</grupo_datos></BLOQUE_DATOS></SERVICIO>";
}

enum class Expect { Refused, Finished, Error };

struct BrokenFile {
    const char* what;
    std::string content;
    Expect expect;
    std::string message;      // part of the message or error the user reads
    const char* lastRebuilt;  // with Expect::Error: the step's table where it stopped
};

std::vector<BrokenFile> brokenFiles(const std::filesystem::path& secret) {
    const std::string refused = "No se ha modificado ninguna tabla de Tempario.";
    return {
        {"empty file", "", Expect::Refused, "no es un documento XML válido", nullptr},
        {"not XML", "Hola, esto es una carta", Expect::Refused, "no es un documento XML válido",
         nullptr},
        {"only a declaration", "<?xml version=\"1.0\"?>", Expect::Refused,
         "no es un documento XML válido", nullptr},
        {"cut short", school().substr(0, school().size() / 2), Expect::Refused,
         "no es un documento XML válido", nullptr},
        {"wrong root", "<HORARIOS><BLOQUE_DATOS><g/></BLOQUE_DATOS></HORARIOS>", Expect::Refused,
         "no es un archivo de intercambio de Séneca", nullptr},
        {"no BLOQUE_DATOS", "<SERVICIO><DATOS><g/></DATOS></SERVICIO>", Expect::Refused,
         "no es un archivo de intercambio de Séneca", nullptr},
        {"BLOQUE_DATOS with text only", "<SERVICIO><BLOQUE_DATOS>texto</BLOQUE_DATOS></SERVICIO>",
         Expect::Refused, refused, nullptr},
        {"a control character in a value",
         "<SERVICIO><BLOQUE_DATOS><g><dato>a\x01</dato></g></BLOQUE_DATOS></SERVICIO>",
         Expect::Refused, "no es un documento XML válido", nullptr},
        {"an encoding libxml2 does not know",
         "<?xml version=\"1.0\" encoding=\"KLINGON-1\"?><SERVICIO/>", Expect::Refused,
         "no es un documento XML válido", nullptr},
        {"deep nesting", nested(100000), Expect::Refused, "no es un documento XML válido", nullptr},
        {"entity bomb", bomb(), Expect::Refused, "no es un documento XML válido", nullptr},
        {"external entity",
         "<?xml version=\"1.0\"?><!DOCTYPE S [<!ENTITY x SYSTEM \"file://" + secret.string() +
             "\">]><SERVICIO><BLOQUE_DATOS><grupo_datos><dato>&x;</dato>"
             "<dato>2026</dato></grupo_datos><grupo_datos "
             "seq=\"JORNADAS_ESCOLARES\"><grupo_datos><dato>M</dato>"
             "</grupo_datos></grupo_datos></BLOQUE_DATOS></SERVICIO>",
         Expect::Finished, "Proceso finalizado", nullptr},
        {"UTF-16 with BOM", utf16(school().substr(school().find("<SERVICIO")), true),
         Expect::Finished, "Proceso finalizado", nullptr},
        {"UTF-16 without BOM, declared",
         utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?>" +
                   school().substr(school().find("<SERVICIO")),
               false),
         Expect::Finished, "Proceso finalizado", nullptr},
        {"empty groups",
         test::withSchoolYear()
             .group("CURSOS_DEL_CENTRO", {})
             .group("MATERIAS", {})
             .group("JORNADAS_ESCOLARES", {{{"X", "M"}, {"D", "d"}}})
             .xml(),
         Expect::Finished, "Proceso finalizado", nullptr},
        {"dato with child elements",
         test::withSchoolYear()
             .raw("<grupo_datos seq=\"CURSOS_DEL_CENTRO\"><grupo_datos><dato>60<b>01</b></dato>"
                  "<dato>Curso <i>raro</i></dato></grupo_datos></grupo_datos>"
                  "<grupo_datos seq=\"JORNADAS_ESCOLARES\"><grupo_datos><dato>M</dato>"
                  "</grupo_datos></grupo_datos>")
             .xml(),
         Expect::Finished, "Proceso finalizado", nullptr},
        {"tabs and line breaks in values", school("1º\tESO\nde tarde"), Expect::Finished,
         "Proceso finalizado", nullptr},
        {"a 50 MB value", school(std::string(50 * 1024 * 1024, 'x')), Expect::Finished,
         "Proceso finalizado", nullptr},
        {"no value in the first two groups",
         test::SenecaBuilder().valueGroup("A", {{"X", "1"}}).group("B", {}).xml(), Expect::Error,
         "La fuente de datos no está en modo de edición o inserción", "PERIODOS"},
        {"a slot start that is not a number", school("1º ESO", "8h"), Expect::Error,
         "'08h' no es un valor entero válido", "DIASHORAST"},
        {"no time frame at all", test::withSchoolYear().group("UNIDADES", {}).xml(), Expect::Error,
         "ningún Marco Horario", "ASIGT"},
    };
}

TEST(BrokenSenecaFiles, EachIsAnsweredClearlyAndDamagesNothingElse) {
    test::TempDir secretDir;
    test::writeFile(secretDir / "secreto.txt", "CONTRASEÑA");
    for (const BrokenFile& c : brokenFiles(secretDir / "secreto.txt")) {
        test::ExportFixture fixture;
        for (const char* table : kWorkingTables) {
            test::writeTable(fixture.qtemp.path(), table, {access::textField("VIEJA", 2)}, {});
        }
        const auto file = fixture.qtemp / "seneca.xml";
        test::writeFile(file, c.content);
        test::ScriptedSeam seam;
        seam.files = {file.string()};
        ProcessState state;
        const auto start = std::chrono::steady_clock::now();
        std::string said;
        RunOutcome outcome = RunOutcome::MissingFile;
        bool failed = false;
        try {
            outcome = BExportarClick(state, seam, {fixture.qtemp.path(), fixture.program.path()});
            said = seam.messages.empty() ? "" : seam.messages.back();
        } catch (const Error& error) {
            failed = true;
            said = error.what();
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << c.what;
        EXPECT_NE(said.find(c.message), std::string::npos) << c.what << ": " << said.substr(0, 300);
        EXPECT_EQ(said.find("CONTRASE"), std::string::npos) << c.what;

        // Which tables the run may have rebuilt: none when refused, all when finished, and up
        // to the step where it stopped otherwise.
        bool rebuilt = c.expect != Expect::Refused;
        for (const char* table : kWorkingTables) {
            access::Table t(fixture.qtemp.path(), table);
            t.open();
            const bool old = t.fields().front().name == "VIEJA";
            if (c.expect == Expect::Finished) {
                EXPECT_FALSE(old) << c.what << " " << table;
            } else if (!rebuilt) {
                EXPECT_TRUE(old) << c.what << " " << table << " was touched";
            }
            if (c.lastRebuilt && std::string(table) == c.lastRebuilt) {
                rebuilt = false;
            }
        }
        switch (c.expect) {
            case Expect::Refused:
                EXPECT_EQ(outcome, RunOutcome::Refused) << c.what;
                EXPECT_NE(said.find("seneca.xml"), std::string::npos) << c.what;
                break;
            case Expect::Finished:
                EXPECT_EQ(outcome, RunOutcome::Finished) << c.what;
                break;
            case Expect::Error:
                EXPECT_TRUE(failed) << c.what;
                break;
        }
    }
}

}  // namespace
}  // namespace quimbo::app
