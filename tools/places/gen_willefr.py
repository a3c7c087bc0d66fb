#!/usr/bin/env python3
"""Builds data/willefr.cal, the list of the French cities that have a Jewish
community, which the annual calendar runs over to make the page of every
city ("Fic liste Willefr.cal").

Inputs: the places files that gen_places.py writes (data/lieu.cal, then
data/lieu_all.cal for the towns that only the long file holds) and the
hand-kept list of french_communities.py.

Output (Windows-1252, CR LF, like every file of the program): one line of
the places files per town, copied as it stands there (city, two tabs,
country, tab, latitude, tab, longitude, tab, offset), sorted by name as the
places files are. A town of the list that neither places file holds stops
the generator with its name: the list and the places data must agree.

Usage: gen_willefr.py [--root REPO]
"""

import argparse
import pathlib
import sys
import unicodedata

from french_communities import FRENCH_COMMUNITIES

COUNTRY = "France"


def without_accents(text):
    return "".join(c for c in unicodedata.normalize("NFKD", text) if not unicodedata.combining(c))


def sort_key(text):
    return (without_accents(text).lower(), text)


def read_places(path):
    """{city: line} of the French cities of a places file."""
    places = {}
    for line in path.read_bytes().decode("cp1252").splitlines():
        fields = line.split("\t")
        if len(fields) >= 6 and fields[2] == COUNTRY:
            places.setdefault(fields[0], line)
    return places


def community_names():
    names = []
    for department, towns in FRENCH_COMMUNITIES.items():
        names += [f"{town} ({department})" for town in towns]
    duplicates = sorted({n for n in names if names.count(n) > 1})
    if duplicates:
        raise SystemExit("listed twice: " + ", ".join(duplicates))
    return names


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=pathlib.Path(__file__).resolve().parents[2])
    args = parser.parse_args()
    data = pathlib.Path(args.root) / "data"
    short = read_places(data / "lieu.cal")
    large = read_places(data / "lieu_all.cal")
    lines, missing = [], []
    for name in community_names():
        line = short.get(name) or large.get(name)
        if line is None:
            missing.append(name)
        else:
            lines.append(line)
    if missing:
        raise SystemExit("not in the places files: " + ", ".join(missing))
    lines.sort(key=lambda line: sort_key(line.split("\t")[0]))
    (data / "willefr.cal").write_bytes("".join(l + "\r\n" for l in lines).encode("cp1252"))
    in_short = sum(1 for line in lines if line.split("\t")[0] in short)
    print(f"willefr.cal: {len(lines)} cities, {in_short} of them in lieu.cal", file=sys.stderr)


if __name__ == "__main__":
    main()
