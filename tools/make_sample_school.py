#!/usr/bin/env python3
"""Writes the bundled sample school: an invented Séneca export file (ISO-8859-1) for a
mid-sized secondary school, and the niveles.csv answers for its courses.

Usage: make_sample_school.py OUTPUT_DIR
"""
import os
import sys
from xml.sax.saxutils import escape, quoteattr

COURSES = [
    # key, name, level, grade, units
    ("6001", "1º de Educ. Secundaria Obligatoria", "ESO", "1", 4),
    ("6002", "2º de Educ. Secundaria Obligatoria", "ESO", "2", 4),
    ("6003", "3º de Educ. Secundaria Obligatoria", "ESO", "3", 4),
    ("6004", "4º de Educ. Secundaria Obligatoria", "ESO", "4", 4),
    ("6101", "1º de Bachillerato (Ciencias y Tecnología)", "BCT", "1", 2),
    ("6102", "2º de Bachillerato (Ciencias y Tecnología)", "BCT", "2", 2),
    ("6201", "1º de Bachillerato (Humanidades y Ciencias Sociales)", "BHC", "1", 2),
    ("6202", "2º de Bachillerato (Humanidades y Ciencias Sociales)", "BHC", "2", 2),
]

ESO_COMMON = ["Lengua Castellana y Literatura", "Matemáticas", "Geografía e Historia",
              "Primera Lengua Extranjera (Inglés)", "Educación Física", "Tutoría",
              "Religión Católica", "Atención Educativa"]
SUBJECTS = {
    "6001": ESO_COMMON + ["Biología y Geología", "Música", "Segunda Lengua Extranjera (Francés)",
                          "Refuerzo de la Competencia Lingüística"],
    "6002": ESO_COMMON + ["Física y Química", "Educación Plástica, Visual y Audiovisual",
                          "Tecnología y Digitalización", "Taller de Teatro"],
    "6003": ESO_COMMON + ["Biología y Geología", "Física y Química", "Tecnología y Digitalización",
                          "Educación en Valores Cívicos y Éticos"],
    "6004": ESO_COMMON + ["Matemáticas B", "Latín", "Economía y Emprendimiento", "Digitalización"],
    "6101": ["Lengua Castellana y Literatura I", "Primera Lengua Extranjera I (Inglés)",
             "Filosofía", "Matemáticas I", "Física y Química I", "Dibujo Técnico I",
             "Educación Física (Bachillerato)", "Tecnología e Ingeniería I"],
    "6102": ["Lengua Castellana y Literatura II", "Primera Lengua Extranjera II (Inglés)",
             "Historia de España", "Historia de la Filosofía", "Matemáticas II", "Física",
             "Química", "Biología"],
    "6201": ["Lengua Castellana y Literatura I", "Primera Lengua Extranjera I (Inglés)",
             "Filosofía", "Latín I", "Matemáticas Aplicadas a las Ciencias Sociales I",
             "Historia del Mundo Contemporáneo", "Economía", "Educación Física (Bachillerato)"],
    "6202": ["Lengua Castellana y Literatura II", "Primera Lengua Extranjera II (Inglés)",
             "Historia de España", "Historia de la Filosofía", "Latín II",
             "Matemáticas Aplicadas a las Ciencias Sociales II", "Geografía", "Historia del Arte"],
}

ACTIVITIES = [
    ("1", "Guardia"), ("2", "Guardia de recreo"), ("3", "Reunión de departamento"),
    ("4", "Reunión de equipo educativo"), ("5", "Atención a familias"),
    ("6", "Jefatura de departamento"), ("7", "Coordinación TIC"),
    ("8", "Coordinación de coeducación"), ("9", "Biblioteca escolar"),
    ("10", "Tutoría administrativa"), ("11", "Mantenimiento de laboratorio"),
    ("12", "Programa de Refuerzo Educativo"),
]

DEPARTMENTS = ["Lengua Castellana y Literatura", "Matemáticas", "Geografía e Historia",
               "Inglés", "Francés", "Educación Física", "Biología y Geología",
               "Física y Química", "Tecnología", "Música", "Dibujo", "Filosofía",
               "Latín y Griego", "Economía", "Religión", "Orientación"]

FIRST = ["José", "María", "Antonio", "Carmen", "Manuel", "Dolores", "Francisco", "Isabel",
         "Juan", "Ana", "Rafael", "Pilar", "Javier", "Lucía", "Miguel", "Rocío", "Ángel",
         "Concepción", "Pedro", "Encarnación"]
LAST = ["García", "Pérez", "Rodríguez", "Fernández", "López", "Martínez", "Sánchez",
        "Gómez", "Ruiz", "Jiménez", "Moreno", "Muñoz", "Álvarez", "Romero", "Navarro",
        "Torres", "Domínguez", "Vázquez", "Ramos", "Gil", "Serrano", "Blanco", "Molina",
        "Ortega", "Delgado", "Castro", "Ortiz", "Rubio", "Marín", "Sanz"]

ROOMS = ([("A%02d" % n, "Aula %d" % n) for n in range(1, 25)] +
         [("LABBIO", "Laboratorio de Biología"), ("LABFQ", "Laboratorio de Física y Química"),
          ("TALTEC", "Taller de Tecnología"), ("AULMUS", "Aula de Música"),
          ("AULDIB", "Aula de Dibujo"), ("INFO1", "Aula de Informática 1"),
          ("INFO2", "Aula de Informática 2"), ("GIMN", "Gimnasio"), ("PISTA", "Pistas deportivas"),
          ("BIBLIO", "Biblioteca"), ("SUM", "Salón de usos múltiples"),
          ("DEPORI", "Departamento de Orientación")])

FRAMES = [("M", "Jornada de mañana", "15/09/2026", "22/06/2027"),
          ("T", "Jornada de tarde", "15/09/2026", "22/06/2027")]
SLOTS = [
    ("101", "1ª hora", 480, 540, "M"), ("102", "2ª hora", 540, 600, "M"),
    ("103", "3ª hora", 600, 660, "M"), ("104", "4ª hora", 690, 750, "M"),
    ("105", "5ª hora", 750, 810, "M"), ("106", "6ª hora", 810, 870, "M"),
    ("201", "1ª hora tarde", 960, 1020, "T"), ("202", "2ª hora tarde", 1020, 1080, "T"),
    ("203", "3ª hora tarde", 1080, 1140, "T"), ("204", "4ª hora tarde", 1140, 1200, "T"),
]


def dato(name, value):
    return "<dato nombre_dato=%s>%s</dato>" % (quoteattr(name), escape(str(value)))


def record(*pairs):
    return "<grupo_datos>" + "".join(dato(n, v) for n, v in pairs) + "</grupo_datos>"


def group(seq, records):
    return ('<grupo_datos seq="%s" registros="%d">\n' % (seq, len(records)) +
            "\n".join(records) + "\n</grupo_datos>")


def staff():
    people = []
    for i in range(60):
        first = FIRST[i % len(FIRST)]
        last1 = LAST[(i * 7) % len(LAST)]
        last2 = LAST[(i * 11 + 3) % len(LAST)]
        people.append((str(100200 + i * 37), "01/09/%d" % (2008 + i % 17),
                       DEPARTMENTS[i % len(DEPARTMENTS)], first, last1, last2))
    # Two teachers whose initials collide with an earlier one, as happens in real schools.
    people[40] = (people[40][0], people[40][1], people[40][2], "Juana", "Gómez", "Pérez")
    people[41] = (people[41][0], people[41][1], people[41][2], "Jorge", "Gil", "Pardo")
    return people


def subjects():
    records = []
    subject_id = 400000
    ids = {}
    for key, _, _, _, _ in COURSES:
        for n, name in enumerate(SUBJECTS[key]):
            ids.setdefault((key, name), subject_id)
            subject_id += 13
            if key == "6003" and n == 2:
                # Séneca also gives the identifier before the name; the markup tells them apart.
                records.append(record(("X_OFERTAMATRIG", key), ("X_MATERIAOMG", ids[(key, name)]),
                                      ("D_MATERIAC", name)))
            else:
                records.append(record(("X_OFERTAMATRIG", key), ("D_MATERIAC", name),
                                      ("X_MATERIAOMG", ids[(key, name)])))
    return records


def units():
    records = []
    unit_id = 700000
    for key, name, _, grade, count in COURSES:
        for letter in "ABCD"[:count]:
            label = "%sº %s %s" % (grade, "ESO" if key < "6100" else "BACH", letter)
            records.append(record(("X_UNIDAD", unit_id), ("T_NOMBRE", label),
                                  ("X_OFERTAMATRIG", key)))
            unit_id += 1
    return records


def document():
    blocks = [
        '<grupo_datos seq="ANNO_ACADEMICO">' + dato("C_ANNO", "2026") +
        dato("F_INICIO", "15/09/2026") + dato("F_FIN", "22/06/2027") + "</grupo_datos>",
        group("CURSOS_DEL_CENTRO", [record(("X_OFERTAMATRIG", k), ("D_OFERTAMATRIG", n))
                                    for k, n, _, _, _ in COURSES]),
        group("MATERIAS", subjects()),
        group("ACTIVIDADES", [record(("N_TIPO", "N"), ("X_ACTIVIDAD", i), ("D_ACTIVIDAD", n))
                              for i, n in ACTIVITIES]),
        group("EMPLEADOS", [record(("X_EMPLEADO", e), ("F_TOMAPOS", f), ("D_PUESTO", d),
                                   ("T_NOMBRE", n), ("T_APELLIDO1", a1), ("T_APELLIDO2", a2))
                            for e, f, d, n, a1, a2 in staff()]),
        group("DEPENDENCIAS", [record(("X_DEPENDENCIA", i), ("D_DEPENDENCIA", n))
                               for i, n in ROOMS]),
        group("UNIDADES", units()),
        group("JORNADAS_ESCOLARES", [record(("X_JORNADA", c), ("D_JORNADA", n),
                                            ("F_INICIO", a), ("F_FIN", b))
                                     for c, n, a, b in FRAMES]),
        group("TRAMOS_HORARIOS", [record(("X_TRAMO", c), ("D_TRAMO", n), ("N_INICIO", s),
                                         ("N_FIN", e), ("X_JORNADA", f))
                                  for c, n, s, e, f in SLOTS]),
    ]
    return ('<?xml version="1.0" encoding="ISO-8859-1"?>\n'
            '<SERVICIO modulo="EXPORTACION" tipo="E" autor="SENECA" fecha="01/09/2026 10:15:00">\n'
            "<BLOQUE_DATOS>\n" + "\n".join(blocks) + "\n</BLOQUE_DATOS>\n</SERVICIO>\n")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    with open(os.path.join(out, "ies_alminar.xml"), "w", encoding="iso-8859-1") as f:
        f.write(document())
    with open(os.path.join(out, "niveles.csv"), "w", encoding="utf-8") as f:
        f.write("CLAVE;ESTUD;NIVEL;CURSO\n")
        for key, name, level, grade, _ in COURSES:
            f.write("%s;%s;%s;%s\n" % (key, name, level, grade))


if __name__ == "__main__":
    main()
