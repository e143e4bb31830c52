// A stand-in for Tempario's timetable solution, for the sample school and for tests: reads the
// working tables in an exchange directory and writes a plausible SOLUC.DBF. Every ASIGT row is
// placed once per lesson of its SESIONES on distinct slots of one teacher (teachers taken in
// turn), each teacher also gets two duty activities, and a few rows stay unplaced (day 0).
// This is demo and test equipment, not part of the product.
#include <iostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "access/table.hpp"
#include "export/working_tables.hpp"

namespace {

using quimbo::access::Table;

struct Slot {
    int dia;
    int hora;
    std::string marco;
};

struct Row {
    std::string prof;
    int dia = 0;
    int hora = 0;
    std::string marco;
    std::string asig;
    std::string grupo;
    std::string tarea;
    std::string aula;
};

std::vector<std::string> column(Table& table, const char* field) {
    std::vector<std::string> values;
    for (table.first(); !table.eof(); table.next()) {
        values.push_back(table.asText(field));
    }
    return values;
}

std::vector<Slot> readSlots(Table& tramos) {
    std::vector<Slot> slots;
    for (tramos.first(); !tramos.eof(); tramos.next()) {
        if (tramos.asText("MARCO") == "0") {
            slots.push_back({tramos.asInteger("DIA"), tramos.asInteger("HORA"), "0"});
        }
    }
    return slots;
}

void writeSoluc(const std::filesystem::path& qtemp, const std::vector<Row>& rows) {
    using namespace quimbo::access;
    recreateTable(qtemp, "SOLUC",
                  {textField("PROF", 10), integerField("DIA"), integerField("HORA"),
                   textField("MARCO", 1), textField("ASIG", 10), textField("CODGRUPO", 10),
                   textField("TAREA", 10), textField("AULA", 10)});
    Table soluc(qtemp, "SOLUC");
    soluc.open(OpenMode::Exclusive);
    for (const Row& row : rows) {
        soluc.append();
        soluc.setText("PROF", row.prof);
        soluc.setInteger("DIA", row.dia);
        soluc.setInteger("HORA", row.hora);
        soluc.setText("MARCO", row.marco);
        soluc.setText("ASIG", row.asig);
        soluc.setText("CODGRUPO", row.grupo);
        soluc.setText("TAREA", row.tarea);
        soluc.setText("AULA", row.aula);
        soluc.post();
    }
    soluc.close();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "uso: soluc_simulada CARPETA_QTEMP\n";
        return 2;
    }
    try {
        const std::filesystem::path qtemp(argv[1]);
        Table proft(qtemp, quimbo::tables::kProfesores);
        Table asigt(qtemp, quimbo::tables::kAsignaciones);
        Table tramos(qtemp, quimbo::tables::kTramos);
        Table aulat(qtemp, quimbo::tables::kAulas);
        Table asignomt(qtemp, quimbo::tables::kAsignaturas);
        for (Table* table : {&proft, &asigt, &tramos, &aulat, &asignomt}) {
            table->open();
        }
        const auto teachers = column(proft, "ABREV");
        const auto rooms = column(aulat, "ABREV");
        const auto slots = readSlots(tramos);
        std::vector<std::string> activities;
        for (asignomt.first(); !asignomt.eof(); asignomt.next()) {
            if (asignomt.asBoolean("ESTAREA")) {
                activities.push_back(asignomt.asText("COD"));
            }
        }
        if (teachers.empty() || slots.empty()) {
            throw std::runtime_error("Faltan profesores o tramos en " + qtemp.string());
        }

        std::set<std::tuple<std::string, int, int>> busy;  // (teacher or unit, day, period)
        std::vector<Row> rows;
        std::size_t turn = 0;
        std::size_t lesson = 0;
        for (asigt.first(); !asigt.eof(); asigt.next(), ++turn) {
            const std::string teacher = teachers[turn % teachers.size()];
            const std::string unit = asigt.asText("CGRUP");
            const std::size_t lessons = asigt.asText("SESIONES").size();
            std::size_t placed = 0;
            for (std::size_t s = 0; s < slots.size() && placed < lessons; ++s) {
                const Slot& slot = slots[(s + turn * 3) % slots.size()];
                if (busy.contains({teacher, slot.dia, slot.hora}) ||
                    busy.contains({"#" + unit, slot.dia, slot.hora})) {
                    continue;
                }
                busy.insert({teacher, slot.dia, slot.hora});
                busy.insert({"#" + unit, slot.dia, slot.hora});
                const std::string room = (lesson % 7 == 6 || rooms.empty())
                                             ? std::string()
                                             : rooms[lesson % rooms.size()];
                rows.push_back({teacher, slot.dia, slot.hora, slot.marco, asigt.asText("CASIG"),
                                unit, "", room});
                ++placed;
                ++lesson;
            }
        }
        for (std::size_t t = 0; t < teachers.size() && !activities.empty(); ++t) {
            int duties = 0;
            for (const Slot& slot : slots) {
                if (duties == 2) {
                    break;
                }
                if (!busy.contains({teachers[t], slot.dia, slot.hora})) {
                    busy.insert({teachers[t], slot.dia, slot.hora});
                    rows.push_back(
                        {teachers[t], slot.dia, slot.hora, slot.marco,
                         activities[(t + static_cast<std::size_t>(duties)) % activities.size()], "",
                         "", ""});
                    ++duties;
                }
            }
            if (t % 10 == 3) {
                rows.push_back({teachers[t], 0, 0, "0", activities[0], "", "", ""});
            }
        }
        for (Table* table : {&proft, &asigt, &tramos, &aulat, &asignomt}) {
            table->close();
        }
        writeSoluc(qtemp, rows);
        std::cout << "SOLUC.DBF: " << rows.size() << " filas en " << qtemp.string() << "\n";
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
