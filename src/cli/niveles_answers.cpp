#include "cli/niveles_answers.hpp"

#include <algorithm>
#include <cctype>
#include <optional>

#include "cli/csv.hpp"
#include "common/error.hpp"
#include "platform/atomic_file.hpp"
#include "platform/paths.hpp"
#include "text/clipper.hpp"
#include "text/codepage.hpp"

namespace quimbo::cli {

namespace {

std::string header(const std::string& name) {
    std::string upper = clipper::AllTrim(name);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

std::optional<std::size_t> column(const std::vector<std::string>& names, const char* wanted) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (header(names[i]) == wanted) {
            return i;
        }
    }
    return std::nullopt;
}

std::string cell(const std::vector<std::string>& row, std::size_t index) {
    return index < row.size() ? codepage::utf8ToCp1252(clipper::AllTrim(row[index])) : "";
}

}  // namespace

std::map<std::string, NivelCurso> parseNivelesCsv(const std::string& content,
                                                  const std::string& label) {
    std::vector<std::vector<std::string>> rows;
    try {
        rows = parseCsv(content);
    } catch (const Error& error) {
        throw Error("El archivo de niveles " + label + " no se puede leer: " + error.what());
    }
    const auto clave = rows.empty() ? std::nullopt : column(rows.front(), "CLAVE");
    const auto nivel = rows.empty() ? std::nullopt : column(rows.front(), "NIVEL");
    const auto curso = rows.empty() ? std::nullopt : column(rows.front(), "CURSO");
    if (!clave || !nivel || !curso) {
        throw Error("El archivo de niveles " + label +
                    " debe tener en su primera línea las columnas CLAVE, NIVEL y CURSO "
                    "separadas por \";\".");
    }
    std::map<std::string, NivelCurso> answers;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::string key = cell(rows[i], *clave);
        if (!key.empty()) {
            answers[key] = NivelCurso{cell(rows[i], *nivel), cell(rows[i], *curso)};
        }
    }
    return answers;
}

std::map<std::string, NivelCurso> readNivelesCsv(const std::filesystem::path& file) {
    const std::string label = platform::pathToUtf8(file);
    std::string content;
    try {
        content = platform::readWholeFile(file);
    } catch (const Error&) {
        throw Error("No se puede leer el archivo de niveles " + label + ".");
    }
    return parseNivelesCsv(content, label);
}

}  // namespace quimbo::cli
