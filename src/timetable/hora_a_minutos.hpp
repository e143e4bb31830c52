#pragma once

#include <string>

namespace quimbo::horario {

// Minutes since midnight of a time text HH:MM (H:MM too), as decimal text; an empty text gives
// "0". Throws the integer-conversion error when the two parts are not numbers (9:5).
std::string HoraAMinutos(const std::string& time);

}  // namespace quimbo::horario
