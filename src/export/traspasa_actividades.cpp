#include "export/traspasa_actividades.hpp"

#include "access/table.hpp"
#include "export/working_tables.hpp"
#include "seneca/exchange_document.hpp"
#include "text/clipper.hpp"

namespace quimbo::exporta {

void TraspasaActividades(const access::XmlDocument& document, const std::filesystem::path& qtemp,
                         RegistroMaterias& registro) {
    const auto records = seneca::recordsOf(document, seneca::kActividades);
    access::Table asignomt(qtemp, tables::kAsignaturas);
    asignomt.open();
    for (const seneca::Record& record : records) {
        if (!record.hasEnoughValues()) {
            continue;
        }
        const std::string name = record.value(2);
        const std::string identifier = record.value(1);
        asignomt.append();
        asignomt.setText("COD", identifier);
        asignomt.setText("CODLARGO", clipper::Left(name, 10));
        asignomt.setText("NOMBRE", name);
        asignomt.setText("CODTAREA", identifier);
        asignomt.setBoolean("ESTAREA", true);
        asignomt.post();
    }
    asignomt.close();
    registro.clear();
}

}  // namespace quimbo::exporta
