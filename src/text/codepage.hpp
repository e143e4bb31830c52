#pragma once

#include <string>
#include <string_view>

// Conversion between UTF-8 (XML layer, terminal, GUI) and Windows-1252 (tables and core text).
namespace quimbo::codepage {

// A character that Windows-1252 cannot hold, or a malformed UTF-8 sequence, becomes "?".
std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view cp1252);

}  // namespace quimbo::codepage
