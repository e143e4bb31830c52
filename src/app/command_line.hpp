#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quimbo::app {

// The direction that Tempario asks for in argument 1.
enum class StartDirection { None, Importar, Exportar };

// Only exactly two arguments have an effect: argument 1, lower-cased and otherwise compared
// exactly, names the direction started when the window is shown.
StartDirection startDirection(const std::vector<std::string>& arguments);

// Argument 2 is Tempario's window handle in hexadecimal without prefix; it is read as the
// platform reads "$" + text, a 32-bit integer. Throws quimbo::Error "'$<text>' no es un valor
// entero válido" when it is not one.
std::uint32_t windowHandle(const std::string& argument);

}  // namespace quimbo::app
