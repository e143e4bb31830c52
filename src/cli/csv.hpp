#pragma once

#include <string>
#include <vector>

namespace quimbo::cli {

// A ";"-separated text as lines of fields; a field may be quoted with double quotes (a doubled
// quote inside). A UTF-8 byte-order mark and CR before LF are ignored. Throws quimbo::Error with
// the line number on an unterminated quote.
std::vector<std::vector<std::string>> parseCsv(const std::string& text);

// One field written so that parseCsv reads it back.
std::string csvField(const std::string& value);

}  // namespace quimbo::cli
