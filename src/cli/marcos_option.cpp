#include "cli/marcos_option.hpp"

#include <algorithm>
#include <set>

#include "common/error.hpp"
#include "text/clipper.hpp"
#include "text/codepage.hpp"

namespace quimbo::cli {

std::string selectionForMarcos(const std::string& option,
                               const std::vector<exporta::MarcoHorario>& marcos) {
    std::set<std::string> wanted;
    std::size_t start = 0;
    while (start <= option.size()) {
        const std::size_t comma = std::min(option.find(',', start), option.size());
        const std::string code =
            codepage::utf8ToCp1252(clipper::AllTrim(option.substr(start, comma - start)));
        if (!code.empty()) {
            wanted.insert(code);
        }
        start = comma + 1;
    }
    for (const std::string& code : wanted) {
        const bool inFile = std::any_of(marcos.begin(), marcos.end(), [&](const auto& marco) {
            return clipper::AllTrim(marco.codigo) == code;
        });
        if (!inFile) {
            throw Error("El Marco Horario " + codepage::cp1252ToUtf8(code) +
                        " no está en el archivo");
        }
    }
    std::vector<std::string> selected;
    for (const exporta::MarcoHorario& marco : marcos) {
        if (wanted.contains(clipper::AllTrim(marco.codigo))) {
            selected.push_back(marco.codigo);
        }
    }
    const exporta::SeleccionMarcos verdict = exporta::juzgarSeleccion(selected);
    if (!verdict.correcta) {
        throw Error(verdict.mensaje);
    }
    return verdict.marcosSeleccionados;
}

}  // namespace quimbo::cli
