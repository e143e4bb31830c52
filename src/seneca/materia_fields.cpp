#include "seneca/materia_fields.hpp"

#include "text/clipper.hpp"

namespace quimbo::seneca {

namespace {
constexpr std::size_t kValueStart = 19;  // `<dato nombre_dato="` stands before the value
}

bool markupNames(const std::string& markup, const std::string& name) {
    const std::string trimmed = clipper::AllTrim(markup);
    return trimmed.size() >= kValueStart && trimmed.compare(kValueStart, name.size(), name) == 0;
}

MateriaFields readMateria(const Record& record) {
    MateriaFields fields;
    fields.oferta = record.value(0);
    if (markupNames(record.markup(2), "X_MATERIAOMG")) {
        fields.identificador = record.value(2);
    } else {
        fields.nombre = record.value(2);
    }
    if (markupNames(record.markup(1), "D_MATERIAC")) {
        fields.nombre = record.value(1);
    } else {
        fields.identificador = record.value(1);
    }
    return fields;
}

}  // namespace quimbo::seneca
