#pragma once

#include <filesystem>

#include "access/xml_document.hpp"
#include "export/registro_materias.hpp"

namespace quimbo::exporta {

// Appends the ACTIVIDADES to ASIGNOMT as activity rows (ESTAREA true) and empties the
// registration lists, which end with this step.
void TraspasaActividades(const access::XmlDocument& document, const std::filesystem::path& qtemp,
                         RegistroMaterias& registro);

}  // namespace quimbo::exporta
