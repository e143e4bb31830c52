#pragma once

#include <filesystem>

#include "access/xml_document.hpp"

namespace quimbo::exporta {

// Rebuilds PROFT from EMPLEADOS: the initials of the three name parts, numbered 1, 2, 3… when
// taken (without regard to case), the full name and the Séneca identifiers.
void TraspasaProfesores(const access::XmlDocument& document, const std::filesystem::path& qtemp);

}  // namespace quimbo::exporta
