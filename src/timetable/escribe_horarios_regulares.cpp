#include "timetable/escribe_horarios_regulares.hpp"

#include "access/table_filter.hpp"
#include "text/clipper.hpp"
#include "timetable/hora_a_minutos.hpp"
#include "timetable/seneca_writer.hpp"

namespace quimbo::horario {

using clipper::EsBlanco;

namespace {

// Makes current the first row, from the top, whose fields hold the given values.
bool scanFor(access::Table& table, const std::vector<std::pair<const char*, std::string>>& keys) {
    for (table.first(); !table.eof(); table.next()) {
        bool all = true;
        for (const auto& [field, value] : keys) {
            if (table.asText(field) != value) {
                all = false;
                break;
            }
        }
        if (all) {
            return true;
        }
    }
    return false;
}

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

Actividad translate(const access::Table& soluc, TablasHorario& t) {
    Actividad a;
    const std::string asig = soluc.asText("ASIG");
    const std::string codGrupo = soluc.asText("CODGRUPO");
    a.actividad = soluc.asText("TAREA");

    if (scanFor(t.asigt, {{"CASIG", asig}, {"CGRUP", codGrupo}})) {
        a.materia = t.asigt.asText("CLAVE");
        a.oferta = t.asigt.asText("CLAVECURSO");
    }
    if (EsBlanco(a.actividad) && scanFor(t.asignomt, {{"COD", asig}})) {
        a.actividad = t.asignomt.asText("CODTAREA");
    }
    const std::string slotKey = soluc.asText("DIA") + std::to_string(soluc.asInteger("HORA"));
    const std::string frame = clipper::Left(soluc.asText("MARCO"), 1);
    if (scanFor(t.diashorast, {{"DIHO", slotKey}, {"MARCO", frame}})) {
        a.dia = t.diashorast.asText("DIA");
        a.tramo = t.diashorast.asText("CODDIHO");
        a.desde = t.diashorast.asText("HORADESDE");
        a.hasta = t.diashorast.asText("HORAHASTA");
    }
    const std::string aula = soluc.asText("AULA");
    a.aula = EsBlanco(aula) ? std::string() : aula;
    if (scanFor(t.grupost, {{"ABREV", codGrupo}})) {
        a.unidad = t.grupost.asText("CLAVE");
        if (EsBlanco(a.oferta)) {
            a.oferta = t.grupost.asText("CLAVECURSO");
        }
    }
    if (EsBlanco(a.materia) && t.asignomt2.locate("COD;OFERTAMATRI", {asig, a.oferta})) {
        a.materia = t.asignomt2.asText("MATERIA");
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

int countPlaced(access::Table& soluc) {
    int count = 0;
    for (soluc.first(); !soluc.eof(); soluc.next()) {
        count += soluc.asInteger("DIA") != 0 ? 1 : 0;
    }
    return count;
}

}  // namespace

void EscribeHorariosRegulares(access::XmlDocument& document, access::XmlNode horariosRegulares,
                              const std::string& fInicio, const std::string& fFin,
                              TablasHorario& tablas) {
    int teacher = 1;
    for (tablas.proft.first(); !tablas.proft.eof(); tablas.proft.next()) {
        const std::string empleado = tablas.proft.asText("X_EMPLEADO");
        const std::string tomaPosesion = tablas.proft.asText("F_TOMAPOS");
        access::XmlNode group =
            grupoDatos(document, "HORARIO_REGULAR_PROFESOR_" + std::to_string(teacher++));
        horariosRegulares.appendChild(group);  // owned by the document from here on

        tablas.soluc.setFiltered(false);
        tablas.soluc.setFilter(access::filterExpression("PROF", tablas.proft.asText("ABREV")));
        tablas.soluc.setFiltered(true);
        group.setAttribute("registros", std::to_string(countPlaced(tablas.soluc)));
        appendDato(document, group, "X_EMPLEADO", empleado);
        appendDato(document, group, "F_TOMAPOS", tomaPosesion);

        int activity = 1;
        for (tablas.soluc.first(); !tablas.soluc.eof(); tablas.soluc.next()) {
            if (tablas.soluc.asInteger("DIA") == 0) {
                continue;
            }
            access::XmlNode actividad =
                grupoDatos(document, "ACTIVIDAD_" + std::to_string(activity++));
            group.appendChild(actividad);
            writeActividad(document, actividad, translate(tablas.soluc, tablas), fInicio, fFin);
        }
    }
}

}  // namespace quimbo::horario
