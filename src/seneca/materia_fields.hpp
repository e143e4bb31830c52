#pragma once

#include <string>

#include "seneca/exchange_document.hpp"

namespace quimbo::seneca {

// A MATERIAS record read by its layout: the course offer at position 0, and the subject's name
// and identifier at positions 1 and 2 in either order, told apart by the `nombre_dato` that
// opens each dato's markup. All three values are trimmed; a missing one is empty.
struct MateriaFields {
    std::string oferta;
    std::string nombre;
    std::string identificador;
};

MateriaFields readMateria(const Record& record);

// True when the markup, trimmed, holds `name` from its 20th character on (the value of the first
// attribute of `<dato nombre_dato="`).
bool markupNames(const std::string& markup, const std::string& name);

}  // namespace quimbo::seneca
