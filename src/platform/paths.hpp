#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Fixed locations of the system and the case-free lookup of table files.
namespace quimbo::platform {

// Tempario's exchange directory, C:\QTEMP on Windows.
std::filesystem::path qtempDirectory();

// The folder where the file dialog starts: c:\qtemp\seneca.
std::filesystem::path senecaDirectory();

// Directory of the running executable (Tempario.ini, SENEMATERIAS.DBF, SENECA.chm).
std::filesystem::path programDirectory();

// The entry of `directory` whose name equals `fileName` without regard to case, if any.
std::optional<std::filesystem::path> findFileIgnoringCase(const std::filesystem::path& directory,
                                                          const std::string& fileName);

// Converts between a UTF-8 text and a path of this platform.
std::filesystem::path pathFromUtf8(const std::string& utf8);
std::string pathToUtf8(const std::filesystem::path& path);

}  // namespace quimbo::platform
