#!/usr/bin/python3
"""Writes data/tehilim.dta and data/michna.dta, the texts read on the day of
a yahrzeit for each letter of the name of the deceased.

    /usr/bin/python3 tools/records/gen_reading_texts.py [SOURCES_DIR [DATA_DIR]]

SOURCES_DIR holds psaume119_wlc.tsv and mishna_par_lettre.tsv (default
/work/shared/sources), DATA_DIR receives the two files (default data/ of the
source tree).

- tehilim.dta: Psalm 119, whose 22 stanzas of eight verses each begin with
  one letter of the alphabet in turn; the section of a letter is its stanza.
- michna.dta: for each letter, mishnayot that begin with it; and the
  section "ncmh" (נשמה, "soul"), Mikvaot 7:4 to 7:7, whose initials spell the
  word and which are customarily read after the letters of the name.

Both files begin with the attribution of their source, then one section per
letter. A section begins with a line "@" followed by its key: the Latin
letter of the Hebrew letter ("@a" alef ... "@t" tav; "@ncmh" for נשמה); its
next line is the name of the letter in Hebrew, then the verses (each "(n)"
followed by the verse) or the mishnayot (the tractate in Hebrew with its
chapter:mishna, then the text), an empty line after each.

The program stores Hebrew as Latin letters, one per glyph, in the
left-to-right order of the glyphs (events/hebrew_letters.h), shown with the
font hebrew.TTF: vowels and cantillation marks are dropped (the font has no
glyph for them), the maqaf becomes "-", the sof pasuq ":", final kaf and
final pe become their plain letters (the font has only final mem, nun and
tsadi). Lines are cut between words at 45 characters, then each line is
reversed into the order of the glyphs, numbers ("119", "7:4") kept in their
own order and brackets turned. The files are Windows-1252 with CR LF.
"""

import pathlib
import re
import sys
import unicodedata

LATIN = {
    "א": "a", "ב": "b", "ג": "g", "ד": "d", "ה": "h", "ו": "w", "ז": "z",
    "ח": "j", "ט": "f", "י": "y", "כ": "k", "ך": "k", "ל": "l", "ם": "\\",
    "מ": "m", "ן": "}", "נ": "n", "ס": "s", "ע": "u", "פ": "p", "ף": "p",
    "ץ": "{", "צ": "x", "ק": "q", "ר": "r", "ש": "c", "ת": "t",
}
PUNCTUATION = {"\u05be": "-", "\u05c3": ":", "\u05c0": "", "\u05f3": "'", "\u05f4": '"'}
KEPT = set(" .,:;'\"()-0123456789")
MIRRORED = {"(": ")", ")": "("}
FINAL_TO_PLAIN = {"ך": "כ", "ם": "מ", "ן": "נ", "ף": "פ", "ץ": "צ"}

LETTER_NAMES = {
    "א": "אלף", "ב": "בית", "ג": "גימל", "ד": "דלת", "ה": "הא", "ו": "וו",
    "ז": "זין", "ח": "חית", "ט": "טית", "י": "יוד", "כ": "כף", "ל": "למד",
    "מ": "מם", "נ": "נון", "ס": "סמך", "ע": "עין", "פ": "פא", "צ": "צדי",
    "ק": "קוף", "ר": "ריש", "ש": "שין", "ת": "תו", "נשמה": "נשמה",
}
TRACTATES = {
    "Mikvaot": "מקואות", "Kilayim": "כלאים", "Berakhot": "ברכות",
    "Peah": "פאה", "Pirkei Avot": "פרקי אבות", "Shabbat": "שבת",
    "Yoma": "יומא", "Maaser Sheni": "מעשר שני", "Demai": "דמאי",
}
ALPHABET = "אבגדהוזחטיכלמנסעפצקרשת"
WIDTH = 45

HEADER_COMMON = [
    "Texte hébreu en lettres latines de la police hebrew.TTF, dans l'ordre des glyphes "
    "de gauche à droite, sans voyelles ni signes de cantillation.",
    "Une section par lettre : une ligne « @ » suivie de la lettre, puis le nom de la "
    "lettre et les passages.",
    "Fichier produit par tools/records/gen_reading_texts.py.",
]


def plain(text):
    """Hebrew letters and punctuation only: marks dropped, punctuation mapped."""
    out = []
    for ch in unicodedata.normalize("NFC", text):
        if ch in PUNCTUATION:
            out.append(PUNCTUATION[ch])
        elif unicodedata.category(ch) == "Mn":
            continue
        else:
            out.append(ch)
    return re.sub(r" +", " ", "".join(out)).strip()


def wrap(text, width=WIDTH):
    lines, line = [], ""
    for word in text.split(" "):
        if len(word) > width:
            sys.exit(f"word longer than a line: {word}")
        if line and len(line) + 1 + len(word) > width:
            lines.append(line)
            line = word
        else:
            line = f"{line} {word}" if line else word
    if line:
        lines.append(line)
    return lines


def glyph_order(line):
    """The line in the left-to-right order of its glyphs, as Latin letters."""
    reversed_line = "".join(MIRRORED.get(ch, ch) for ch in reversed(line))
    # Numbers read left to right inside the right-to-left line.
    reversed_line = re.sub(r"\d+(?::\d+)?", lambda m: m.group(0)[::-1], reversed_line)
    out = []
    for ch in reversed_line:
        if ch in LATIN:
            out.append(LATIN[ch])
        elif ch in KEPT:
            out.append(ch)
        else:
            sys.exit(f"character without a glyph: {ch!r} (U+{ord(ch):04X}) in {line}")
    return "".join(out)


def key_of(letter):
    return "".join(LATIN[ch] for ch in letter)


def read_tsv(path):
    rows = []
    header = []
    for raw in path.read_text(encoding="utf-8").splitlines():
        if raw.startswith("#"):
            header.append(raw.lstrip("# ").strip())
        elif raw.strip():
            rows.append(raw.split("\t"))
    return header, rows


def section(letter, passages):
    """passages: lists of logical-order lines, each list one verse or mishna."""
    lines = ["@" + key_of(letter), glyph_order(LETTER_NAMES[letter])]
    for passage in passages:
        for logical in passage:
            lines.append(glyph_order(logical))
        lines.append("")
    return lines


def tehilim(sources):
    header, rows = read_tsv(sources / "psaume119_wlc.tsv")
    stanzas = {}
    for letter, verse, text in rows:
        stanzas.setdefault(letter, []).append(wrap(f"({int(verse)}) {plain(text)}"))
    if list(stanzas) != list(ALPHABET) or any(len(v) != 8 for v in stanzas.values()):
        sys.exit("psaume119_wlc.tsv: 22 stanzas of 8 verses expected, in alphabetical order")
    lines = [
        "Psaume 119 (176 versets), Westminster Leningrad Codex (domaine public), balisage "
        "de l'Open Scriptures Hebrew Bible (wlc/Ps.xml, dépôt openscriptures/morphhb).",
        "Source : " + header[0],
    ] + HEADER_COMMON
    for letter in ALPHABET:
        lines += section(letter, stanzas[letter])
    return lines


def reference(text):
    m = re.fullmatch(r"(.+?) (\d+):(\d+)", text)
    if not m or m.group(1) not in TRACTATES:
        sys.exit(f"mishna_par_lettre.tsv: unknown reference {text}")
    return f"{TRACTATES[m.group(1)]} {int(m.group(2))}:{int(m.group(3))}"


def michna(sources):
    header, rows = read_tsv(sources / "mishna_par_lettre.tsv")
    by_letter = {}
    for letter, ref, text in rows:
        body = plain(text)
        first = FINAL_TO_PLAIN.get(body.lstrip("(")[0], body.lstrip("(")[0])
        if letter != "נשמה" and first != letter:
            sys.exit(f"mishna_par_lettre.tsv: {ref} does not begin with {letter}")
        by_letter.setdefault(letter, []).append([reference(ref)] + wrap(body))
    if sorted(by_letter) != sorted(list(ALPHABET) + ["נשמה"]):
        sys.exit("mishna_par_lettre.tsv: a section for each letter and for נשמה expected")
    lines = [
        "Michna, édition Romm, Vilna 1913 (domaine public), d'après Sefaria/Sefaria-Export "
        "(cltk-flat).",
        "Source : " + header[0],
    ] + HEADER_COMMON
    for letter in list(ALPHABET) + ["נשמה"]:
        lines += section(letter, by_letter[letter])
    return lines


def write(path, lines):
    if any(line.startswith("@") and not re.fullmatch(r"@[a-z]+", line) for line in lines):
        sys.exit(f"{path.name}: a text line begins with @")
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("cp1252"))
    print(f"{path}: {len(lines)} lines")


def main():
    root = pathlib.Path(__file__).resolve().parents[2]
    sources = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path("/work/shared/sources")
    data = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else root / "data"
    write(data / "tehilim.dta", tehilim(sources))
    write(data / "michna.dta", michna(sources))


if __name__ == "__main__":
    main()
