#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "access/field_definition.hpp"

// The physical dBase layout: header, field descriptors and record geometry.
namespace quimbo::access {

struct DbfField {
    std::string name;  // upper case as stored
    char type = 'C';
    int length = 0;
    int decimals = 0;
    std::size_t offset = 0;  // within a record, after the deletion flag
    bool hidden = false;     // a system field such as Visual FoxPro's _NullFlags
};

struct DbfLayout {
    std::uint8_t version = 0x03;
    std::uint32_t recordCount = 0;
    std::uint32_t headerLength = 0;
    std::uint32_t recordLength = 0;
    std::vector<DbfField> fields;
};

constexpr char kEndOfFile = 0x1A;
constexpr char kHeaderTerminator = 0x0D;
constexpr std::uint8_t kLanguageDriverWindows1252 = 0x57;

// Parses and checks the header of a table file. Throws quimbo::Error naming `label` when the
// header is damaged or the file is shorter than the header says.
DbfLayout parseLayout(const std::string& bytes, const std::string& label);

// A new empty dBase III+ table with the given fields; throws on an invalid definition.
std::string buildEmptyTable(const FieldDefinitions& fields, std::time_t today);

// The header bytes 1 to 7 (date of last update and record count) for a table being changed.
std::string headerDateAndCount(std::time_t today, std::uint32_t recordCount);

}  // namespace quimbo::access
