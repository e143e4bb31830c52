#pragma once

#include <filesystem>

#include "access/xml_document.hpp"
#include "common/lookup_strategy.hpp"

namespace quimbo::exporta {

// Rebuilds GRUPOST from UNIDADES: each unit takes its course's level, grade and description
// from CURSOST and the abbreviation level(5) + grade(1) + letter, A, B, C… per level and grade.
void TraspasaGrupos(const access::XmlDocument& document, const std::filesystem::path& qtemp,
                    LookupStrategy strategy = LookupStrategy::Indexed);

}  // namespace quimbo::exporta
