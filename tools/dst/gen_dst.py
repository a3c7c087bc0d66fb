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
The "countries" are the keys of the country field of the places files:
real countries, and regions whose clocks do not follow their country's
main zone ("Australie (Queensland)"); the places generator chooses them
and uses the functions below to see what the program will read.

Files in Windows-1252 with CR LF. Usage: gen_dst.py [--root REPO]
"""

import argparse
import datetime
import functools
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


@functools.lru_cache(maxsize=None)
def corrections(zone, standard, year):
    """Correction in hours of every day of the year, at noon of standard time."""
    tz = zoneinfo.ZoneInfo(zone)
    day = datetime.datetime(year, 1, 1, 12, tzinfo=datetime.timezone.utc) - datetime.timedelta(hours=standard)
    result = []
    while (day + datetime.timedelta(hours=standard)).year == year:
        result.append(day.astimezone(tz).utcoffset().total_seconds() / 3600 - standard)
        day += datetime.timedelta(days=1)
    return tuple(result)


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


def why_not_two_lines(zone, standard, year):
    """Why two lines cannot describe the year's corrections, in a few words;
    None when they can."""
    c = corrections(zone, standard, year)
    others = sorted({x for x in c if x not in (0, 1)})
    if others:
        offsets = ", ".join(offset_text(standard + x) for x in others)
        days = sum(1 for x in c if x not in (0, 1))
        return (f"clocks at {offsets} on {days} days, neither the standard offset "
                f"{offset_text(standard)} nor an hour more")
    if all(x == 1 for x in c):
        return "summer time all the year"
    periods = sum(1 for i in range(len(c)) if c[i] == 1 and c[i - 1] == 0)
    return None if periods <= 1 else f"{periods} summer periods"


def offset_text(hours):
    """"+5.75", "-3", "0": an offset the way the places files write it."""
    hundredths = round(abs(hours) * 100)
    if hundredths == 0:
        return "0"
    text = ("-" if hours < 0 else "+") + str(hundredths // 100)
    if hundredths % 100:
        text += "." + f"{hundredths % 100:02d}".rstrip("0")
    return text


def table(zone, standard):
    lines, refused = {}, []
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        y = year_lines(zone, standard, year)
        if y is None:
            refused.append(year)
        elif y:
            lines[year] = y
    return lines, refused


class Tables:
    """The tables of the keys of zones.tsv as the program will find them:
    tables[key] the lines of each year, europe the keys that H_europe.txt
    sends to France's table, refused[key] the years without lines because
    two lines cannot describe them."""

    def __init__(self, zones):
        self.tables, self.refused = {}, {}
        for key, zone, standard in zones:
            lines, refused = table(zone, standard)
            if lines:
                self.tables[key] = lines
            if refused:
                self.refused[key] = (zone, refused)
        france = self.tables.get("France", {})

        def european(lines):
            return all(lines.get(y) == france.get(y) for y in range(EUROPEAN_RULES_FROM, LAST_YEAR + 1))

        self.europe = sorted(k for k, lines in self.tables.items() if k != "France" and european(lines))

    def read_by_program(self, key):
        """The lines of each year that the program reads for a country key:
        France's for a key of H_europe.txt, none for a key without table."""
        return self.tables.get("France" if key in self.europe else key, {})

    def files(self):
        """{key: lines} of the h_<key>.txt files to write."""
        return {k: [l for y in sorted(lines) for l in lines[y]]
                for k, lines in self.tables.items() if k not in self.europe}


def days_of_year(year):
    first = datetime.date(year, 1, 1)
    return [first + datetime.timedelta(days=i) for i in range((datetime.date(year + 1, 1, 1) - first).days)]


def program_corrections(lines, year):
    """The correction the program applies on every day of the year, read
    from the text of a table's lines as the program reads them: the start
    line (last field 1) and the end line (last field 0) of the year, summer
    from the start day included to the end day excluded, over the new year
    when the start comes after the end; 0 every day without the two lines."""
    start = end = None
    for line in lines.get(year, []):
        _, month, day, _, _, value = line.split("\t")
        if value == "1" and start is None:
            start = int(month) * 100 + int(day)
        elif value == "0" and end is None:
            end = int(month) * 100 + int(day)
    if start is None or end is None:
        return tuple(0 for _ in days_of_year(year))
    result = []
    for d in days_of_year(year):
        date = d.month * 100 + d.day
        summer = start <= date < end if start <= end else (date >= start or date < end)
        result.append(1 if summer else 0)
    return tuple(result)


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
    tables = Tables(read_zones(root / "tools" / "dst" / "zones.tsv"))
    for key, (zone, refused) in tables.refused.items():
        print(f"{key} ({zone}): years without a table line: {refused}")
    files = tables.files()
    for key, lines in files.items():
        write_cp1252(data / f"h_{key}.txt", lines)
    write_cp1252(data / "H_europe.txt", tables.europe)
    print(f"{len(files)} tables, {len(tables.europe)} countries with the European rules")


if __name__ == "__main__":
    main()
