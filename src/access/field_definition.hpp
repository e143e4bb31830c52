#pragma once

#include <string>
#include <vector>

namespace quimbo::access {

// The four kinds of field that the working tables use.
enum class FieldType {
    Text,     // C(1-80)
    Integer,  // N(11,0): a 32-bit integer
    Float,    // N(19,4)
    Logical,  // L
};

// One field of a table to create: name (at most 11 characters, filling the descriptor without a
// terminator, as OFERTAMATRI needs), type and, for text, width.
struct FieldDefinition {
    std::string name;
    FieldType type = FieldType::Text;
    int size = 0;
};

using FieldDefinitions = std::vector<FieldDefinition>;

inline FieldDefinition textField(std::string name, int size) {
    return {std::move(name), FieldType::Text, size};
}
inline FieldDefinition integerField(std::string name) {
    return {std::move(name), FieldType::Integer, 0};
}
inline FieldDefinition floatField(std::string name) {
    return {std::move(name), FieldType::Float, 0};
}
inline FieldDefinition logicalField(std::string name) {
    return {std::move(name), FieldType::Logical, 0};
}

}  // namespace quimbo::access
