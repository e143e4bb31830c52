#include "timetable/actividad.hpp"

#include "text/clipper.hpp"

namespace quimbo::horario {

using clipper::EsBlanco;

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
        a.tramoEncontrado = true;
        a.dia = tramo->dia;
        a.tramo = tramo->codDiho;
        a.desde = tramo->desde;
        a.hasta = tramo->hasta;
    }
    a.aula = EsBlanco(row.aula) ? std::string() : row.aula;
    if (const auto unidad = lookups.unidad(row.codGrupo)) {
        a.unidadEncontrada = true;
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
        a.actividadPorDefecto = true;
    }
    return a;
}

}  // namespace quimbo::horario
