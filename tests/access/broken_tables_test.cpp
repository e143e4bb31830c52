#include <gtest/gtest.h>

#include <functional>

#include "access/dbf_layout.hpp"
#include "access/table.hpp"
#include "common/error.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"

namespace quimbo::access {
namespace {

// A sound two-field, two-row table to break: header 32 + 2×32 + 1 = 97 bytes, records of 9.
std::string soundTable(const test::TempDir& dir) {
    test::writeTable(dir.path(), "BUENA", {textField("A", 5), integerField("N")},
                     {{{"A", "uno"}, {"N", "1"}}, {{"A", "dos"}, {"N", "2"}}});
    return test::readFile(dir / "BUENA.DBF");
}

void setLe16(std::string& bytes, std::size_t at, unsigned value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

void setLe32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

struct BrokenCase {
    const char* what;
    std::function<void(std::string&)> breakIt;
    const char* message;  // a part of the error the user reads
};

TEST(BrokenTables, EachGivesAClearErrorNamingTheTable) {
    const BrokenCase cases[] = {
        {"zero bytes", [](std::string& b) { b.clear(); }, "demasiado corto"},
        {"cut inside the header", [](std::string& b) { b.resize(20); }, "demasiado corto"},
        {"cut inside the field list", [](std::string& b) { b.resize(60); },
         "cabecera es más larga que el archivo"},
        {"cut in the middle of a record", [](std::string& b) { b.resize(97 + 9 + 4); },
         "incompleto"},
        {"more rows announced than stored", [](std::string& b) { setLe32(b, 4, 3); }, "incompleto"},
        {"absurd row count", [](std::string& b) { setLe32(b, 4, 0xFFFFFFFF); }, "incompleto"},
        {"header length beyond the file", [](std::string& b) { setLe16(b, 8, 60000); },
         "cabecera es más larga"},
        {"header length too small", [](std::string& b) { setLe16(b, 8, 10); },
         "longitud de la cabecera"},
        {"record length disagrees with the fields", [](std::string& b) { setLe16(b, 10, 12); },
         "longitud de registro"},
        {"field of width 0", [](std::string& b) { b[32 + 16] = 0; }, "anchura 0"},
        {"field without a name", [](std::string& b) { b[32] = 0; }, "no tiene nombre"},
        {"missing terminator", [](std::string& b) { b[96] = 'X'; }, "final de la lista"},
        {"record length 0", [](std::string& b) { setLe16(b, 10, 0); }, "longitud de registro"},
        {"second field of width 0", [](std::string& b) { b[64 + 16] = 0; }, "anchura 0"},
        {"header length short of the terminator", [](std::string& b) { setLe16(b, 8, 64); },
         "final de la lista"},
        {"header length inside a descriptor", [](std::string& b) { setLe16(b, 8, 80); },
         "final de la lista"},
        {"rows announced past 32 GiB of records", [](std::string& b) { setLe32(b, 4, 0x7FFFFFFF); },
         "incompleto"},
        {"no field at all",
         [](std::string& b) {
             b[32] = 0x0D;
             setLe16(b, 8, 33);
         },
         "ningún campo"},
    };
    test::TempDir dir;
    const std::string sound = soundTable(dir);
    for (const BrokenCase& c : cases) {
        std::string bytes = sound;
        c.breakIt(bytes);
        test::writeFile(dir / "ROTA.DBF", bytes);
        Table table(dir.path(), "ROTA");
        try {
            table.open();
            ADD_FAILURE() << c.what << ": opened";
        } catch (const Error& error) {
            const std::string text = error.what();
            EXPECT_NE(text.find(c.message), std::string::npos) << c.what << ": " << text;
            EXPECT_NE(text.find("ROTA.DBF"), std::string::npos) << c.what << ": " << text;
        }
        EXPECT_FALSE(table.isOpen()) << c.what;
    }
}

TEST(OddTables, ReadAsTheyStand) {
    struct OddCase {
        const char* what;
        std::function<void(std::string&)> change;
        std::function<void(Table&)> check;
    };
    const OddCase cases[] = {
        {"unknown version byte", [](std::string& b) { b[0] = '\x7F'; },
         [](Table& t) { EXPECT_EQ(t.asText("A"), "uno"); }},
        {"no end-of-file marker", [](std::string& b) { b.pop_back(); },
         [](Table& t) { EXPECT_EQ(t.recordCount(), 2); }},
        {"bytes after the last row", [](std::string& b) { b += "basura"; },
         [](Table& t) { EXPECT_EQ(t.recordCount(), 2); }},
        {"a deletion flag that is neither blank nor *", [](std::string& b) { b[97] = 'x'; },
         [](Table& t) { EXPECT_EQ(t.recordCount(), 2); }},
        {"a deleted row", [](std::string& b) { b[97] = '*'; },
         [](Table& t) { EXPECT_EQ(t.asText("A"), "dos"); }},
        {"a field name filling its 11 bytes",
         [](std::string& b) { b.replace(32, 11, "NOMBRELARGO"); },
         [](Table& t) { EXPECT_EQ(t.fields().front().name, "NOMBRELARGO"); }},
    };
    test::TempDir dir;
    const std::string sound = soundTable(dir);
    for (const OddCase& c : cases) {
        std::string bytes = sound;
        c.change(bytes);
        test::writeFile(dir / "RARA.DBF", bytes);
        Table table(dir.path(), "RARA");
        ASSERT_NO_THROW(table.open()) << c.what;
        c.check(table);
    }
}

TEST(OddTables, WideTextAndOddLogicalsReadSafely) {
    test::TempDir dir;
    test::writeTable(dir.path(), "ANCHA", {textField("T", 254), logicalField("L")},
                     {{{"T", std::string(254, 'a')}, {"L", "T"}}});
    std::string bytes = test::readFile(dir / "ANCHA.DBF");
    bytes[32 + 16] = '\xFF';  // width 255, one more than dBase allows
    bytes[10] = static_cast<char>(1 + 255 + 1);
    bytes[11] = 1;  // record length 257
    bytes.insert(bytes.size() - 2, " ");
    bytes[bytes.size() - 2] = '?';  // a logical holding "?"
    test::writeFile(dir / "ANCHA.DBF", bytes);
    Table table(dir.path(), "ANCHA");
    table.open();
    EXPECT_EQ(table.asText("T").size(), 254U);
    EXPECT_EQ(table.asText("L"), "");
    EXPECT_FALSE(table.asBoolean("L"));
}

TEST(BrokenTables, ValuesThatDoNotFitTheirTypeReadSafely) {
    test::TempDir dir;
    std::string bytes = soundTable(dir);
    bytes.replace(97 + 1 + 5, 11, "        abc");  // letters in the numeric field of row 1
    test::writeFile(dir / "ROTA.DBF", bytes);
    Table table(dir.path(), "ROTA");
    table.open();
    EXPECT_EQ(table.asText("N"), "abc");
    EXPECT_THROW(table.asInteger("N"), Error);
    table.next();
    EXPECT_EQ(table.asInteger("N"), 2);
}

TEST(BrokenTables, ADirectoryWhereTheTableShouldBeIsAClearError) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "CARPETA.DBF");
    Table table(dir.path(), "CARPETA");
    try {
        table.open();
        FAIL();
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("es una carpeta"), std::string::npos);
    }
}

}  // namespace
}  // namespace quimbo::access
