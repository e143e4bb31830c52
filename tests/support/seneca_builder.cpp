#include "support/seneca_builder.hpp"

#include <stdexcept>

namespace quimbo::test {

namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string datos(const Registro& values) {
    std::string out;
    for (const auto& [name, value] : values) {
        out += "<dato nombre_dato=\"" + escaped(name) + "\">" + escaped(value) + "</dato>";
    }
    return out;
}

}  // namespace

SenecaBuilder::SenecaBuilder() = default;

SenecaBuilder& SenecaBuilder::valueGroup(const std::string& seq, const Registro& values) {
    body_ += "<grupo_datos seq=\"" + seq + "\">" + datos(values) + "</grupo_datos>\n";
    return *this;
}

SenecaBuilder& SenecaBuilder::group(const std::string& seq, const std::vector<Registro>& records) {
    body_ += "<grupo_datos seq=\"" + seq + "\">\n";
    for (const Registro& record : records) {
        body_ += "<grupo_datos>" + datos(record) + "</grupo_datos>\n";
    }
    body_ += "</grupo_datos>\n";
    return *this;
}

SenecaBuilder& SenecaBuilder::raw(const std::string& markup) {
    body_ += markup;
    return *this;
}

std::string SenecaBuilder::xml(const std::string& declaration) const {
    return declaration + "\n<SERVICIO modulo=\"EXPORTACION\" tipo=\"E\">\n<BLOQUE_DATOS>\n" +
           body_ + "</BLOQUE_DATOS>\n</SERVICIO>\n";
}

std::unique_ptr<access::XmlDocument> SenecaBuilder::document() const {
    return parse(xml());
}

SenecaBuilder withSchoolYear() {
    SenecaBuilder builder;
    builder.valueGroup("ANNO_ACADEMICO",
                       {{"C_ANNO", "2026"}, {"F_INICIO", "15/09/2026"}, {"F_FIN", "22/06/2027"}});
    return builder;
}

SenecaBuilder miniatureSchool(const std::string& room) {
    return withSchoolYear()
        .group("CURSOS_DEL_CENTRO", {{{"X", "6001"}, {"D", "1º ESO"}}})
        .group("MATERIAS", {{{"X_OFERTAMATRIG", "6001"},
                             {"D_MATERIAC", "Lengua Castellana y Literatura"},
                             {"X_MATERIAOMG", "400000"}}})
        .group("ACTIVIDADES", {{{"T", "N"}, {"X", "1"}, {"D", "Guardia"}}})
        .group("EMPLEADOS", {{{"X", "100"},
                              {"F", "01/09/2010"},
                              {"D", "Lengua"},
                              {"N", "Juan"},
                              {"A", "García"},
                              {"B", "Pérez"}}})
        .group("DEPENDENCIAS", {{{"X", room}, {"D", "Aula " + room}}})
        .group("UNIDADES", {{{"X", "700000"}, {"N", "1º A"}, {"C", "6001"}}})
        .group("JORNADAS_ESCOLARES", {{{"X", "M"}, {"D", "Mañana"}, {"A", "a"}, {"B", "b"}}})
        .group("TRAMOS_HORARIOS",
               {{{"X", "101"}, {"D", "1ª"}, {"I", "480"}, {"F", "540"}, {"J", "M"}}});
}

std::unique_ptr<access::XmlDocument> parse(const std::string& xml) {
    auto document = std::make_unique<access::XmlDocument>();
    if (!document->loadFromMemory(xml).wellFormed) {
        throw std::runtime_error("test document is not well-formed:\n" + xml);
    }
    return document;
}

}  // namespace quimbo::test
