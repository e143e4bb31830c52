#include "timetable/revision.hpp"

#include <set>
#include <tuple>

#include "text/clipper.hpp"
#include "text/codepage.hpp"
#include "timetable/actividad.hpp"
#include "timetable/timetable_lookups.hpp"

namespace quimbo::horario {

using clipper::EsBlanco;
using codepage::cp1252ToUtf8;

namespace {

std::string quien(const std::string& abrev, const std::string& nombre) {
    return cp1252ToUtf8(abrev) + " (" + cp1252ToUtf8(nombre) + ")";
}

// The reasons why the keys of a translated lesson will be empty. A non-teaching activity (one
// whose identifier comes from TAREA or from its ASIGNOMT row) needs no unit or subject.
std::vector<std::string> motivosDe(const SolucRow& row, const Actividad& a) {
    std::vector<std::string> motivos;
    if (EsBlanco(a.tramo)) {
        motivos.push_back(a.tramoEncontrado
                              ? "X_TRAMO vacío: el tramo de DIASHORAST no tiene código de Séneca"
                              : "X_TRAMO vacío: no hay tramo en DIASHORAST para el día " +
                                    cp1252ToUtf8(row.diaText) + ", la hora " +
                                    std::to_string(row.hora.get()) + " y el marco '" +
                                    cp1252ToUtf8(clipper::Left(row.marco, 1)) + "'");
    }
    if (!a.actividadPorDefecto) {
        return motivos;
    }
    if (EsBlanco(a.unidad)) {
        motivos.push_back(a.unidadEncontrada ? "X_UNIDAD vacío: la unidad no tiene clave de Séneca"
                                             : "X_UNIDAD vacío: no hay ninguna unidad con la "
                                               "abreviatura '" +
                                                   cp1252ToUtf8(row.codGrupo) + "'");
    }
    if (EsBlanco(a.oferta)) {
        motivos.push_back("X_OFERTAMATRIG vacío: no se conoce el curso de la unidad '" +
                          cp1252ToUtf8(row.codGrupo) + "'");
    }
    if (EsBlanco(a.materia)) {
        motivos.push_back(EsBlanco(a.oferta)
                              ? "X_MATERIAOMG vacío: sin el curso de la unidad no se puede "
                                "buscar la materia '" +
                                    cp1252ToUtf8(row.asig) + "'"
                              : "X_MATERIAOMG vacío: no hay materia '" + cp1252ToUtf8(row.asig) +
                                    "' en la oferta del curso " + cp1252ToUtf8(a.oferta));
    }
    return motivos;
}

struct WeekShape {
    std::set<std::string> dias;
    std::set<std::string> horas;
};

WeekShape readWeek(access::Table& diashorast) {
    WeekShape week;
    for (diashorast.first(); !diashorast.eof(); diashorast.next()) {
        week.dias.insert(diashorast.asText("DIA"));
        week.horas.insert(diashorast.asText("HORA"));
    }
    return week;
}

void reviewTeacher(ProfesorRevisado& profesor, const std::vector<SolucRow>& rows,
                   TimetableLookups& lookups, const WeekShape& week, Revision& revision) {
    const std::string who = quien(profesor.abrev, profesor.nombre);
    std::set<std::tuple<std::int32_t, std::int32_t, std::string>> slots;
    for (const SolucRow& row : rows) {
        std::int32_t dia = 0;
        std::int32_t hora = 0;
        try {
            dia = row.dia.get();
            if (dia == 0) {
                continue;  // not placed: Tempario left it out of the timetable
            }
            hora = row.hora.get();
        } catch (const std::exception& error) {
            revision.posicionesImposibles.push_back(
                {who, cp1252ToUtf8(row.diaText), "",
                 std::string("no se puede leer: ") + error.what()});
            continue;
        }
        if (!week.dias.contains(std::to_string(dia)) ||
            !week.horas.contains(std::to_string(hora))) {
            revision.posicionesImposibles.push_back({who, std::to_string(dia), std::to_string(hora),
                                                     "fuera de los días y horas de DIASHORAST"});
        }
        if (!slots.insert({dia, hora, clipper::Left(row.marco, 1)}).second) {
            revision.coincidencias.push_back(
                {who, std::to_string(dia), std::to_string(hora), "dos clases a la misma hora"});
        }
        const Actividad a = translate(row, lookups);
        Clase clase{row.diaText,  std::to_string(hora),
                    row.marco,    row.asig,
                    row.codGrupo, row.aula,
                    a.tramo,      a.unidad,
                    a.oferta,     a.materia,
                    a.actividad,  motivosDe(row, a)};
        ++revision.actividadesEscritas;
        revision.actividadesCompletas += clase.motivos.empty() ? 1 : 0;
        for (const std::string& motivo : clase.motivos) {
            revision.clavesVacias.push_back(
                {who, std::to_string(dia), std::to_string(hora), motivo});
        }
        profesor.clases.push_back(std::move(clase));
    }
    if (profesor.clases.empty()) {
        revision.sinHorario.push_back({who, "", "", "ninguna clase colocada en SOLUC"});
    }
}

}  // namespace

int Revision::filasPerdidasEnTotal() const {
    int total = 0;
    for (const auto& [prof, count] : filasPerdidas) {
        total += count;
    }
    return total;
}

bool Revision::sinHallazgos() const {
    return filasPerdidas.empty() && clavesVacias.empty() && posicionesImposibles.empty() &&
           coincidencias.empty() && sinHorario.empty();
}

Revision revisarHorarios(TablasHorario& tablas) {
    Revision revision;
    const auto lookups = indexedLookups(tablas);
    const WeekShape week = readWeek(tablas.diashorast);
    std::set<std::string> abreviaturas;
    for (tablas.proft.first(); !tablas.proft.eof(); tablas.proft.next()) {
        ProfesorRevisado profesor{tablas.proft.asText("ABREV"), tablas.proft.asText("NOMBRE"), {}};
        abreviaturas.insert(clipper::RTrim(profesor.abrev));
        reviewTeacher(profesor, lookups->rowsOf(profesor.abrev), *lookups, week, revision);
        revision.profesores.push_back(std::move(profesor));
    }
    tablas.soluc.setFiltered(false);
    for (tablas.soluc.first(); !tablas.soluc.eof(); tablas.soluc.next()) {
        const std::string prof = tablas.soluc.asText("PROF");
        if (!abreviaturas.contains(prof)) {
            ++revision.filasPerdidas[cp1252ToUtf8(prof)];
        }
    }
    return revision;
}

std::string revisionComoTexto(const Revision& r) {
    std::string out = "Revisión del horario para Séneca\n";
    out += "  Profesores: " + std::to_string(r.profesores.size()) + "\n";
    out += "  Actividades escritas: " + std::to_string(r.actividadesEscritas) + "\n";
    out += "  Actividades completas: " + std::to_string(r.actividadesCompletas) + "\n";
    out += "  Actividades con alguna clave vacía: " + std::to_string(r.actividadesConClaveVacia()) +
           "\n";
    out += "  Filas de SOLUC perdidas: " + std::to_string(r.filasPerdidasEnTotal()) + "\n";
    auto section = [&](const std::string& title, const std::vector<Hallazgo>& findings) {
        if (findings.empty()) {
            return;
        }
        out += "\n" + title + " (" + std::to_string(findings.size()) + "):\n";
        for (const Hallazgo& h : findings) {
            out += "  " + h.profesor;
            if (!h.dia.empty()) {
                out += ", día " + h.dia;
            }
            if (!h.hora.empty()) {
                out += ", hora " + h.hora;
            }
            out += ": " + h.detalle + "\n";
        }
    };
    if (!r.filasPerdidas.empty()) {
        out += "\nFilas de SOLUC de profesores que no están en PROFT (no llegarán a Séneca):\n";
        for (const auto& [prof, count] : r.filasPerdidas) {
            out += "  '" + prof + "': " + std::to_string(count) + " filas\n";
        }
    }
    section("Actividades con claves vacías", r.clavesVacias);
    section("Días u horas imposibles", r.posicionesImposibles);
    section("Profesores con dos clases a la misma hora", r.coincidencias);
    section("Profesores sin ninguna clase", r.sinHorario);
    if (r.sinHallazgos()) {
        out += "\nNo hay nada que corregir.\n";
    }
    return out;
}

}  // namespace quimbo::horario
