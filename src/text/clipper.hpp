#pragma once

#include <string>
#include <string_view>

// Text operations on single-byte (Windows-1252) text. A blank is the character 32 only; a
// capital letter is "A" to "Z" only.
namespace quimbo::clipper {

std::string RTrim(std::string_view text);
std::string LTrim(std::string_view text);
std::string AllTrim(std::string_view text);
std::string Left(std::string_view text, long long count);
std::string Right(std::string_view text, long long count);
std::string SoloMayusculas(std::string_view text);
std::string Iniciales(std::string_view text);

// Upper-cases the letters a to z and leaves every other character as it is.
std::string MayusculasAZ(std::string_view text);

// True when AllTrim leaves nothing.
bool EsBlanco(std::string_view text);

}  // namespace quimbo::clipper
