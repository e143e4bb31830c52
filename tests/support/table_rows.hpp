#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "access/field_definition.hpp"

namespace quimbo::test {

// Every visible row of a table, each field read as text (UTF-8), through our engine.
using Row = std::map<std::string, std::string>;
std::vector<Row> readRows(const std::filesystem::path& directory, const std::string& table);

// One column of a table, in row order.
std::vector<std::string> readColumn(const std::filesystem::path& directory,
                                    const std::string& table, const std::string& field);

// Creates a table with the given fields and rows (values UTF-8, set as text).
void writeTable(const std::filesystem::path& directory, const std::string& table,
                const access::FieldDefinitions& fields, const std::vector<Row>& rows);

}  // namespace quimbo::test
