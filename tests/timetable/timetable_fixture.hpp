#pragma once

#include <vector>

#include "access/field_definition.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"
#include "timetable/escribe_horarios_regulares.hpp"

namespace quimbo::test {

// SOLUC as Tempario writes it, as far as the timetable export reads it.
inline access::FieldDefinitions solucFields() {
    using namespace access;
    return {textField("PROF", 10),  integerField("DIA"),   integerField("HORA"),
            textField("MARCO", 1),  textField("ASIG", 10), textField("CODGRUPO", 10),
            textField("TAREA", 10), textField("AULA", 10)};
}

// A small school's working tables, written as the export steps leave them.
struct SmallSchool {
    std::vector<Row> proft = {
        {{"ABREV", "JGP"},
         {"NOMBRE", "Juan García Pérez"},
         {"X_EMPLEADO", "100"},
         {"F_TOMAPOS", "01/09/2010"}},
        {{"ABREV", "O'B"},
         {"NOMBRE", "Olga O'Brien"},
         {"X_EMPLEADO", "200"},
         {"F_TOMAPOS", "01/09/2015"}},
        {{"ABREV", "SIN"},
         {"NOMBRE", "Sin Horario"},
         {"X_EMPLEADO", "300"},
         {"F_TOMAPOS", "01/09/2020"}},
    };
    std::vector<Row> asigt = {
        {{"CASIG", "MAT"}, {"CGRUP", "ESO1A"}, {"CLAVE", "400013"}, {"CLAVECURSO", "6001"}},
        {{"CASIG", "LCL"}, {"CGRUP", "ESO1A"}, {"CLAVE", "400000"}, {"CLAVECURSO", ""}},
    };
    std::vector<Row> asignomt = {
        {{"COD", "MAT"}, {"NOMBRE", "Matemáticas"}},
        {{"COD", "ING"}, {"NOMBRE", "Inglés"}},
        {{"COD", "GUA"}, {"NOMBRE", "Guardia"}, {"CODTAREA", "G7"}, {"ESTAREA", "T"}},
    };
    std::vector<Row> asignomt2 = {
        {{"COD", "ING"}, {"OFERTAMATRI", "6002"}, {"MATERIA", "999"}},
        {{"COD", "ING"}, {"OFERTAMATRI", "6001"}, {"MATERIA", "400039"}},
    };
    std::vector<Row> diashorast = {
        {{"DIHO", "11"},
         {"CODDIHO", "101"},
         {"DIA", "1"},
         {"HORA", "1"},
         {"HORADESDE", "08:00"},
         {"HORAHASTA", "09:00"},
         {"MARCO", "0"}},
        {{"DIHO", "12"},
         {"CODDIHO", "102"},
         {"DIA", "1"},
         {"HORA", "2"},
         {"HORADESDE", "09:00"},
         {"HORAHASTA", "10:00"},
         {"MARCO", "0"}},
        {{"DIHO", "11"},
         {"CODDIHO", "201"},
         {"DIA", "1"},
         {"HORA", "1"},
         {"HORADESDE", "16:00"},
         {"HORAHASTA", "17:00"},
         {"MARCO", "1"}},
        {{"DIHO", "25"},
         {"CODDIHO", "105"},
         {"DIA", "2"},
         {"HORA", "5"},
         {"HORADESDE", "12:30"},
         {"HORAHASTA", "13:30"},
         {"MARCO", "0"}},
    };
    std::vector<Row> grupost = {
        {{"ABREV", "ESO1A"}, {"CLAVE", "700000"}, {"CLAVECURSO", "6001"}},
        {{"ABREV", "ESO1A"}, {"CLAVE", "otra"}, {"CLAVECURSO", "otra"}},
    };
    std::vector<Row> soluc = {
        // JGP: a subject with its ASIGT pair, then one unplaced row, then a subject whose pair
        // has no course key, then an activity, then a slot of no DIASHORAST row.
        {{"PROF", "JGP"},
         {"DIA", "1"},
         {"HORA", "1"},
         {"MARCO", "0"},
         {"ASIG", "MAT"},
         {"CODGRUPO", "ESO1A"},
         {"AULA", "A01"}},
        {{"PROF", "JGP"}, {"DIA", "0"}, {"HORA", "0"}, {"MARCO", "0"}, {"ASIG", "MAT"}},
        {{"PROF", "O'B"},
         {"DIA", "1"},
         {"HORA", "1"},
         {"MARCO", "1"},
         {"ASIG", "ING"},
         {"CODGRUPO", "ESO1A"},
         {"TAREA", "  T1"}},
        {{"PROF", "JGP"},
         {"DIA", "1"},
         {"HORA", "2"},
         {"MARCO", "0"},
         {"ASIG", "LCL"},
         {"CODGRUPO", "ESO1A"},
         {"AULA", "   "}},
        {{"PROF", "JGP"}, {"DIA", "2"}, {"HORA", "5"}, {"MARCO", "0"}, {"ASIG", "GUA"}},
        {{"PROF", "JGP"},
         {"DIA", "3"},
         {"HORA", "9"},
         {"MARCO", "1"},
         {"ASIG", "XXX"},
         {"CODGRUPO", "NADA"}},
        {{"PROF", "OB"}, {"DIA", "1"}, {"HORA", "1"}, {"MARCO", "0"}, {"ASIG", "MAT"}},
    };

    void write(const std::filesystem::path& qtemp) const;
};

// The seven tables the teacher timetables read, open for as long as the object lives.
struct OpenTimetableTables {
    explicit OpenTimetableTables(const std::filesystem::path& qtemp);
    access::Table soluc, proft, asigt, asignomt, diashorast, grupost, asignomt2;
    horario::TablasHorario tablas{soluc, proft, asigt, asignomt, diashorast, grupost, asignomt2};
};

}  // namespace quimbo::test
