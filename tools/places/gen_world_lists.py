#!/usr/bin/env python3
"""Builds the world lists of the zmanim tables: data/willemd.cal, the
cities of the world outside France that have a Jewish community ("Web
liste monde"), and data/villactu.cal, the cities of the list of the day's
times ("Zemanim du jour pour liste de villes").

Inputs: the places files that gen_places.py writes (data/lieu.cal, then
data/lieu_all.cal for the towns only the long file holds); the
communities of communities.py, found as the places generator names them
(the French name of EXONYMS, the state of a town of the United States,
the country key of its region), with the corrections of list_cities.py;
the towns of Israel and of the French overseas of list_cities.py; the
French country names of Debian's iso-codes, as the places generator takes
them.

Outputs (Windows-1252, CR LF, like every file of the program): one line of
the places files per town, copied as it stands there (city, two tabs,
country, tab, latitude, tab, longitude, tab, offset). willemd.cal is
sorted by country, then by city, as the places files are (the cities of a
region key stay among their country's); villactu.cal keeps the order of
its list. A town of the lists that neither places file holds stops the
generator with its name, and so does a community of NOT_IN_PLACES that
they now hold.

Usage: gen_world_lists.py [--root REPO]
"""

import argparse
import pathlib
import sys

from city_lists import (PlacesFiles, city_of, in_country, sort_key, stop_if_missing,
                        stop_if_twice, without_accents, write_list)
from communities import COMMUNITIES, EXONYMS
from gen_places import FIELD_LENGTH, cp1252_safe, french_country_names
from list_cities import (DAY_CITIES, ISRAEL_COMMUNITIES, NOT_IN_PLACES, OVERSEAS_COMMUNITIES,
                         PLACE_NAMES, US_STATES)


def city_field(cc, name):
    """The city field the places generator writes for a community, without
    the state of a town of the United States."""
    if (cc, name) in PLACE_NAMES:
        return PLACE_NAMES[(cc, name)]
    return cp1252_safe(EXONYMS.get((cc, name), name), without_accents(name))[:FIELD_LENGTH]


def community_lines(places, cc, name, country):
    """The lines that can be the community's: one, none, or several when the
    name of a town of the United States needs its state."""
    field = city_field(cc, name)
    if cc == "US":
        if name in US_STATES:
            field = f"{field} ({US_STATES[name]})"
        else:
            return places.matching(lambda line: in_country(line, country)
                                   and city_of(line).startswith(field + " ("))
    return places.matching(lambda line: in_country(line, country) and city_of(line) == field)


def communities_abroad(places, countries):
    """(country, line) of every community of communities.py."""
    found, missing, ambiguous, present = [], [], [], []
    for cc, names in COMMUNITIES.items():
        for name in names:
            lines = community_lines(places, cc, name, countries[cc])
            if (cc, name) in NOT_IN_PLACES:
                if lines:
                    present.append(f"{cc}:{name}")
            elif not lines:
                missing.append(f"{cc}:{name}")
            elif len(lines) > 1:
                ambiguous.append(f"{cc}:{name} ({', '.join(city_of(line) for line in lines)})")
            else:
                found.append((countries[cc], lines[0]))
    if present:
        raise SystemExit("now in the places files, take out of NOT_IN_PLACES: " + ", ".join(present))
    if ambiguous:
        raise SystemExit("give the state in US_STATES: " + ", ".join(ambiguous))
    stop_if_missing(missing)
    return found


def listed_lines(places, towns):
    """(country, line) of towns given by city and country."""
    lines = [(country, places.line(city, country)) for city, country in towns]
    stop_if_missing([f"{city} ({country})" for (city, country), (_, line) in zip(towns, lines)
                     if line is None])
    return lines


def world_lines(places, countries):
    towns = communities_abroad(places, countries)
    towns += listed_lines(places, [(city, "Israël") for city in ISRAEL_COMMUNITIES])
    towns += listed_lines(places, OVERSEAS_COMMUNITIES)
    towns.sort(key=lambda t: (sort_key(t[0]), sort_key(city_of(t[1]))))
    lines = [line for _, line in towns]
    stop_if_twice(lines, "willemd.cal")
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=pathlib.Path(__file__).resolve().parents[2])
    args = parser.parse_args()
    data = pathlib.Path(args.root) / "data"
    places = PlacesFiles(data)
    world = world_lines(places, french_country_names())
    day = [line for _, line in listed_lines(places, DAY_CITIES)]
    stop_if_twice(day, "villactu.cal")
    write_list(data / "willemd.cal", world)
    write_list(data / "villactu.cal", day)
    print(f"willemd.cal: {len(world)} cities, villactu.cal: {len(day)} cities", file=sys.stderr)


if __name__ == "__main__":
    main()
