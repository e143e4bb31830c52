"""Writes a table with python3-dbf, a writer nobody here wrote, in the format asked for
(db3, or vfp for Visual FoxPro), with an accented text, a number, a logical and a date, and deletes its second row.
Usage: write_dbf.py PATH db3|vfp"""
import datetime
import sys

import dbf

path, kind = sys.argv[1], sys.argv[2]
table = dbf.Table(path, "NOMBRE C(20); HORAS N(5,0); PESO N(8,2); ACTIVO L; FECHA D",
                  dbf_type=kind, codepage="cp1252")
table.open(mode=dbf.READ_WRITE)
table.append(("Educación Física", 4, 2.5, True, datetime.date(2026, 9, 15)))
table.append(("Borrada", 1, 0, False, None))
table.append(("Música", 0, -1.25, False, None))
with table[1] as record:
    dbf.delete(record)
table.close()
