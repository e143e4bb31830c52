#include "export/traspasa_aulas.hpp"

#include "access/table.hpp"
#include "export/working_tables.hpp"
#include "seneca/exchange_document.hpp"
#include "text/clipper.hpp"

namespace quimbo::exporta {

void TraspasaAulas(const access::XmlDocument& document, const std::filesystem::path& qtemp) {
    access::recreateTable(qtemp, tables::kAulas, tables::aulasFields());
    const auto records = seneca::recordsOf(document, seneca::kDependencias);
    access::Table aulat(qtemp, tables::kAulas);
    aulat.open();
    for (const seneca::Record& record : records) {
        if (!record.hasEnoughValues()) {
            continue;
        }
        const std::string identifier = record.value(0);
        aulat.append();
        aulat.setText("ABREV", clipper::Left(identifier, 10));
        aulat.setText("NOMBRE", record.value(1));
        aulat.setText("DEPCENTRO", identifier);
        aulat.post();
    }
    aulat.close();
}

}  // namespace quimbo::exporta
