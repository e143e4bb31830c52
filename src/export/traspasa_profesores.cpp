#include "export/traspasa_profesores.hpp"

#include "access/table.hpp"
#include "export/abbreviation_list.hpp"
#include "export/working_tables.hpp"
#include "seneca/exchange_document.hpp"
#include "text/clipper.hpp"

namespace quimbo::exporta {

namespace {

std::string initials(const std::string& a, const std::string& b, const std::string& c) {
    return clipper::Left(a, 1) + clipper::Left(b, 1) + clipper::Left(c, 1);
}

std::string numberedIfTaken(const std::string& abbreviation, const AbbreviationList& taken) {
    if (!taken.contains(abbreviation)) {
        return abbreviation;
    }
    for (unsigned long suffix = 1;; ++suffix) {
        std::string candidate = abbreviation + std::to_string(suffix);
        if (!taken.contains(candidate)) {
            return candidate;
        }
    }
}

}  // namespace

void TraspasaProfesores(const access::XmlDocument& document, const std::filesystem::path& qtemp) {
    access::recreateTable(qtemp, tables::kProfesores, tables::profesoresFields());
    AbbreviationList abreviaturasProfesores;
    const auto records = seneca::recordsOf(document, seneca::kEmpleados);
    access::Table proft(qtemp, tables::kProfesores);
    proft.open();
    for (const seneca::Record& record : records) {
        if (!record.hasEnoughValues()) {
            continue;
        }
        const std::string part1 = record.value(3);
        const std::string part2 = record.value(4);
        const std::string part3 = record.value(5);
        const std::string abbreviation =
            numberedIfTaken(initials(part1, part2, part3), abreviaturasProfesores);
        abreviaturasProfesores.add(abbreviation);

        proft.append();
        proft.setText("ABREV", abbreviation);
        proft.setText("NOMBRE", part1 + " " + part2 + " " + part3);
        proft.setText("X_EMPLEADO", record.value(0));
        proft.setText("F_TOMAPOS", record.value(1));
        proft.setText("DEPART", record.value(2));
        proft.post();
    }
    proft.close();
}

}  // namespace quimbo::exporta
