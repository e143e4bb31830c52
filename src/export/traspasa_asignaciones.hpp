#pragma once

#include <filesystem>

#include "access/xml_document.hpp"
#include "common/lookup_strategy.hpp"

namespace quimbo::exporta {

// Rebuilds ASIGT: for every MATERIAS record whose name has a code in ASIGNOMT, one row for each
// GRUPOST unit of its course offer, with four one-hour lessons a week.
void TraspasaAsignaciones(const access::XmlDocument& document, const std::filesystem::path& qtemp,
                          LookupStrategy strategy = LookupStrategy::Indexed);

}  // namespace quimbo::exporta
