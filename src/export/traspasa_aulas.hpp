#pragma once

#include <filesystem>

#include "access/xml_document.hpp"

namespace quimbo::exporta {

// Rebuilds AULAT from DEPENDENCIAS: the room identifier is its own abbreviation.
void TraspasaAulas(const access::XmlDocument& document, const std::filesystem::path& qtemp);

}  // namespace quimbo::exporta
