#include "timetable/escribe_horarios_regulares.hpp"

#include "text/clipper.hpp"
#include "timetable/actividad.hpp"
#include "timetable/hora_a_minutos.hpp"
#include "timetable/seneca_writer.hpp"
#include "timetable/timetable_lookups.hpp"

namespace quimbo::horario {

using clipper::EsBlanco;

namespace {

void writeActividad(access::XmlDocument& document, access::XmlNode group, const Actividad& a,
                    const std::string& fInicio, const std::string& fFin) {
    appendDato(document, group, "N_DIASEMANA", a.dia);
    appendDato(document, group, "X_TRAMO", a.tramo);
    appendDato(document, group, "X_DEPENDENCIA", a.aula);
    appendDato(document, group, "X_UNIDAD", a.unidad);
    appendDato(document, group, "X_OFERTAMATRIG", a.oferta);
    appendDato(document, group, "X_MATERIAOMG", a.materia);
    appendDato(document, group, "F_INICIO", fInicio);
    appendDato(document, group, "F_FIN", fFin);
    appendDato(document, group, "N_HORINI", HoraAMinutos(a.desde));
    appendDato(document, group, "N_HORFIN", HoraAMinutos(a.hasta));
    appendDato(document, group, "X_ACTIVIDAD", a.actividad);
}

int countPlaced(const std::vector<SolucRow>& rows) {
    int count = 0;
    for (const SolucRow& row : rows) {
        count += row.dia.get() != 0 ? 1 : 0;
    }
    return count;
}

}  // namespace

void EscribeHorariosRegulares(access::XmlDocument& document, access::XmlNode horariosRegulares,
                              const std::string& fInicio, const std::string& fFin,
                              TablasHorario& tablas, LookupStrategy strategy) {
    const auto lookups =
        strategy == LookupStrategy::Indexed ? indexedLookups(tablas) : scanningLookups(tablas);
    int teacher = 1;
    for (tablas.proft.first(); !tablas.proft.eof(); tablas.proft.next()) {
        const std::string empleado = tablas.proft.asText("X_EMPLEADO");
        const std::string tomaPosesion = tablas.proft.asText("F_TOMAPOS");
        access::XmlNode group =
            grupoDatos(document, "HORARIO_REGULAR_PROFESOR_" + std::to_string(teacher++));
        horariosRegulares.appendChild(group);  // owned by the document from here on

        const std::vector<SolucRow> rows = lookups->rowsOf(tablas.proft.asText("ABREV"));
        group.setAttribute("registros", std::to_string(countPlaced(rows)));
        appendDato(document, group, "X_EMPLEADO", empleado);
        appendDato(document, group, "F_TOMAPOS", tomaPosesion);

        int activity = 1;
        for (const SolucRow& row : rows) {
            if (row.dia.get() == 0) {
                continue;
            }
            access::XmlNode actividad =
                grupoDatos(document, "ACTIVIDAD_" + std::to_string(activity++));
            group.appendChild(actividad);
            writeActividad(document, actividad, translate(row, *lookups), fInicio, fFin);
        }
    }
}

}  // namespace quimbo::horario
