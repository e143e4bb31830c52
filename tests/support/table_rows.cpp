#include "support/table_rows.hpp"

#include "access/table.hpp"
#include "text/codepage.hpp"

namespace quimbo::test {

std::vector<Row> readRows(const std::filesystem::path& directory, const std::string& name) {
    access::Table table(directory, name);
    table.open();
    std::vector<Row> rows;
    for (table.first(); !table.eof(); table.next()) {
        Row row;
        for (const access::DbfField& field : table.fields()) {
            if (!field.hidden) {
                row[field.name] = codepage::cp1252ToUtf8(table.asText(field.name));
            }
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> readColumn(const std::filesystem::path& directory,
                                    const std::string& table, const std::string& field) {
    std::vector<std::string> values;
    for (const Row& row : readRows(directory, table)) {
        values.push_back(row.at(field));
    }
    return values;
}

void writeTable(const std::filesystem::path& directory, const std::string& name,
                const access::FieldDefinitions& fields, const std::vector<Row>& rows) {
    access::recreateTable(directory, name, fields);
    access::Table table(directory, name);
    table.open();
    for (const Row& row : rows) {
        table.append();
        for (const auto& [field, value] : row) {
            table.setText(field, codepage::utf8ToCp1252(value));
        }
        table.post();
    }
    table.close();
}

}  // namespace quimbo::test
