#include "app/command_line.hpp"

#include <algorithm>
#include <cctype>

#include "common/error.hpp"

namespace quimbo::app {

StartDirection startDirection(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2) {
        return StartDirection::None;
    }
    std::string direction = arguments[0];
    std::transform(direction.begin(), direction.end(), direction.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (direction == "importar") {
        return StartDirection::Importar;
    }
    if (direction == "exportar") {
        return StartDirection::Exportar;
    }
    return StartDirection::None;
}

std::uint32_t windowHandle(const std::string& argument) {
    const std::string prefixed = "$" + argument;
    const Error invalid("'" + prefixed + "' no es un valor entero válido");
    if (argument.empty() || argument.size() > 8) {
        throw invalid;
    }
    std::uint32_t value = 0;
    for (char c : argument) {
        const int digit = std::isdigit(static_cast<unsigned char>(c))
                              ? c - '0'
                              : (std::isxdigit(static_cast<unsigned char>(c))
                                     ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                                     : -1);
        if (digit < 0) {
            throw invalid;
        }
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

}  // namespace quimbo::app
