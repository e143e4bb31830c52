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
