#pragma once

#include <filesystem>
#include <string>

namespace quimbo::platform {

// Sets `key` of `section` in a Windows profile (ini) file to `value`, creating the file, the
// section or the key when missing. Every other line of the file stays byte for byte; section
// and key names are matched without regard to case, as Windows does. The file is replaced
// atomically. Throws quimbo::Error "Unable to write to <path>" when it cannot be written.
void writeIniValue(const std::filesystem::path& file, const std::string& section,
                   const std::string& key, const std::string& value);

// The same edit on content held in memory; used by writeIniValue and its tests.
std::string withIniValue(const std::string& content, const std::string& section,
                         const std::string& key, const std::string& value);

}  // namespace quimbo::platform
