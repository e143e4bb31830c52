#pragma once

#include <filesystem>

#include "access/xml_document.hpp"
#include "common/lookup_strategy.hpp"
#include "export/registro_materias.hpp"

namespace quimbo::exporta {

// Rebuilds ASIGNOMT (one row per distinct subject, with a unique short code) and ASIGNOMT2 (the
// subject's code for each course offer) from MATERIAS, with the codes of SENEMATERIAS.DBF in
// `programDirectory` where it knows the subject.
void TraspasaMaterias(const access::XmlDocument& document, const std::filesystem::path& qtemp,
                      const std::filesystem::path& programDirectory, RegistroMaterias& registro,
                      LookupStrategy strategy = LookupStrategy::Indexed);

}  // namespace quimbo::exporta
