#!/usr/bin/env python3
"""Builds data/willefr.cal, the list of the French cities that have a Jewish
community, which the annual calendar runs over to make the page of every
city ("Fic liste Willefr.cal"), and the French lists of the zmanim tables:
data/villefr.cal, the cities of the books ("Livre"), and data/villepl.cal,
the cities of the plaque lists.

Inputs: the places files that gen_places.py writes (data/lieu.cal, then
data/lieu_all.cal for the towns that only the long file holds), the
hand-kept list of french_communities.py and the plaque cities of
list_cities.py.

Outputs (Windows-1252, CR LF, like every file of the program): one line of
the places files per town, copied as it stands there (city, two tabs,
country, tab, latitude, tab, longitude, tab, offset). willefr.cal and
villefr.cal hold every town of the communities, sorted by name as the
places files are; villepl.cal holds the plaque cities in the order of
their list, the largest communities first. A town of the lists that
neither places file holds stops the generator with its name: the lists
and the places data must agree. A plaque city must be a town of the
communities.

Usage: gen_willefr.py [--root REPO]
"""

import argparse
import pathlib
import sys

from city_lists import PlacesFiles, city_of, sort_key, stop_if_missing, write_list
from french_communities import FRENCH_COMMUNITIES
from list_cities import PLAQUE_CITIES

COUNTRY = "France"


def community_names():
    names = []
    for department, towns in FRENCH_COMMUNITIES.items():
        names += [f"{town} ({department})" for town in towns]
    duplicates = sorted({n for n in names if names.count(n) > 1})
    if duplicates:
        raise SystemExit("listed twice: " + ", ".join(duplicates))
    return names


def french_lines(places, names):
    lines = [places.line(name, COUNTRY) for name in names]
    stop_if_missing([name for name, line in zip(names, lines) if line is None])
    return lines


def plaque_lines(places, communities):
    strangers = [name for name in PLAQUE_CITIES if name not in communities]
    if strangers:
        raise SystemExit("plaque cities without a community: " + ", ".join(strangers))
    if len(set(PLAQUE_CITIES)) != len(PLAQUE_CITIES):
        raise SystemExit("a plaque city is listed twice")
    return french_lines(places, PLAQUE_CITIES)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=pathlib.Path(__file__).resolve().parents[2])
    args = parser.parse_args()
    data = pathlib.Path(args.root) / "data"
    places = PlacesFiles(data)
    names = community_names()
    lines = sorted(french_lines(places, names), key=lambda line: sort_key(city_of(line)))
    plaque = plaque_lines(places, set(names))
    write_list(data / "willefr.cal", lines)
    write_list(data / "villefr.cal", lines)
    write_list(data / "villepl.cal", plaque)
    in_short = sum(1 for line in lines if places.in_short_file(line))
    print(f"willefr.cal, villefr.cal: {len(lines)} cities, {in_short} of them in lieu.cal; "
          f"villepl.cal: {len(plaque)} cities", file=sys.stderr)


if __name__ == "__main__":
    main()
