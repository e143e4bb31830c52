#include "access/dbf_layout.hpp"

#include <algorithm>
#include <cctype>

#include "common/error.hpp"

namespace quimbo::access {

namespace {

constexpr std::size_t kHeaderPrefix = 32;
constexpr std::size_t kDescriptorSize = 32;
constexpr std::size_t kFieldNameBytes = 11;

std::uint32_t readLe(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

void writeLe(std::string& bytes, std::size_t at, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

Error damaged(const std::string& label, const std::string& why) {
    return Error("La tabla " + label + " está dañada: " + why + ".");
}

DbfField parseDescriptor(const std::string& bytes, std::size_t at, const std::string& label) {
    DbfField field;
    const std::size_t nameEnd = bytes.find('\0', at);
    const std::size_t nameLength = std::min(kFieldNameBytes, nameEnd - at);
    field.name = bytes.substr(at, nameLength);
    std::transform(field.name.begin(), field.name.end(), field.name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    field.type = static_cast<char>(std::toupper(static_cast<unsigned char>(bytes[at + 11])));
    field.length = static_cast<unsigned char>(bytes[at + 16]);
    field.decimals = static_cast<unsigned char>(bytes[at + 17]);
    field.hidden = field.type == '0';
    if (field.name.empty()) {
        throw damaged(label, "un campo no tiene nombre");
    }
    if (field.length == 0) {
        throw damaged(label, "el campo " + field.name + " tiene anchura 0");
    }
    return field;
}

char physicalType(FieldType type) {
    return type == FieldType::Logical ? 'L' : (type == FieldType::Text ? 'C' : 'N');
}

int physicalLength(const FieldDefinition& field) {
    switch (field.type) {
        case FieldType::Text:
            return field.size;
        case FieldType::Integer:
            return 11;
        case FieldType::Float:
            return 19;
        case FieldType::Logical:
            return 1;
    }
    return 0;
}

}  // namespace

DbfLayout parseLayout(const std::string& bytes, const std::string& label) {
    if (bytes.size() < kHeaderPrefix + 1) {
        throw damaged(label,
                      "el archivo es demasiado corto (" + std::to_string(bytes.size()) + " bytes)");
    }
    DbfLayout layout;
    layout.version = static_cast<std::uint8_t>(bytes[0]);
    layout.recordCount = readLe(bytes, 4, 4);
    layout.headerLength = readLe(bytes, 8, 2);
    layout.recordLength = readLe(bytes, 10, 2);
    if (layout.headerLength < kHeaderPrefix + 1) {
        throw damaged(label, "la longitud de la cabecera no es válida");
    }
    if (layout.headerLength > bytes.size()) {
        throw damaged(label, "la cabecera es más larga que el archivo");
    }
    std::size_t at = kHeaderPrefix;
    bool terminated = false;
    std::size_t recordOffset = 1;
    while (at < layout.headerLength) {
        if (bytes[at] == kHeaderTerminator) {
            terminated = true;
            break;
        }
        if (at + kDescriptorSize > layout.headerLength) {
            break;
        }
        DbfField field = parseDescriptor(bytes, at, label);
        field.offset = recordOffset;
        recordOffset += static_cast<std::size_t>(field.length);
        layout.fields.push_back(std::move(field));
        at += kDescriptorSize;
    }
    if (!terminated) {
        throw damaged(label, "falta el final de la lista de campos");
    }
    if (layout.fields.empty()) {
        throw damaged(label, "no tiene ningún campo");
    }
    if (recordOffset != layout.recordLength) {
        throw damaged(label, "la longitud de registro (" + std::to_string(layout.recordLength) +
                                 ") no coincide con la de sus campos (" +
                                 std::to_string(recordOffset) + ")");
    }
    const std::uint64_t needed =
        static_cast<std::uint64_t>(layout.headerLength) +
        static_cast<std::uint64_t>(layout.recordCount) * layout.recordLength;
    if (needed > bytes.size()) {
        throw damaged(label, "el archivo está incompleto (tiene " + std::to_string(bytes.size()) +
                                 " bytes y necesita " + std::to_string(needed) + ")");
    }
    return layout;
}

std::string headerDateAndCount(std::time_t today, std::uint32_t recordCount) {
    std::tm local{};
    localtime_r(&today, &local);
    std::string bytes(7, '\0');
    bytes[0] = static_cast<char>(local.tm_year % 256);
    bytes[1] = static_cast<char>(local.tm_mon + 1);
    bytes[2] = static_cast<char>(local.tm_mday);
    writeLe(bytes, 3, recordCount, 4);
    return bytes;
}

std::string buildEmptyTable(const FieldDefinitions& fields, std::time_t today) {
    if (fields.empty()) {
        throw Error("No se puede crear una tabla sin campos.");
    }
    const std::size_t headerLength = kHeaderPrefix + kDescriptorSize * fields.size() + 1;
    std::string bytes(headerLength, '\0');
    bytes[0] = 0x03;
    bytes.replace(1, 7, headerDateAndCount(today, 0));
    std::size_t recordLength = 1;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FieldDefinition& field = fields[i];
        const int length = physicalLength(field);
        if (field.name.empty() || field.name.size() > kFieldNameBytes || length < 1 ||
            length > 254) {
            throw Error("Definición de campo no válida: " + field.name + ".");
        }
        const std::size_t at = kHeaderPrefix + kDescriptorSize * i;
        bytes.replace(at, field.name.size(), field.name);
        bytes[at + 11] = physicalType(field.type);
        bytes[at + 16] = static_cast<char>(length);
        bytes[at + 17] = static_cast<char>(field.type == FieldType::Float ? 4 : 0);
        recordLength += static_cast<std::size_t>(length);
    }
    writeLe(bytes, 8, static_cast<std::uint32_t>(headerLength), 2);
    writeLe(bytes, 10, static_cast<std::uint32_t>(recordLength), 2);
    bytes[29] = static_cast<char>(kLanguageDriverWindows1252);
    bytes[headerLength - 1] = kHeaderTerminator;
    bytes += kEndOfFile;
    return bytes;
}

}  // namespace quimbo::access
