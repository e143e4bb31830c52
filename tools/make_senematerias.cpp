// Builds SENEMATERIAS.DBF, the subject reference table shipped beside the program, from its
// UTF-8 source: one line per subject, "NOMBRE;COD;CODLARGO", the first line naming the columns.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "access/table.hpp"
#include "common/error.hpp"
#include "text/codepage.hpp"

namespace {

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t semicolon = line.find(';', start);
        fields.push_back(line.substr(start, semicolon - start));
        if (semicolon == std::string::npos) {
            return fields;
        }
        start = semicolon + 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "uso: make_senematerias ORIGEN.csv DESTINO.DBF\n";
        return 2;
    }
    try {
        std::ifstream source(argv[1]);
        if (!source) {
            throw quimbo::Error(std::string("No se puede leer ") + argv[1]);
        }
        const std::filesystem::path target(argv[2]);
        const std::filesystem::path temporary = target.string() + ".tmp";
        quimbo::access::Table table(temporary.parent_path(), temporary.filename().string());
        table.create({quimbo::access::textField("NOMBRE", 80), quimbo::access::textField("COD", 10),
                      quimbo::access::textField("CODLARGO", 10)});
        table.open(quimbo::access::OpenMode::Exclusive);
        std::string line;
        std::getline(source, line);  // column names
        int lineNumber = 1;
        while (std::getline(source, line)) {
            ++lineNumber;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (line.empty() || line[0] == '#') {
                continue;
            }
            const auto fields = splitFields(line);
            if (fields.size() != 3) {
                throw quimbo::Error(std::string(argv[1]) + ":" + std::to_string(lineNumber) +
                                    ": se esperan tres columnas");
            }
            table.append();
            table.setText("NOMBRE", quimbo::codepage::utf8ToCp1252(fields[0]));
            table.setText("COD", quimbo::codepage::utf8ToCp1252(fields[1]));
            table.setText("CODLARGO", quimbo::codepage::utf8ToCp1252(fields[2]));
            table.post();
        }
        table.close();
        std::filesystem::rename(temporary, target);
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
