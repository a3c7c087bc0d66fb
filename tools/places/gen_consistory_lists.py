#!/usr/bin/env python3
"""Builds the two lists of towns of the consistory's outputs of the annual
calendar:

- data/villcons.cal, the places of "Iphone consistoire" when the city is
  "AA_Ville": the main communities of France (the plaque cities of
  list_cities.py, the largest first) and the towns of Israel where the
  French-speaking community is largest, each as its line of the places
  files (city, two tabs, country, tab, latitude, tab, longitude, tab,
  offset);
- data/villetset.txt, the towns of the nightfall tables of the Admour
  Hazaken ("Tables Tset Hakokhavim Admour Hazaken (6,54°)"): one town a
  line, tab-separated city, country, latitude, longitude and the offset
  from universal time, from the same places lines.

Inputs: the places files that gen_places.py writes (data/lieu.cal, then
data/lieu_all.cal). A town of the lists that neither holds stops the
generator with its name. Outputs in Windows-1252 with CR LF, like every
file of the program.

Usage: gen_consistory_lists.py [--root REPO]
"""

import argparse
import pathlib

from city_lists import PlacesFiles, stop_if_missing, stop_if_twice, write_list
from list_cities import PLAQUE_CITIES

ISRAEL = "Israël"

# Towns of Israel whose French-speaking communities the consistory serves.
CONSISTORY_ISRAEL = ["Jérusalem", "Tel-Aviv", "Netanya", "Ashdod", "Ra'anana", "Haïfa"]

# The towns of the Admour Hazaken's tables: the French cities of the
# largest communities, Kfar Habad, and the communities abroad where the
# tables are used most, by city and country.
TSET_TOWNS = [
    ("PARIS (75)", "France"), ("MARSEILLE (13)", "France"), ("LYON (69)", "France"),
    ("TOULOUSE (31)", "France"), ("NICE (06)", "France"), ("STRASBOURG (67)", "France"),
    ("Jérusalem", ISRAEL), ("Kfar Habad", ISRAEL), ("Bruxelles", "Belgique"),
    ("Anvers", "Belgique"), ("Genève", "Suisse"), ("Londres", "Royaume-Uni"),
    ("Montréal", "Canada"),
]


def lines_of(places, towns):
    lines = [places.line(city, country) for city, country in towns]
    stop_if_missing([f"{city} ({country})" for (city, country), line in zip(towns, lines)
                     if line is None])
    return lines


def tset_line(places_line):
    """city, country, latitude, longitude, offset, separated by tabs."""
    fields = places_line.split("\t")
    return "\t".join([fields[0], fields[2], fields[3], fields[4], fields[5]])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--root", type=pathlib.Path,
                        default=pathlib.Path(__file__).resolve().parents[2])
    args = parser.parse_args()
    data = args.root / "data"
    places = PlacesFiles(data)
    consistory = lines_of(places, [(c, "France") for c in PLAQUE_CITIES]
                          + [(c, ISRAEL) for c in CONSISTORY_ISRAEL])
    stop_if_twice(consistory, "villcons.cal")
    write_list(data / "villcons.cal", consistory)
    tset = [tset_line(line) for line in lines_of(places, TSET_TOWNS)]
    write_list(data / "villetset.txt", tset)


if __name__ == "__main__":
    main()
