// The batch tool's answers: a --niveles CSV and a --marcos option, from arbitrary bytes.
#include <cstdint>

#include "cli/csv.hpp"
#include "cli/marcos_option.hpp"
#include "cli/niveles_answers.hpp"
#include "common/error.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quimbo;
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        cli::parseNivelesCsv(text, "fuzz.csv");
    } catch (const Error&) {
    }
    try {
        for (const auto& row : cli::parseCsv(text)) {
            for (const std::string& field : row) {
                // What csvField writes, parseCsv reads back as the same single field.
                if (cli::parseCsv(cli::csvField(field)) !=
                        std::vector<std::vector<std::string>>{{field}} &&
                    !field.empty()) {
                    __builtin_trap();
                }
            }
        }
    } catch (const Error&) {
    }
    try {
        cli::selectionForMarcos(text, {{"M", "", "", ""}, {"T", "", "", ""}, {" X ", "", "", ""}});
    } catch (const Error&) {
    }
    return 0;
}
