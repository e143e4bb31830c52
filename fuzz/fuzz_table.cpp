// Arbitrary bytes opened and scanned as a .DBF: every field read every way, filter and locate.
#include <cstdint>

#include "access/table.hpp"
#include "common/error.hpp"
#include "fuzz/fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quimbo;
    const auto dir = fuzz::scratch() / "table";
    std::filesystem::create_directories(dir);
    fuzz::writeBytes(dir / "T.DBF", data, size);
    try {
        access::Table table(dir, "T");
        table.open();
        std::vector<std::string> firstValues;
        int rows = 0;
        for (table.first(); !table.eof() && rows < 1000; table.next(), ++rows) {
            for (const auto& field : table.fields()) {
                if (field.hidden) {
                    continue;
                }
                const std::string text = table.asText(field.name);
                if (rows == 0) {
                    firstValues.push_back(text);
                }
                try {
                    table.asInteger(field.name);
                } catch (const Error&) {
                }
                try {
                    table.asFloat(field.name);
                } catch (const Error&) {
                }
                table.asBoolean(field.name);
            }
        }
        std::string names;
        for (const auto& field : table.fields()) {
            if (!field.hidden) {
                names += names.empty() ? field.name : ";" + field.name;
            }
        }
        if (!firstValues.empty()) {
            table.locate(names, firstValues);
            const auto& key = table.fields().front();
            if (!key.hidden) {
                table.setFilter(access::filterExpression(key.name, firstValues.front()));
                table.setFiltered(true);
                table.recordCount();
            }
        }
        table.close();
    } catch (const Error&) {
        // A clear message is the expected answer to a broken table.
    }
    return 0;
}
