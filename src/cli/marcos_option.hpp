#pragma once

#include <string>
#include <vector>

#include "export/marcos_horarios.hpp"

namespace quimbo::cli {

// The selection text that the time-frame dialog would build for the codes of --marcos (one or
// two, separated by ","), taken in the file's frame order. Throws quimbo::Error with the dialog's
// own message, or "El Marco Horario X no está en el archivo", when the answer is not valid.
std::string selectionForMarcos(const std::string& option,
                               const std::vector<exporta::MarcoHorario>& marcos);

}  // namespace quimbo::cli
