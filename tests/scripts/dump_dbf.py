"""Prints a dBase table as read by python3-dbfread, an independent reader: the field list, then
one line per row, as JSON."""
import json
import sys

import dbfread

table = dbfread.DBF(sys.argv[1], encoding="cp1252", char_decode_errors="strict")
print(json.dumps([[f.name, f.type, f.length, f.decimal_count] for f in table.fields],
                 ensure_ascii=False))
for record in table:
    print(json.dumps(list(record.values()), ensure_ascii=False))
