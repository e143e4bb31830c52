#pragma once

#include <optional>
#include <string>

#include "access/xml_document.hpp"
#include "app/process_state.hpp"
#include "app/seam.hpp"

namespace quimbo::app {

// The first steps that both runs share: the file dialog (a cancel keeps RutaXML), then
// "No existe archivo" when nothing is there (in host mode also Resultado -1 and closing).
// Returns false when the run ends there.
bool chooseExistingFile(ProcessState& state, Seam& seam);

// Why a loaded file cannot be taken as a Séneca exchange file (not well-formed, or without
// /SERVICIO/BLOQUE_DATOS with data), naming it; nothing when it can.
std::optional<std::string> refusalOf(const std::string& file, const access::XmlLoadResult& loaded,
                                     const access::XmlDocument& document);

// Loads RutaXML into a new DocumentoXML and refuses, with a message naming the file, one that is
// not well-formed or has no /SERVICIO/BLOQUE_DATOS with data. `nothingDone` ends the message.
bool loadSenecaFile(ProcessState& state, Seam& seam, const std::string& nothingDone);

}  // namespace quimbo::app
