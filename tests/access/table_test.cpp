#include "access/table.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "common/error.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"

namespace quimbo::access {
namespace {

const char* const kNotEditing = "La fuente de datos no está en modo de edición o inserción";

FieldDefinitions sampleFields() {
    return {textField("NOMBRE", 10), textField("CLAVE", 4), integerField("NUM"),
            floatField("HORAS"), logicalField("ACTIVO")};
}

class TableTest : public ::testing::Test {
  protected:
    void SetUp() override { recreateTable(dir.path(), "T", sampleFields()); }
    test::TempDir dir;
};

TEST_F(TableTest, StoresAndReadsEveryFieldType) {
    Table table(dir.path(), "T");
    table.open();
    table.append();
    table.setText("NOMBRE", "  con blancos  ");
    table.setInteger("NUM", -42);
    table.setFloat("HORAS", 4);
    table.setBoolean("ACTIVO", true);
    table.post();
    table.append();
    table.post();
    table.first();
    EXPECT_EQ(table.asText("NOMBRE"), "  con blan");  // cut to 10, leading blanks kept
    EXPECT_EQ(table.asText("nombre"), "  con blan");  // field names ignore case
    EXPECT_EQ(table.asInteger("NUM"), -42);
    EXPECT_EQ(table.asText("NUM"), "-42");
    EXPECT_EQ(table.asText("HORAS"), "4");
    EXPECT_DOUBLE_EQ(table.asFloat("HORAS"), 4.0);
    EXPECT_TRUE(table.asBoolean("ACTIVO"));
    table.next();
    EXPECT_FALSE(table.eof());
    EXPECT_EQ(table.asText("NOMBRE"), "");
    EXPECT_EQ(table.asInteger("NUM"), 0);  // an empty number reads as 0
    EXPECT_EQ(table.asText("ACTIVO"), "");
    EXPECT_FALSE(table.asBoolean("ACTIVO"));
    table.next();
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.recordCount(), 2);
}

TEST_F(TableTest, SettingAFieldWithoutPendingRowIsRefused) {
    Table table(dir.path(), "T");
    table.open();
    try {
        table.setText("NOMBRE", "x");
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), kNotEditing);
    }
    EXPECT_THROW(table.post(), Error);
}

TEST_F(TableTest, AppendStoresAPendingChangedRowAndCloseDropsAnUnstoredOne) {
    {
        Table table(dir.path(), "T");
        table.open();
        table.append();
        table.setText("NOMBRE", "uno");
        table.append();  // stores "uno"
        table.setText("NOMBRE", "dos");
        table.close();  // "dos" was never stored
    }
    EXPECT_EQ(test::readColumn(dir.path(), "T", "NOMBRE"), std::vector<std::string>{"uno"});
}

TEST_F(TableTest, EditChangesTheCurrentRowAndMovingStoresIt) {
    test::writeTable(dir.path(), "T", sampleFields(),
                     {{{"NOMBRE", "a"}}, {{"NOMBRE", "b"}}, {{"NOMBRE", "c"}}});
    Table table(dir.path(), "T");
    table.open();
    for (table.first(); !table.eof(); table.next()) {
        table.edit();
        table.setText("CLAVE", table.asText("NOMBRE") + "!");
    }
    table.close();
    EXPECT_EQ(test::readColumn(dir.path(), "T", "CLAVE"),
              (std::vector<std::string>{"a!", "b!", "c!"}));
}

TEST_F(TableTest, LocateFindsTheFirstMatchOnSeveralFields) {
    test::writeTable(dir.path(), "T", sampleFields(),
                     {{{"NOMBRE", "x"}, {"CLAVE", "1"}, {"NUM", "1"}},
                      {{"NOMBRE", "y"}, {"CLAVE", "2"}, {"NUM", "2"}},
                      {{"NOMBRE", "y"}, {"CLAVE", "2"}, {"NUM", "3"}},
                      {{"NOMBRE", "Y"}, {"CLAVE", "3"}, {"NUM", "4"}}});
    Table table(dir.path(), "T");
    table.open();
    EXPECT_TRUE(table.locate("NOMBRE;CLAVE", {"y", "2"}));
    EXPECT_EQ(table.asInteger("NUM"), 2);
    EXPECT_TRUE(table.locate("NOMBRE", {"y "}));  // trailing blanks are insignificant
    EXPECT_EQ(table.asInteger("NUM"), 2);
    EXPECT_TRUE(table.locate("NUM", {"4"}));
    EXPECT_EQ(table.asText("NOMBRE"), "Y");
    EXPECT_FALSE(table.locate("NOMBRE;CLAVE", {"Y", "2"}));  // case counts
    EXPECT_FALSE(table.locate("NOMBRE", {" y"}));            // leading blanks count
    EXPECT_THROW(table.locate("NOMBRE;CLAVE", {"y"}), Error);
    EXPECT_THROW(table.locate("FALTA", {"y"}), Error);
}

TEST_F(TableTest, FilterShowsOnlyMatchingRowsInStoredOrder) {
    test::writeTable(dir.path(), "T", sampleFields(),
                     {{{"NOMBRE", "O'B"}, {"NUM", "1"}},
                      {{"NOMBRE", "OB"}, {"NUM", "2"}},
                      {{"NOMBRE", "O'B"}, {"NUM", "3"}},
                      {{"NOMBRE", "O'BX"}, {"NUM", "4"}}});
    Table table(dir.path(), "T");
    table.open();
    table.setFilter(filterExpression("NOMBRE", "O'B"));
    EXPECT_EQ(filterExpression("NOMBRE", "O'B"), "NOMBRE= 'O''B'");
    table.setFiltered(true);
    std::vector<int> seen;
    for (table.first(); !table.eof(); table.next()) {
        seen.push_back(table.asInteger("NUM"));
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 3}));
    EXPECT_EQ(table.recordCount(), 2);
    table.setFiltered(false);
    EXPECT_EQ(table.recordCount(), 4);
}

TEST(TableFilter, ParsesQuotedValuesAndRefusesOtherForms) {
    EXPECT_EQ(parseFilter("PROF= 'O''B'").value, "O'B");
    EXPECT_EQ(parseFilter("prof='x y'").field, "PROF");
    EXPECT_EQ(parseFilter("PROF= ''").value, "");
    for (const char* bad : {"PROF 'x'", "PROF= x", "PROF= 'x", "= 'x'", "PROF= 'x' AND"}) {
        EXPECT_THROW(parseFilter(bad), Error) << bad;
    }
}

TEST_F(TableTest, ExclusiveOpenRefusesATableHeldByAnotherProgram) {
    const auto path = dir / "T.DBF";
    const int other = ::open(path.c_str(), O_RDWR);
    ASSERT_GE(other, 0);
    ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
    Table table(dir.path(), "T");
    try {
        table.open(OpenMode::Exclusive);
        FAIL() << "opened a locked table";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("en uso por otro programa"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("T.DBF"), std::string::npos);
    }
    ::close(other);
    EXPECT_NO_THROW(table.open(OpenMode::Exclusive));
}

TEST_F(TableTest, RecreationFindsOldFilesWithoutRegardToCase) {
    std::filesystem::rename(dir / "T.DBF", dir / "t.dbf");
    test::writeFile(dir / "t.mdx", "index");
    recreateTable(dir.path(), "T", {textField("OTRO", 3)});
    EXPECT_FALSE(std::filesystem::exists(dir / "t.dbf"));
    EXPECT_FALSE(std::filesystem::exists(dir / "t.mdx"));
    Table table(dir.path(), "T");
    table.open();
    ASSERT_EQ(table.fields().size(), 1U);
    EXPECT_EQ(table.fields()[0].name, "OTRO");
}

TEST_F(TableTest, MissingTableIsAClearError) {
    Table table(dir.path(), "FALTA");
    try {
        table.open();
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "No se encuentra la tabla " + (dir / "FALTA.DBF").string() + ".");
    }
}

TEST_F(TableTest, ReadingNumbersFromTextThatIsNotANumberRaisesTheConversionError) {
    test::writeTable(dir.path(), "T", sampleFields(), {{{"NOMBRE", "9a"}}});
    Table table(dir.path(), "T");
    table.open();
    try {
        table.asInteger("NOMBRE");
        FAIL();
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'9a' no es un valor entero válido");
    }
}

}  // namespace
}  // namespace quimbo::access
