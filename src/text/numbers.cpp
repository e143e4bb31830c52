#include "text/numbers.hpp"

#include <charconv>

#include "common/error.hpp"
#include "text/codepage.hpp"

namespace quimbo::text {

std::int32_t toInteger(const std::string& cp1252) {
    const char* begin = cp1252.data();
    const char* end = cp1252.data() + cp1252.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    std::int32_t value = 0;
    const auto [ptr, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc() || ptr != end) {
        throw Error("'" + codepage::cp1252ToUtf8(cp1252) + "' no es un valor entero válido");
    }
    return value;
}

}  // namespace quimbo::text
