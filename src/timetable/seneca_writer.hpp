#pragma once

#include <string>

#include "access/xml_document.hpp"

namespace quimbo::horario {

// Builders of the elements of a Séneca document. Values are Windows-1252 text.
access::XmlNode grupoDatos(access::XmlDocument& document, const std::string& seq);

// Appends `<dato nombre_dato="name">value</dato>` to `parent`; an empty value has no content.
void appendDato(access::XmlDocument& document, access::XmlNode parent, const std::string& name,
                const std::string& valueCp1252);

}  // namespace quimbo::horario
