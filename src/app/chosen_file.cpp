#include "app/chosen_file.hpp"

#include <system_error>

#include "platform/paths.hpp"
#include "seneca/exchange_document.hpp"

namespace quimbo::app {

bool chooseExistingFile(ProcessState& state, Seam& seam) {
    if (auto chosen = seam.chooseFile()) {
        state.rutaXml = *chosen;
    }
    std::error_code error;
    if (state.rutaXml.empty() ||
        !std::filesystem::is_regular_file(platform::pathFromUtf8(state.rutaXml), error)) {
        seam.showMessage(kNoExisteArchivo);
        if (state.modoAnfitrionActivo()) {
            state.resultado = -1;
            seam.closeMainWindow();
        }
        return false;
    }
    return true;
}

std::optional<std::string> refusalOf(const std::string& file, const access::XmlLoadResult& loaded,
                                     const access::XmlDocument& document) {
    if (!loaded.wellFormed) {
        return "El archivo " + file + " no es un documento XML válido (línea " +
               std::to_string(loaded.line) + ": " + loaded.message + ").";
    }
    if (!seneca::hasDataBlock(document)) {
        return "El archivo " + file +
               " no es un archivo de intercambio de Séneca: le falta el bloque "
               "SERVICIO/BLOQUE_DATOS con datos.";
    }
    return std::nullopt;
}

bool loadSenecaFile(ProcessState& state, Seam& seam, const std::string& nothingDone) {
    state.documentoXml = std::make_unique<access::XmlDocument>();
    const access::XmlLoadResult loaded =
        state.documentoXml->load(platform::pathFromUtf8(state.rutaXml));
    if (const auto refusal = refusalOf(state.rutaXml, loaded, *state.documentoXml)) {
        seam.showMessage(*refusal + " " + nothingDone);
        return false;
    }
    return true;
}

}  // namespace quimbo::app
