#pragma once

#include <string>

#include "timetable/timetable_lookups.hpp"

namespace quimbo::horario {

// The values of one activity of the HORARIOS document, translated from a placed SOLUC row.
struct Actividad {
    std::string dia;
    std::string tramo;
    std::string desde;
    std::string hasta;
    std::string aula;
    std::string unidad;
    std::string oferta;
    std::string materia;
    std::string actividad;
    bool tramoEncontrado = false;      // a DIASHORAST row for the slot key and frame
    bool unidadEncontrada = false;     // a GRUPOST row for the unit's abbreviation
    bool actividadPorDefecto = false;  // X_ACTIVIDAD is the default "1": a teaching row
};

// The translation of a row with every look-up and fallback; the timetable export and its review
// both use it, so that they can never disagree.
Actividad translate(const SolucRow& row, TimetableLookups& lookups);

}  // namespace quimbo::horario
