#pragma once

#include <string>

#include "access/table.hpp"

namespace quimbo::exporta {

// What the course level and grade dialog leaves after it has closed.
struct CourseDialogResult {
    bool datosIncompletos = false;  // its last check found a course without level or grade
    bool salidaForzada = false;     // the user forced the exit ("fuera")
};

// The course dialog as the courses step sees it: shown modally over CURSOST, which it edits.
class CourseDialog {
  public:
    virtual ~CourseDialog() = default;
    // `reintento` is true from the second showing on (the forced exit is then offered).
    virtual CourseDialogResult show(bool reintento) = 0;
};

// True when nothing is left of `value` once characters of code 32 or below are removed.
bool faltaValor(const std::string& value);

// The check behind "Aceptar": true when some CURSOST row, scanned from the first, has a NIVEL
// or a CURSO that is empty once characters of code 32 or below are removed at both ends.
bool faltaAlgunDato(access::Table& cursos);

}  // namespace quimbo::exporta
