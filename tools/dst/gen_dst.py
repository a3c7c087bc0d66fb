#!/usr/bin/env python3
"""Builds the summer-time tables of the program from the time-zone database.

For every country of tools/dst/zones.tsv (written by the places generator:
the country's main time zone and the standard offset of its places), and
every civil year from 1970 to 2100, the correction of each day is the
offset of the zone at noon of that day minus the standard offset. A year is
written as two lines, the start of summer time (correction 1 from that day
on) and its end (correction 0 from that day on), when every day's
correction is 0 or 1 and the summer days form one period (in the southern
hemisphere the period runs over the new year: the end comes before the
start in the year). A year without summer day has no line; a year that two
lines cannot describe (two summer periods, a correction of 2 or of -1) has
none either and is reported.

data/h_<country>.txt is written for each country with at least one line;
data/H_europe.txt lists the countries whose table is France's for every
year from 1996 (when the European Union's end of summer time moved to the
last Sunday of October) to 2100; their own table is then not written.

Files in Windows-1252 with CR LF. Usage: gen_dst.py [--root REPO]
"""

import argparse
import datetime
import pathlib
import zoneinfo

FIRST_YEAR, LAST_YEAR = 1970, 2100
EUROPEAN_RULES_FROM = 1996
WEEKDAYS = ["lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"]


def read_zones(path):
    zones = []
    for line in path.read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            country, zone, offset = line.split("\t")
            zones.append((country, zone, float(offset)))
    return zones


def corrections(zone, standard, year):
    """Correction in hours of every day of the year, at noon of standard time."""
    tz = zoneinfo.ZoneInfo(zone)
    day = datetime.datetime(year, 1, 1, 12, tzinfo=datetime.timezone.utc) - datetime.timedelta(hours=standard)
    result = []
    while (day + datetime.timedelta(hours=standard)).year == year:
        result.append(day.astimezone(tz).utcoffset().total_seconds() / 3600 - standard)
        day += datetime.timedelta(days=1)
    return result


def year_lines(zone, standard, year):
    """The two lines of the year; [] without summer; None when two lines
    cannot describe it."""
    c = corrections(zone, standard, year)
    if all(x == 0 for x in c):
        return []
    if any(x not in (0, 1) for x in c) or all(x == 1 for x in c):
        return None
    starts = [i for i in range(len(c)) if c[i] == 1 and c[i - 1] == 0]
    ends = [i for i in range(len(c)) if c[i] == 0 and c[i - 1] == 1]
    if len(starts) != 1 or len(ends) != 1:
        return None
    first = datetime.date(year, 1, 1)
    lines = []
    for index, label, value in sorted([(starts[0], "Heure d'été", 1), (ends[0], "Heure d'hiver", 0)]):
        d = first + datetime.timedelta(days=index)
        lines.append(f"{label}\t{d.month}\t{d.day}\t{WEEKDAYS[d.weekday()]}\t{year}\t{value}")
    return lines


def table(zone, standard):
    lines, refused = {}, []
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        y = year_lines(zone, standard, year)
        if y is None:
            refused.append(year)
        elif y:
            lines[year] = y
    return lines, refused


def write_cp1252(path, lines):
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("cp1252"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=pathlib.Path(__file__).resolve().parents[2])
    args = parser.parse_args()
    root = pathlib.Path(args.root)
    data = root / "data"
    for old in data.glob("h_*.txt"):
        old.unlink()
    tables = {}
    for country, zone, standard in read_zones(root / "tools" / "dst" / "zones.tsv"):
        lines, refused = table(zone, standard)
        if lines:
            tables[country] = lines
        if refused:
            print(f"{country} ({zone}): years without a table line: {refused}")

    def european(lines):
        france = tables["France"]
        return all(lines.get(y) == france.get(y) for y in range(EUROPEAN_RULES_FROM, LAST_YEAR + 1))

    europe = sorted(c for c, lines in tables.items() if c != "France" and european(lines))
    for country, lines in tables.items():
        if country not in europe:
            write_cp1252(data / f"h_{country}.txt", [l for y in sorted(lines) for l in lines[y]])
    write_cp1252(data / "H_europe.txt", europe)
    print(f"{len(tables) - len(europe)} tables, {len(europe)} countries with the European rules")


if __name__ == "__main__":
    main()
