#pragma once

#include <string>

#include "access/table.hpp"
#include "access/xml_document.hpp"
#include "common/lookup_strategy.hpp"

namespace quimbo::horario {

// The open tables that the teacher timetables read.
struct TablasHorario {
    access::Table& soluc;
    access::Table& proft;
    access::Table& asigt;
    access::Table& asignomt;
    access::Table& diashorast;
    access::Table& grupost;
    access::Table& asignomt2;
};

// Appends to HORARIOS_REGULARES one group per PROFT row, each with one ACTIVIDAD group per
// placed SOLUC row of that teacher (DIA not 0), Tempario's codes translated into Séneca's keys.
// `fInicio` and `fFin` are the school year's dates (Windows-1252).
void EscribeHorariosRegulares(access::XmlDocument& document, access::XmlNode horariosRegulares,
                              const std::string& fInicio, const std::string& fFin,
                              TablasHorario& tablas,
                              LookupStrategy strategy = LookupStrategy::Indexed);

}  // namespace quimbo::horario
