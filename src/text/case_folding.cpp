#include "text/case_folding.hpp"

namespace quimbo::text {

namespace {

unsigned char capitalOf(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<unsigned char>(c - 32);
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {  // à..þ except ÷
        return static_cast<unsigned char>(c - 32);
    }
    switch (c) {
        case 0x9A:  // š
            return 0x8A;
        case 0x9C:  // œ
            return 0x8C;
        case 0x9E:  // ž
            return 0x8E;
        case 0xFF:  // ÿ
            return 0x9F;
        default:
            return c;
    }
}

}  // namespace

std::string foldCase(std::string_view cp1252) {
    std::string folded(cp1252);
    for (char& c : folded) {
        c = static_cast<char>(capitalOf(static_cast<unsigned char>(c)));
    }
    return folded;
}

}  // namespace quimbo::text
