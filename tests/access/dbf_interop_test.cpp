#include <gtest/gtest.h>

#include "access/table.hpp"
#include "support/python.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"
#include "text/codepage.hpp"

namespace quimbo::access {
namespace {

using test::runPythonScript;

TEST(DbfInterop, AnIndependentReaderReadsEveryFieldTypeWeWrite) {
    test::TempDir dir;
    recreateTable(dir.path(), "MIXTA",
                  {textField("NOMBRE", 80), textField("COD", 10), integerField("NUM"),
                   floatField("HORAS"), logicalField("ESTAREA"), textField("OFERTAMATRI", 20)});
    Table table(dir.path(), "MIXTA");
    table.open();
    table.append();
    table.setText("NOMBRE", codepage::utf8ToCp1252("Educación Física y Ñandú"));
    table.setText("COD", "DEMASIADO LARGO");
    table.setInteger("NUM", 2147483647);
    table.setFloat("HORAS", 4);
    table.setBoolean("ESTAREA", true);
    table.setText("OFERTAMATRI", "6001");
    table.post();
    table.append();  // every value empty
    table.post();
    table.close();

    const auto result = runPythonScript("dump_dbf.py", {(dir / "MIXTA.DBF").string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "[[\"NOMBRE\", \"C\", 80, 0], [\"COD\", \"C\", 10, 0], [\"NUM\", \"N\", 11, 0], "
              "[\"HORAS\", \"N\", 19, 4], [\"ESTAREA\", \"L\", 1, 0], "
              "[\"OFERTAMATRI\", \"C\", 20, 0]]\n"
              "[\"Educación Física y Ñandú\", \"DEMASIADO\", 2147483647, 4.0, true, \"6001\"]\n"
              "[\"\", \"\", null, null, null, \"\"]\n");
    // dbfread drops trailing blanks itself; the stored width is checked through our reader.
    const std::string bytes = test::readFile(dir / "MIXTA.DBF");
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x03);
    EXPECT_EQ(static_cast<unsigned char>(bytes[29]), 0x57);
    EXPECT_EQ(bytes.back(), '\x1A');
}

class ForeignTable : public ::testing::TestWithParam<const char*> {};

TEST_P(ForeignTable, ReadsTablesWrittenByAnotherProgramWithDeletedRowsHidden) {
    test::TempDir dir;
    const auto path = dir / "AJENA.DBF";
    const auto written = runPythonScript("write_dbf.py", {path.string(), GetParam()});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    Table table(dir.path(), "ajena");
    table.open();
    EXPECT_EQ(table.recordCount(), 2);
    EXPECT_EQ(codepage::cp1252ToUtf8(table.asText("NOMBRE")), "Educación Física");
    EXPECT_EQ(table.asInteger("HORAS"), 4);
    EXPECT_DOUBLE_EQ(table.asFloat("PESO"), 2.5);
    EXPECT_TRUE(table.asBoolean("ACTIVO"));
    table.next();
    EXPECT_EQ(codepage::cp1252ToUtf8(table.asText("NOMBRE")), "Música");
    EXPECT_DOUBLE_EQ(table.asFloat("PESO"), -1.25);
    EXPECT_FALSE(table.asBoolean("ACTIVO"));
    EXPECT_EQ(table.asInteger("HORAS"), 0);
    table.next();
    EXPECT_TRUE(table.eof());
    EXPECT_FALSE(table.locate("NOMBRE", {"Borrada"}));
}

INSTANTIATE_TEST_SUITE_P(DbaseAndFoxPro, ForeignTable, ::testing::Values("db3", "vfp"));

}  // namespace
}  // namespace quimbo::access
