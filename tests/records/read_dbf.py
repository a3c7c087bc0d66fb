#!/usr/bin/python3
"""Prints a dBase table as an independent reader, dbfread (Debian
python3-dbfread), sees it; run by dbase_table_interop_test.cpp.

    read_dbf.py TABLE.dbf

One line per item, fields separated by tabs, "\\", tab, CR and LF in values
written \\\\, \\t, \\r and \\n:

    header  <version>  <language driver>  <encoding>  <records>
    field   <name>  <type>  <length>  <decimals>
    record  <value of each field>   (dates YYYY-MM-DD, empty when none)
"""

import sys

import dbfread


def escaped(value):
    if value is None:
        return ""
    if hasattr(value, "isoformat"):
        return value.isoformat()
    text = str(value)
    return (text.replace("\\", "\\\\").replace("\t", "\\t")
            .replace("\r", "\\r").replace("\n", "\\n"))


def main():
    table = dbfread.DBF(sys.argv[1], char_decode_errors="strict")
    h = table.header
    print("\t".join(["header", str(h.dbversion), str(h.language_driver), table.encoding,
                     str(h.numrecords)]))
    for f in table.fields:
        print("\t".join(["field", f.name, f.type, str(f.length), str(f.decimal_count)]))
    for record in table:
        print("\t".join(["record"] + [escaped(v) for v in record.values()]))


if __name__ == "__main__":
    main()
