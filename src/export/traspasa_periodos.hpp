#pragma once

#include <filesystem>

#include "access/xml_document.hpp"

namespace quimbo::exporta {

// Rebuilds PERIODOS from the first two top-level groups (year, start, end), taking the dates of
// the first time frame when a date is missing.
void TraspasaPeriodos(const access::XmlDocument& document, const std::filesystem::path& qtemp);

}  // namespace quimbo::exporta
