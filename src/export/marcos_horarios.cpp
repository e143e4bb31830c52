#include "export/marcos_horarios.hpp"

#include "seneca/exchange_document.hpp"
#include "text/clipper.hpp"

namespace quimbo::exporta {

std::vector<MarcoHorario> marcosDelDocumento(const access::XmlDocument& document) {
    std::vector<MarcoHorario> marcos;
    for (const seneca::Record& record : seneca::recordsOf(document, seneca::kJornadasEscolares)) {
        marcos.push_back({record.raw(0), record.raw(1), record.raw(2), record.raw(3)});
    }
    return marcos;
}

std::vector<std::string> tramosDelMarco(const access::XmlDocument& document,
                                        const std::string& codigo) {
    std::vector<std::string> tramos;
    for (const seneca::Record& record : seneca::recordsOf(document, seneca::kTramosHorarios)) {
        if (record.raw(4) == codigo) {
            tramos.push_back(record.raw(1));
        }
    }
    return tramos;
}

SeleccionMarcos juzgarSeleccion(const std::vector<std::string>& codigosSeleccionados) {
    SeleccionMarcos seleccion;
    seleccion.correcta = true;
    if (codigosSeleccionados.size() > 2) {
        seleccion.mensaje = kDemasiadosMarcos;
        seleccion.correcta = false;
    } else if (codigosSeleccionados.empty()) {
        seleccion.mensaje = kNingunMarco;
        seleccion.correcta = false;
    }
    for (const std::string& codigo : codigosSeleccionados) {
        seleccion.marcosSeleccionados +=
            clipper::Left(clipper::Left(codigo, 10) + "          ", 10);
    }
    return seleccion;
}

}  // namespace quimbo::exporta
