#include "export/traspasa_cursos.hpp"

#include "access/table.hpp"
#include "export/working_tables.hpp"
#include "seneca/exchange_document.hpp"

namespace quimbo::exporta {

CursosOutcome TraspasaCursos(const access::XmlDocument& document,
                             const std::filesystem::path& qtemp, CourseDialog& dialog,
                             bool& reintento) {
    access::recreateTable(qtemp, tables::kCursos, tables::cursosFields());
    {
        access::Table cursos(qtemp, tables::kCursos);
        cursos.open();
        for (const seneca::Record& record : seneca::recordsOf(document, seneca::kCursosDelCentro)) {
            if (!record.hasEnoughValues()) {
                continue;
            }
            cursos.append();
            cursos.setText("CLAVE", record.value(0));
            cursos.setText("ESTUD", record.value(1));
            cursos.post();
        }
        cursos.close();
    }
    for (;;) {
        const CourseDialogResult result = dialog.show(reintento);
        if (!result.datosIncompletos) {
            return result.salidaForzada ? CursosOutcome::SalidaForzada : CursosOutcome::Continuar;
        }
        reintento = true;
    }
}

}  // namespace quimbo::exporta
