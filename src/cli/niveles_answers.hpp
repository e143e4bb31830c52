#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace quimbo::cli {

// Level and grade of one course, as typed into the course dialog (Windows-1252).
struct NivelCurso {
    std::string nivel;
    std::string curso;
};

// The --niveles answers by CLAVE. Read from a ";"-separated UTF-8 file whose first line names at
// least CLAVE, NIVEL and CURSO, in any order. Throws quimbo::Error naming the file otherwise.
std::map<std::string, NivelCurso> readNivelesCsv(const std::filesystem::path& file);
std::map<std::string, NivelCurso> parseNivelesCsv(const std::string& content,
                                                  const std::string& label);

}  // namespace quimbo::cli
