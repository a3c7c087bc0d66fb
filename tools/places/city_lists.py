"""What the generators of the city lists (gen_willefr.py, gen_world_lists.py)
share: the lines of the places files, found by city and country, and the
writing of a list.

A city list is a file of lines of the places files, copied as they stand
there (city, two tabs, country, tab, latitude, tab, longitude, tab,
offset), in Windows-1252 with CR LF like every file of the program. Each
town of a list is looked up in data/lieu.cal, then in data/lieu_all.cal
for the towns only the long file holds; a town that neither holds stops
the generator with its name, so that the lists and the places data agree.
"""

import unicodedata


def without_accents(text):
    return "".join(c for c in unicodedata.normalize("NFKD", text) if not unicodedata.combining(c))


def sort_key(text):
    """The order of the places files: by name without accents or case."""
    return (without_accents(text).lower(), text)


def city_of(line):
    return line.split("\t")[0]


def country_of(line):
    return line.split("\t")[2]


def in_country(line, country):
    """True for a line of the country or of one of its region keys
    ("Australie (Queensland)" is a place of "Australie")."""
    field = country_of(line)
    return field == country or field.startswith(country + " (")


def read_lines(path):
    return [line for line in path.read_bytes().decode("cp1252").splitlines() if line]


class PlacesFiles:
    """The lines of data/lieu.cal and of data/lieu_all.cal."""

    def __init__(self, data):
        self.files = [read_lines(data / "lieu.cal"), read_lines(data / "lieu_all.cal")]
        self.index = []
        for lines in self.files:
            by_place = {}
            for line in lines:
                fields = line.split("\t")
                if len(fields) >= 6:
                    by_place.setdefault((fields[0], fields[2]), line)
            self.index.append(by_place)

    def line(self, city, country):
        """The line of the city whose country field is `country`, from
        lieu.cal or else from lieu_all.cal; None when neither holds it."""
        for by_place in self.index:
            if (city, country) in by_place:
                return by_place[(city, country)]
        return None

    def matching(self, test):
        """The lines that pass `test` in lieu.cal or, when none there does,
        in lieu_all.cal."""
        for lines in self.files:
            found = [line for line in lines if test(line)]
            if found:
                return found
        return []

    def in_short_file(self, line):
        return line in self.index[0].values()


def stop_if_missing(missing):
    if missing:
        raise SystemExit("not in the places files: " + ", ".join(missing))


def stop_if_twice(lines, what):
    seen, twice = set(), []
    for line in lines:
        if line in seen:
            twice.append(city_of(line))
        seen.add(line)
    if twice:
        raise SystemExit(f"{what}: listed twice: " + ", ".join(twice))


def write_list(path, lines):
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("cp1252"))
