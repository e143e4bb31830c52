#!/usr/bin/env python3
"""Writes a synthetic Séneca export file and its niveles.csv for the benchmark.

Scale 1 is about the largest real secondary school: 200 staff, 20 courses of 4 units each, 12
subjects offered per course, 15 activities, 60 rooms, two time frames of 7 and 6 slots. Scale k
multiplies staff, courses, units and rooms by k.

Usage: generate_school.py SCALE OUTPUT_DIR
"""
import os
import sys
from xml.sax.saxutils import escape

SUBJECTS = ["Lengua Castellana y Literatura", "Matemáticas", "Geografía e Historia",
            "Primera Lengua Extranjera (Inglés)", "Educación Física", "Biología y Geología",
            "Física y Química", "Música", "Tecnología y Digitalización", "Religión Católica",
            "Atención Educativa", "Tutoría", "Latín", "Filosofía", "Economía",
            "Dibujo Técnico I", "Historia de España", "Taller de Radio", "Ajedrez",
            "Robótica Educativa", "Cultura Clásica", "Oratoria y Debate", "Teatro",
            "Proyecto Integrado"]
NAMES = ["José", "María", "Antonio", "Carmen", "Manuel", "Dolores", "Francisco", "Isabel",
         "Juan", "Ana", "Rafael", "Pilar", "Javier", "Lucía", "Miguel", "Rocío"]
SURNAMES = ["García", "Pérez", "Rodríguez", "Fernández", "López", "Martínez", "Sánchez",
            "Gómez", "Ruiz", "Jiménez", "Moreno", "Muñoz", "Álvarez", "Romero"]
LEVELS = ["ESO", "BCT", "BHC", "FPB", "CFGM", "CFGS", "EDSO", "ESPA"]


def dato(name, value):
    return '<dato nombre_dato="%s">%s</dato>' % (name, escape(str(value)))


def record(*pairs):
    return "<grupo_datos>" + "".join(dato(n, v) for n, v in pairs) + "</grupo_datos>"


def group(seq, records):
    return '<grupo_datos seq="%s" registros="%d">%s</grupo_datos>\n' % (
        seq, len(records), "".join(records))


def school(scale):
    courses = [("%d" % (7000 + c), "Curso %d de %s" % (c // len(LEVELS) + 1, LEVELS[c % len(LEVELS)]),
                LEVELS[c % len(LEVELS)], str(c // len(LEVELS) + 1)) for c in range(20 * scale)]
    subjects = []
    for c, (key, _, _, _) in enumerate(courses):
        for s in range(12):
            name = SUBJECTS[(c + s) % len(SUBJECTS)]
            subjects.append(record(("X_OFERTAMATRIG", key), ("D_MATERIAC", name),
                                   ("X_MATERIAOMG", 500000 + c * 12 + s)))
    activities = [record(("N", "N"), ("X_ACTIVIDAD", 90 + a), ("D_ACTIVIDAD", "Actividad %d" % a))
                  for a in range(15)]
    staff = [record(("X_EMPLEADO", 100000 + e), ("F_TOMAPOS", "01/09/2015"), ("D", "Dpto %d" % (e % 16)),
                    ("N", NAMES[e % len(NAMES)]), ("A1", SURNAMES[e % len(SURNAMES)]),
                    ("A2", SURNAMES[(e // 3) % len(SURNAMES)]))
             for e in range(200 * scale)]
    rooms = [record(("X_DEPENDENCIA", "AU%05d" % r), ("D", "Aula %d" % r)) for r in range(60 * scale)]
    units = [record(("X_UNIDAD", 800000 + c * 4 + u), ("T", "%s %s" % (name, "ABCD"[u])),
                    ("X_OFERTAMATRIG", key))
             for c, (key, name, _, _) in enumerate(courses) for u in range(4)]
    frames = [record(("X", "M"), ("D", "Mañana"), ("A", "15/09/2026"), ("B", "22/06/2027")),
              record(("X", "T"), ("D", "Tarde"), ("A", "15/09/2026"), ("B", "22/06/2027"))]
    slots = [record(("X", "1%02d" % i), ("D", "%dª" % (i + 1)), ("I", 480 + 60 * i),
                    ("F", 540 + 60 * i), ("J", "M")) for i in range(7)]
    slots += [record(("X", "2%02d" % i), ("D", "%dª tarde" % (i + 1)), ("I", 960 + 60 * i),
                     ("F", 1020 + 60 * i), ("J", "T")) for i in range(6)]
    body = ('<grupo_datos seq="ANNO_ACADEMICO">' + dato("C_ANNO", "2026") +
            dato("F_INICIO", "15/09/2026") + dato("F_FIN", "22/06/2027") + "</grupo_datos>\n" +
            group("CURSOS_DEL_CENTRO", [record(("X", k), ("D", n)) for k, n, _, _ in courses]) +
            group("MATERIAS", subjects) + group("ACTIVIDADES", activities) +
            group("EMPLEADOS", staff) + group("DEPENDENCIAS", rooms) + group("UNIDADES", units) +
            group("JORNADAS_ESCOLARES", frames) + group("TRAMOS_HORARIOS", slots))
    xml = ('<?xml version="1.0" encoding="ISO-8859-1"?>\n<SERVICIO modulo="EXPORTACION" tipo="E">'
           "<BLOQUE_DATOS>\n" + body + "</BLOQUE_DATOS></SERVICIO>\n")
    levels = "CLAVE;NIVEL;CURSO\n" + "".join("%s;%s;%s\n" % (k, l, g) for k, _, l, g in courses)
    return xml, levels


def main():
    scale = int(sys.argv[1])
    out = sys.argv[2]
    os.makedirs(out, exist_ok=True)
    xml, levels = school(scale)
    with open(os.path.join(out, "centro.xml"), "w", encoding="iso-8859-1") as f:
        f.write(xml)
    with open(os.path.join(out, "niveles.csv"), "w", encoding="utf-8") as f:
        f.write(levels)


if __name__ == "__main__":
    main()
