#pragma once

#include <filesystem>

#include "access/xml_document.hpp"
#include "export/frame_dialog.hpp"

namespace quimbo::exporta {

// Rebuilds DIASHORAST: one or two time frames (through the dialog when the document has more than
// one), their slots for each of the seven days, and MARCO 0 for the frame that starts earlier.
// `reintento` becomes true when the dialog is shown again.
void TraspasaTramos(const access::XmlDocument& document, const std::filesystem::path& qtemp,
                    FrameDialog& dialog, bool& reintento);

inline constexpr const char* kSinMarcosHorarios =
    "El archivo no tiene ningún Marco Horario (grupo JORNADAS_ESCOLARES), así que no se pueden "
    "traspasar los tramos horarios. La tabla DIASHORAST no se ha modificado.";

}  // namespace quimbo::exporta
