#pragma once

#include <string>
#include <string_view>

namespace quimbo::text {

// Windows-1252 text with every letter in its capital form (a-z, accented letters, š, œ, ž, ÿ),
// for lists whose comparisons ignore letter case as the Windows text comparison does.
std::string foldCase(std::string_view cp1252);

}  // namespace quimbo::text
