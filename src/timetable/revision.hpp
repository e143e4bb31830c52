#pragma once

#include <map>
#include <string>
#include <vector>

#include "timetable/escribe_horarios_regulares.hpp"

namespace quimbo::horario {

// One placed lesson of a teacher's week as the HORARIOS file will hold it. Texts Windows-1252.
struct Clase {
    std::string dia;   // SOLUC's DIA as text
    std::string hora;  // SOLUC's HORA as text
    std::string marco;
    std::string asig;
    std::string codGrupo;
    std::string aula;
    std::string xTramo;
    std::string xUnidad;
    std::string xOferta;
    std::string xMateria;
    std::string xActividad;
    std::vector<std::string> motivos;  // why a key will be empty (UTF-8), none when complete
};

struct ProfesorRevisado {
    std::string abrev;
    std::string nombre;
    std::vector<Clase> clases;
};

// A finding about one SOLUC row or one teacher (UTF-8).
struct Hallazgo {
    std::string profesor;  // abbreviation and name, or the PROF of a lost row
    std::string dia;
    std::string hora;
    std::string detalle;
};

// What the HORARIOS file will lose or leave empty, computed with the same look-ups as the export.
struct Revision {
    std::vector<ProfesorRevisado> profesores;    // in PROFT order
    std::map<std::string, int> filasPerdidas;    // SOLUC PROF without a PROFT teacher
    std::vector<Hallazgo> clavesVacias;          // activities with an empty key, and why
    std::vector<Hallazgo> posicionesImposibles;  // DIA/HORA unreadable or off the week
    std::vector<Hallazgo> coincidencias;         // a teacher twice in one slot
    std::vector<Hallazgo> sinHorario;            // PROFT teachers with no placed row
    int actividadesEscritas = 0;
    int actividadesCompletas = 0;

    int actividadesConClaveVacia() const { return actividadesEscritas - actividadesCompletas; }
    int filasPerdidasEnTotal() const;
    bool sinHallazgos() const;
};

// Reads the open tables; never raises for a row the export itself would stop at, it reports it.
Revision revisarHorarios(TablasHorario& tablas);

// The review as plain Spanish text, for the batch tool.
std::string revisionComoTexto(const Revision& revision);

// The review as a self-contained HTML page: summary, findings, and each teacher's week.
std::string revisionComoHtml(const Revision& revision, const std::string& titulo);

}  // namespace quimbo::horario
