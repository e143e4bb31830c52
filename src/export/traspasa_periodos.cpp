#include "export/traspasa_periodos.hpp"

#include "access/table.hpp"
#include "export/working_tables.hpp"
#include "seneca/exchange_document.hpp"
#include "text/clipper.hpp"

namespace quimbo::exporta {

void TraspasaPeriodos(const access::XmlDocument& document, const std::filesystem::path& qtemp) {
    access::recreateTable(qtemp, tables::kPeriodos, tables::periodosFields());
    access::Table periodos(qtemp, tables::kPeriodos);
    periodos.open();

    std::string year;
    std::string start;
    std::string end;
    const auto groups = seneca::topLevelGroups(document);
    for (std::size_t index = 0; index < 2 && index < groups.size(); ++index) {
        const seneca::Record& group = groups[index];
        if (!group.hasEnoughValues()) {
            continue;
        }
        year = group.value(0);
        start = group.value(1);
        end = group.value(2);
        periodos.append();
        periodos.setText("CURSOANNO", year);
        periodos.setText("F_INICIO", start);
        periodos.setText("F_FIN", end);
    }

    if (clipper::EsBlanco(start) || clipper::EsBlanco(end)) {
        const auto frames = seneca::recordsOf(document, seneca::kJornadasEscolares);
        if (!frames.empty() && frames.front().hasEnoughValues()) {
            start = frames.front().value(2);
            end = frames.front().value(3);
        }
    }
    // With neither group usable there is no pending row, and the table refuses the values.
    periodos.setText("F_INICIO", start);
    periodos.setText("F_FIN", end);
    periodos.post();
    periodos.close();
}

}  // namespace quimbo::exporta
