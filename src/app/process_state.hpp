#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "access/xml_document.hpp"
#include "export/registro_materias.hpp"

namespace quimbo::app {

// The state that the main window owns for the whole process.
struct ProcessState {
    std::int32_t modoAnfitrion = 0;  // 2 once embedded in Tempario's window
    std::int32_t resultado = 0;      // handed to Tempario: 0 nothing, 1 finished, -1 no file
    std::string rutaXml;             // UTF-8 path of the Séneca file last chosen
    bool reintento = false;          // set when a step shows its dialog again; never cleared
    std::unique_ptr<access::XmlDocument> documentoXml;
    exporta::RegistroMaterias registroMaterias;

    bool modoAnfitrionActivo() const { return modoAnfitrion == 2; }
};

}  // namespace quimbo::app
