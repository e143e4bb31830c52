#include "export/course_dialog.hpp"

#include <string>

namespace quimbo::exporta {

bool faltaValor(const std::string& value) {
    for (char c : value) {
        if (static_cast<unsigned char>(c) > 32) {
            return false;
        }
    }
    return true;
}

bool faltaAlgunDato(access::Table& cursos) {
    for (cursos.first(); !cursos.eof(); cursos.next()) {
        if (faltaValor(cursos.asText("NIVEL")) || faltaValor(cursos.asText("CURSO"))) {
            return true;
        }
    }
    return false;
}

}  // namespace quimbo::exporta
