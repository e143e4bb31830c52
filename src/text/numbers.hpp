#pragma once

#include <cstdint>
#include <string>

namespace quimbo::text {

// A decimal whole number as the platform's integer conversion reads it (optional sign, no
// blanks). Throws quimbo::Error "'<text>' no es un valor entero válido" otherwise.
std::int32_t toInteger(const std::string& cp1252);

}  // namespace quimbo::text
