#include "text/clipper.hpp"

namespace quimbo::clipper {

namespace {
constexpr char kBlank = ' ';

bool esMayuscula(char c) {
    return c >= 'A' && c <= 'Z';
}
}  // namespace

std::string RTrim(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == kBlank) {
        --end;
    }
    return std::string(text.substr(0, end));
}

std::string LTrim(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == kBlank) {
        ++start;
    }
    return std::string(text.substr(start));
}

std::string AllTrim(std::string_view text) {
    return LTrim(RTrim(text));
}

std::string Left(std::string_view text, long long count) {
    if (count <= 0) {
        return {};
    }
    return std::string(text.substr(0, static_cast<std::size_t>(count)));
}

std::string Right(std::string_view text, long long count) {
    if (count <= 0) {
        return {};
    }
    const auto n = static_cast<std::size_t>(count);
    if (n >= text.size()) {
        return std::string(text);
    }
    return std::string(text.substr(text.size() - n));
}

std::string SoloMayusculas(std::string_view text) {
    std::string result;
    for (char c : text) {
        if (esMayuscula(c)) {
            result += c;
        }
    }
    return result;
}

std::string Iniciales(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == kBlank) {
            result += text[i + 1];
        }
    }
    return result;
}

std::string MayusculasAZ(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

bool EsBlanco(std::string_view text) {
    return text.find_first_not_of(kBlank) == std::string_view::npos;
}

}  // namespace quimbo::clipper
