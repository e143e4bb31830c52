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

std::unique_ptr<access::XmlDocument> parse(const std::string& xml) {
    auto document = std::make_unique<access::XmlDocument>();
    if (!document->loadFromMemory(xml).wellFormed) {
        throw std::runtime_error("test document is not well-formed:\n" + xml);
    }
    return document;
}

}  // namespace quimbo::test
