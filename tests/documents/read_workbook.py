#!/usr/bin/env python3
"""Reads a workbook written by the program with openpyxl, an independent
reader, and prints what the tests check, one record a line, fields
separated by tabs (tabs, new lines and backslashes inside a text escaped as
\\t, \\n and \\\\):

  sheet  <name>  <orientation>  <paper size>  <fit to page 0/1>
         <fit to width>  <fit to height>  <repeated rows, "1:3" or "">
         <merged ranges, space separated>
  cell   <sheet index>  <row from 1>  <column from 1>  <kind>  <value>

kind: s text, n number, t time of day ("07:01"), d date and time, b boolean.

With --details, only these records instead:

  format <sheet index>  <row from 1>  <column from 1>  <number format>
         <value: "07:01:30" for a time of day, else as above>
  freeze <sheet index>  <top left cell of the scrolling part, or "">
  chart  <sheet index>  <chart kind, "lineChart">  <number of curves>
         <curve names, "|" between them>

Usage: read_workbook.py WORKBOOK [--details]
"""
import datetime
import sys

try:
    import openpyxl
except ImportError:
    sys.stderr.write("python3-openpyxl is missing (scripts/setup installs it)\n")
    sys.exit(3)


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def value_of(value):
    if isinstance(value, bool):
        return "b", "1" if value else "0"
    if isinstance(value, datetime.time):
        return "t", "%02d:%02d" % (value.hour, value.minute)
    if isinstance(value, datetime.datetime):
        return "d", value.isoformat()
    if isinstance(value, (int, float)):
        return "n", repr(value)
    return "s", escape(str(value))


def repeated_rows(sheet):
    rows = sheet.print_title_rows
    if not rows:
        return ""
    return str(rows).replace("$", "")


def series_name(series):
    title = series.tx
    if title is None:
        return ""
    if title.strRef is not None:
        return title.strRef.f or ""
    return title.v or ""


def details(book, out):
    for index, sheet in enumerate(book.worksheets):
        out.write("\t".join(["freeze", str(index), sheet.freeze_panes or ""]) + "\n")
        for chart in sheet._charts:
            names = "|".join(escape(series_name(s)) for s in chart.series)
            out.write("\t".join(["chart", str(index), chart.tagname, str(len(chart.series)),
                                  names]) + "\n")
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is None or isinstance(cell.value, str):
                    continue
                if isinstance(cell.value, datetime.time):
                    text = "%02d:%02d:%02d" % (cell.value.hour, cell.value.minute,
                                               cell.value.second)
                else:
                    text = value_of(cell.value)[1]
                out.write("\t".join(["format", str(index), str(cell.row), str(cell.column),
                                      escape(cell.number_format), text]) + "\n")


def main():
    if len(sys.argv) == 3 and sys.argv[2] == "--details":
        details(openpyxl.load_workbook(sys.argv[1]), sys.stdout)
        return 0
    if len(sys.argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    book = openpyxl.load_workbook(sys.argv[1])
    out = sys.stdout
    for index, sheet in enumerate(book.worksheets):
        setup = sheet.page_setup
        properties = sheet.sheet_properties.pageSetUpPr
        fit = 1 if properties is not None and properties.fitToPage else 0
        merged = " ".join(sorted(str(r) for r in sheet.merged_cells.ranges))
        fields = ["sheet", escape(sheet.title), str(setup.orientation or ""),
                  str(setup.paperSize or ""), str(fit),
                  # Absent, both count 1 page (the default of the file format).
                  "1" if setup.fitToWidth is None else str(setup.fitToWidth),
                  "1" if setup.fitToHeight is None else str(setup.fitToHeight),
                  repeated_rows(sheet), merged]
        out.write("\t".join(fields) + "\n")
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is None:
                    continue
                kind, text = value_of(cell.value)
                out.write("\t".join(["cell", str(index), str(cell.row), str(cell.column),
                                     kind, text]) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
