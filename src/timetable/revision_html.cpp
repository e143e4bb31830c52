#include <algorithm>
#include <map>
#include <set>

#include "text/codepage.hpp"
#include "timetable/revision.hpp"

namespace quimbo::horario {

namespace {

std::string escapeHtml(const std::string& utf8) {
    std::string out;
    for (char c : utf8) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string h(const std::string& cp1252) {
    return escapeHtml(codepage::cp1252ToUtf8(cp1252));
}

const char* const kDias[] = {"",       "Lunes",   "Martes", "Miércoles",
                             "Jueves", "Viernes", "Sábado", "Domingo"};

std::string dayName(int day) {
    return day >= 1 && day <= 7 ? kDias[day] : "Día " + std::to_string(day);
}

int asNumber(const std::string& text) {
    try {
        return std::stoi(text);
    } catch (const std::exception&) {
        return 0;
    }
}

std::string findingsTable(const std::string& title, const std::vector<Hallazgo>& findings) {
    if (findings.empty()) {
        return {};
    }
    std::string out =
        "<h2>" + escapeHtml(title) + " (" + std::to_string(findings.size()) +
        ")</h2><table><tr><th>Profesor</th><th>Día</th><th>Hora</th><th>Motivo</th></tr>";
    for (const Hallazgo& f : findings) {
        out += "<tr><td>" + escapeHtml(f.profesor) + "</td><td>" +
               escapeHtml(f.dia.empty() ? "" : dayName(asNumber(f.dia))) + "</td><td>" +
               escapeHtml(f.hora) + "</td><td>" + escapeHtml(f.detalle) + "</td></tr>";
    }
    return out + "</table>";
}

std::string week(const ProfesorRevisado& profesor) {
    std::set<int> days;
    std::set<int> periods;
    std::map<std::pair<int, int>, std::vector<const Clase*>> cells;
    for (const Clase& clase : profesor.clases) {
        const int day = asNumber(clase.dia);
        const int period = asNumber(clase.hora);
        days.insert(day);
        periods.insert(period);
        cells[{period, day}].push_back(&clase);
    }
    std::string out = "<section class=\"profesor\"><h3>" + h(profesor.abrev) + " — " +
                      h(profesor.nombre) + "</h3>";
    if (profesor.clases.empty()) {
        return out + "<p class=\"aviso\">Sin ninguna clase colocada.</p></section>";
    }
    out += "<table class=\"semana\"><tr><th>Hora</th>";
    for (int day : days) {
        out += "<th>" + escapeHtml(dayName(day)) + "</th>";
    }
    out += "</tr>";
    for (int period : periods) {
        out += "<tr><th>" + std::to_string(period) + "ª</th>";
        for (int day : days) {
            const auto found = cells.find({period, day});
            if (found == cells.end()) {
                out += "<td></td>";
                continue;
            }
            const bool incomplete = std::any_of(found->second.begin(), found->second.end(),
                                                [](const Clase* c) { return !c->motivos.empty(); });
            out += incomplete ? "<td class=\"vacia\">" : "<td>";
            for (const Clase* c : found->second) {
                out += "<div><b>" + h(c->asig) + "</b> " + h(c->codGrupo) +
                       (c->aula.empty() ? "" : " · " + h(c->aula)) + "</div>";
                for (const std::string& motivo : c->motivos) {
                    out += "<div class=\"motivo\">" + escapeHtml(motivo) + "</div>";
                }
            }
            out += "</td>";
        }
        out += "</tr>";
    }
    return out + "</table></section>";
}

}  // namespace

std::string revisionComoHtml(const Revision& r, const std::string& titulo) {
    std::string out =
        "<!DOCTYPE html><html lang=\"es\"><head><meta charset=\"utf-8\"><title>Revisión — " +
        escapeHtml(titulo) +
        "</title><style>"
        "body{font-family:sans-serif;margin:2em;color:#222}"
        "h1{color:#8a5a00}table{border-collapse:collapse;margin:0.5em 0 1.5em}"
        "th,td{border:1px solid #bbb;padding:4px 8px;vertical-align:top;text-align:left}"
        "th{background:#fee4a9}.resumen td:last-child{text-align:right;font-weight:bold}"
        ".vacia{background:#ffd6d6}.motivo{color:#a00;font-size:0.85em}"
        ".aviso{color:#a00}.bien{color:#070;font-weight:bold}"
        ".semana td{min-width:8em}section.profesor{page-break-inside:avoid}"
        "</style></head><body>";
    out +=
        "<h1>Revisión del horario antes de subirlo a Séneca</h1><p>" + escapeHtml(titulo) + "</p>";
    out += "<table class=\"resumen\">";
    const std::pair<const char*, int> summary[] = {
        {"Profesores", static_cast<int>(r.profesores.size())},
        {"Actividades escritas", r.actividadesEscritas},
        {"Actividades completas", r.actividadesCompletas},
        {"Actividades con alguna clave vacía", r.actividadesConClaveVacia()},
        {"Filas de SOLUC perdidas (profesor que no está en PROFT)", r.filasPerdidasEnTotal()},
    };
    for (const auto& [label, value] : summary) {
        out += "<tr><td>" + escapeHtml(label) + "</td><td>" + std::to_string(value) + "</td></tr>";
    }
    out += "</table>";
    if (r.sinHallazgos()) {
        out +=
            "<p class=\"bien\">No hay nada que corregir: todas las clases llegarán completas a "
            "Séneca.</p>";
    }
    if (!r.filasPerdidas.empty()) {
        out += "<h2>Filas perdidas</h2><table><tr><th>PROF en SOLUC</th><th>Filas</th></tr>";
        for (const auto& [prof, count] : r.filasPerdidas) {
            out +=
                "<tr><td>" + escapeHtml(prof) + "</td><td>" + std::to_string(count) + "</td></tr>";
        }
        out += "</table>";
    }
    out += findingsTable("Actividades con claves vacías", r.clavesVacias);
    out += findingsTable("Días u horas imposibles", r.posicionesImposibles);
    out += findingsTable("Dos clases a la misma hora", r.coincidencias);
    out += findingsTable("Profesores sin ninguna clase", r.sinHorario);
    out +=
        "<h2>La semana de cada profesor</h2><p>En rojo, las clases a las que les faltará alguna "
        "clave en Séneca.</p>";
    for (const ProfesorRevisado& profesor : r.profesores) {
        out += week(profesor);
    }
    return out + "</body></html>\n";
}

}  // namespace quimbo::horario
