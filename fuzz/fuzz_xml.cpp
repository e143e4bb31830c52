// Arbitrary bytes through the XML and Séneca document layers: every addressing operation and
// the MATERIAS name rule.
#include <cstdint>

#include "access/xml_document.hpp"
#include "common/error.hpp"
#include "export/marcos_horarios.hpp"
#include "seneca/exchange_document.hpp"
#include "seneca/materia_fields.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quimbo;
    try {
        access::XmlDocument document;
        document.loadFromMemory(std::string(reinterpret_cast<const char*>(data), size));
        seneca::hasDataBlock(document);
        for (const char* group : {"", seneca::kJornadasEscolares, seneca::kTramosHorarios,
                                  seneca::kCursosDelCentro, seneca::kMaterias, seneca::kActividades,
                                  seneca::kEmpleados, seneca::kDependencias, seneca::kUnidades}) {
            for (const seneca::Record& record : seneca::recordsOf(document, group)) {
                for (std::size_t k = 0; k < 7; ++k) {
                    record.value(k);
                    record.raw(k);
                }
                seneca::readMateria(record);
            }
        }
        for (const auto& marco : exporta::marcosDelDocumento(document)) {
            exporta::tramosDelMarco(document, marco.codigo);
        }
        document.documentElement().text();
        document.selectSingleNode("/SERVICIO/BLOQUE_DATOS").firstChild().text();
        document.serialise();
    } catch (const Error&) {
    }
    return 0;
}
