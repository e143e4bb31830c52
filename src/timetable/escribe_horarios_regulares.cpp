#include "timetable/escribe_horarios_regulares.hpp"

#include "text/clipper.hpp"
#include "timetable/hora_a_minutos.hpp"
#include "timetable/seneca_writer.hpp"
#include "timetable/timetable_lookups.hpp"

namespace quimbo::horario {

using clipper::EsBlanco;

namespace {

struct Actividad {
    std::string dia;
    std::string tramo;
    std::string desde;
    std::string hasta;
    std::string aula;
    std::string unidad;
    std::string oferta;
    std::string materia;
    std::string actividad;
};

Actividad translate(const SolucRow& row, TimetableLookups& lookups) {
    Actividad a;
    a.actividad = row.tarea;
    if (const auto asignacion = lookups.asignacion(row.asig, row.codGrupo)) {
        a.materia = asignacion->clave;
        a.oferta = asignacion->claveCurso;
    }
    if (EsBlanco(a.actividad)) {
        if (const auto tarea = lookups.codTarea(row.asig)) {
            a.actividad = *tarea;
        }
    }
    const std::string slotKey = row.diaText + std::to_string(row.hora.get());
    if (const auto tramo = lookups.tramo(slotKey, clipper::Left(row.marco, 1))) {
        a.dia = tramo->dia;
        a.tramo = tramo->codDiho;
        a.desde = tramo->desde;
        a.hasta = tramo->hasta;
    }
    a.aula = EsBlanco(row.aula) ? std::string() : row.aula;
    if (const auto unidad = lookups.unidad(row.codGrupo)) {
        a.unidad = unidad->clave;
        if (EsBlanco(a.oferta)) {
            a.oferta = unidad->claveCurso;
        }
    }
    if (EsBlanco(a.materia)) {
        if (const auto materia = lookups.materia(row.asig, a.oferta)) {
            a.materia = *materia;
        }
    }
    if (EsBlanco(a.actividad)) {
        a.actividad = "1";
    }
    return a;
}

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
