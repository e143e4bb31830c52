#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "export/working_tables.hpp"
#include "support/seneca_builder.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"

namespace quimbo::test {

// The nine tables that the export run rebuilds, in its order.
inline constexpr const char* kWorkingTables[] = {"PERIODOS",  "CURSOST", "ASIGNOMT",
                                                 "ASIGNOMT2", "PROFT",   "AULAT",
                                                 "GRUPOST",   "ASIGT",   "DIASHORAST"};

// An exchange directory and a program directory with a reference table of the test's own.
struct ExportFixture {
    TempDir qtemp;
    TempDir program;

    explicit ExportFixture(const std::vector<Row>& reference = {}) {
        writeTable(program.path(), "SENEMATERIAS",
                   {access::textField("NOMBRE", 80), access::textField("COD", 10),
                    access::textField("CODLARGO", 10)},
                   reference);
    }
    std::vector<Row> rows(const std::string& table) const { return readRows(qtemp.path(), table); }
    std::vector<std::string> column(const std::string& table, const std::string& field) const {
        return readColumn(qtemp.path(), table, field);
    }
};

// A MATERIAS record in the usual order: offer, name, identifier.
inline Registro materia(const std::string& oferta, const std::string& nombre,
                        const std::string& id) {
    return {{"X_OFERTAMATRIG", oferta}, {"D_MATERIAC", nombre}, {"X_MATERIAOMG", id}};
}

}  // namespace quimbo::test
