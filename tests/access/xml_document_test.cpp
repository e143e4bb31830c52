#include "access/xml_document.hpp"

#include <gtest/gtest.h>

#include <chrono>

#include "common/error.hpp"
#include "seneca/exchange_document.hpp"
#include "support/temp_dir.hpp"
#include "text/codepage.hpp"

namespace quimbo::access {
namespace {

const std::string kBody =
    "<SERVICIO><BLOQUE_DATOS><grupo_datos seq=\"CURSOS_DEL_CENTRO\"><grupo_datos>"
    "<dato nombre_dato=\"X\">6001</dato><dato nombre_dato=\"D\">Educación Ñ</dato>"
    "</grupo_datos></grupo_datos></BLOQUE_DATOS></SERVICIO>";

std::string cursoName(XmlDocument& document) {
    const auto records = seneca::recordsOf(document, seneca::kCursosDelCentro);
    return records.empty() ? "<none>" : records.front().value(1);
}

TEST(XmlDocument, IsoAndUtf8FilesGiveTheSameWindows1252Values) {
    XmlDocument utf8;
    ASSERT_TRUE(
        utf8.loadFromMemory("<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + kBody).wellFormed);
    XmlDocument latin1;
    const std::string isoBody =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + codepage::utf8ToCp1252(kBody);
    ASSERT_TRUE(latin1.loadFromMemory(isoBody).wellFormed);
    XmlDocument undeclared;
    ASSERT_TRUE(undeclared.loadFromMemory(kBody).wellFormed);
    EXPECT_EQ(cursoName(utf8), codepage::utf8ToCp1252("Educación Ñ"));
    EXPECT_EQ(cursoName(latin1), cursoName(utf8));
    EXPECT_EQ(cursoName(undeclared), cursoName(utf8));
    EXPECT_EQ(latin1.declaredEncoding(), "ISO-8859-1");
    EXPECT_EQ(undeclared.declaredEncoding(), "");
}

TEST(XmlDocument, SavesInTheDeclaredEncodingWithReferencesForWhatItCannotHold) {
    XmlDocument document;
    ASSERT_TRUE(document
                    .loadFromMemory("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                    "<!-- exportado -->\n<?pi dato?>\n<R/>")
                    .wellFormed);
    XmlNode root = document.documentElement();
    XmlNode child = document.createElement("dato");
    child.setText("Ñandú € <&>");
    root.appendChild(child);
    EXPECT_EQ(document.serialise(),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!-- exportado -->\n<?pi dato?>\n"
              "<R><dato>\xD1"
              "and\xFA &#8364; &lt;&amp;&gt;</dato></R>\n");
}

TEST(XmlDocument, WithoutDeclarationSavesUtf8WithoutAddingOne) {
    XmlDocument document;
    ASSERT_TRUE(document.loadFromMemory("<R>año</R>").wellFormed);
    EXPECT_EQ(document.serialise(), "<R>año</R>\n");
}

TEST(XmlDocument, ReportsWhyAFileIsNotWellFormed) {
    XmlDocument document;
    const XmlLoadResult result = document.loadFromMemory("<SERVICIO>\n<BLOQUE_DATOS>\n</SERVICIO>");
    EXPECT_FALSE(result.wellFormed);
    EXPECT_EQ(result.line, 3);
    EXPECT_FALSE(result.message.empty());
    EXPECT_FALSE(document.documentElement().valid());
    EXPECT_TRUE(document.selectNodes("/SERVICIO/BLOQUE_DATOS").empty());
}

TEST(XmlDocument, NeverReadsAnExternalEntity) {
    test::TempDir dir;
    test::writeFile(dir / "secreto.txt", "CONTRASEÑA");
    const std::string xml = "<?xml version=\"1.0\"?><!DOCTYPE R [<!ENTITY x SYSTEM \"file://" +
                            (dir / "secreto.txt").string() + "\">]><R>&x;</R>";
    XmlDocument document;
    document.loadFromMemory(xml);
    EXPECT_EQ(document.documentElement().text().find("CONTRASE"), std::string::npos);
    EXPECT_EQ(document.serialise().find("CONTRASE"), std::string::npos);
}

TEST(XmlDocument, RefusesAnEntityExpansionBombQuickly) {
    std::string xml = "<?xml version=\"1.0\"?><!DOCTYPE R [<!ENTITY a0 \"ja ja ja ja ja\">";
    for (int i = 1; i <= 12; ++i) {
        xml += "<!ENTITY a" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k) {
            xml += "&a" + std::to_string(i - 1) + ";";
        }
        xml += "\">";
    }
    xml += "]><R>&a12;</R>";
    const auto start = std::chrono::steady_clock::now();
    XmlDocument document;
    const XmlLoadResult result = document.loadFromMemory(xml);
    const std::size_t textSize = document.documentElement().text().size();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(result.wellFormed);
    EXPECT_LT(textSize, 1000000U);
    EXPECT_LT(elapsed, std::chrono::seconds(5));
}

TEST(XmlDocument, TextJoinsDescendantsAndXmlStartsWithTheStartTag) {
    XmlDocument document;
    ASSERT_TRUE(document.loadFromMemory("<R><a k=\"1\" j=\"2\">x<b>y</b>z</a></R>").wellFormed);
    const XmlNode a = document.selectSingleNode("/R/a");
    EXPECT_EQ(a.text(), "xyz");
    EXPECT_EQ(a.xml(), "<a k=\"1\" j=\"2\">x<b>y</b>z</a>");
    EXPECT_FALSE(document.selectSingleNode("/R/c").valid());
}

TEST(XmlDocument, SaveReplacesTheTargetOnlyWhenComplete) {
    test::TempDir dir;
    test::writeFile(dir / "salida.xml", "anterior");
    XmlDocument document;
    ASSERT_TRUE(document.loadFromMemory("<R/>").wellFormed);
    document.save(dir / "salida.xml");
    EXPECT_EQ(test::readFile(dir / "salida.xml"), "<R/>\n");
    EXPECT_THROW(document.save(dir / "no-existe" / "salida.xml"), Error);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);  // no temporary file left behind
}

}  // namespace
}  // namespace quimbo::access
