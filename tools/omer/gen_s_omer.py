#!/usr/bin/python3
"""Writes data/s_omer.dta, the Hebrew texts of the fifty days of the Omer.

    /usr/bin/python3 tools/omer/gen_s_omer.py [OUTPUT]

One line per day from 16 Nissan (day 1) to 6 Sivan (Chavouot, day 50),
three fields separated by tabs:

1. the counting sentence said that evening ("היום יום אחד לעומר",
   "היום שמונה ימים שהם שבוע אחד ויום אחד לעומר" ...), "חג השבועות" on day 50;
2. the Hebrew date in letters with geresh and gershayim (ט"ז ניסן ... ו' סיון);
3. a compact count: the day in Hebrew numerals, and from day 7 the weeks
   (ש, שבועות) and the days beyond them (י, ימים), each number in letters
   with gershayim: 'ל"ב - ד"ש וד"י' is day 32, four weeks and four days.

Every text is composed here from the rule of the count, never typed day by
day. The program stores Hebrew in Latin letters in the left-to-right order of
the glyphs: each field is reversed, then each letter replaced by its Latin
letter (final mem, nun and tsadi are "\\", "}" and "{"). The file is
Windows-1252 (plain ASCII in fact) with CR LF; the program reads 80
characters of a line and 20 of the third field, so the generator stops when a
line or a field would be cut.
"""

import pathlib
import sys

LATIN = {
    "א": "a", "ב": "b", "ג": "g", "ד": "d", "ה": "h", "ו": "w", "ז": "z",
    "ח": "j", "ט": "f", "י": "y", "כ": "k", "ל": "l", "ם": "\\", "מ": "m",
    "ן": "}", "נ": "n", "ס": "s", "ע": "u", "פ": "p", "ץ": "{", "צ": "x",
    "ק": "q", "ר": "r", "ש": "c", "ת": "t",
}
KEPT = set(" '\"-")

MAX_LINE = 80
MAX_SECOND_TEXT = 20

# Cardinal numbers of the count, as the prayer books write them.
UNITS_DAYS = {  # "N days" for 2..10, the noun after them being ימים
    2: "שני", 3: "שלשה", 4: "ארבעה", 5: "חמשה", 6: "ששה",
    7: "שבעה", 8: "שמונה", 9: "תשעה", 10: "עשרה",
}
UNITS_BEFORE_TEN = {  # the unit before עשר and before the tens
    1: "אחד", 2: "שנים", 3: "שלשה", 4: "ארבעה", 5: "חמשה",
    6: "ששה", 7: "שבעה", 8: "שמונה", 9: "תשעה",
}
TENS = {2: "עשרים", 3: "שלשים", 4: "ארבעים"}
WEEKS = {
    1: "שבוע אחד", 2: "שני שבועות", 3: "שלשה שבועות", 4: "ארבעה שבועות",
    5: "חמשה שבועות", 6: "ששה שבועות", 7: "שבעה שבועות",
}
REST = {  # the days beyond the weeks, joined with ו
    1: "ויום אחד", 2: "ושני ימים", 3: "ושלשה ימים", 4: "וארבעה ימים",
    5: "וחמשה ימים", 6: "וששה ימים",
}


def days_text(n):
    """'יום אחד', 'שני ימים' ... 'עשרה ימים', 'אחד עשר יום' ... 'תשעה וארבעים יום'."""
    if n == 1:
        return "יום אחד"
    if n <= 10:
        return UNITS_DAYS[n] + " ימים"
    if n < 20:
        return UNITS_BEFORE_TEN[n - 10] + " עשר יום"
    tens, unit = divmod(n, 10)
    if unit == 0:
        return TENS[tens] + " יום"
    return UNITS_BEFORE_TEN[unit] + " ו" + TENS[tens] + " יום"


def counting_sentence(n):
    """The sentence of the evening of day n (1..49); Chavouot on day 50."""
    if n == 50:
        return "חג השבועות"
    weeks, rest = divmod(n, 7)
    sentence = "היום " + days_text(n)
    if weeks:
        sentence += " שהם " + WEEKS[weeks]
        if rest:
            sentence += " " + REST[rest]
    return sentence + " לעומר"


def letters(n):
    """Hebrew numeral letters of 1..99: 15 and 16 are ט"ו and ט"ז, not י"ה, י"ו."""
    tens_letters = ["", "י", "כ", "ל", "מ", "נ", "ס", "ע", "פ", "צ"]
    unit_letters = ["", "א", "ב", "ג", "ד", "ה", "ו", "ז", "ח", "ט"]
    if n in (15, 16):
        return "ט" + unit_letters[n - 9]
    return tens_letters[n // 10] + unit_letters[n % 10]


def numeral(n):
    """A number in letters with its mark: geresh after one letter, gershayim
    before the last of several."""
    t = letters(n)
    return t + "'" if len(t) == 1 else t[:-1] + '"' + t[-1]


HEBREW_MONTHS = {8: "ניסן", 9: "אייר", 10: "סיון"}


def hebrew_date(n):
    """Month (8 Nissan, 9 Iyar, 10 Sivan) and day of day n of the count:
    Nissan has 30 days and Iyar 29 in every year."""
    day = 15 + n
    if day <= 30:
        return 8, day
    day -= 30
    if day <= 29:
        return 9, day
    return 10, day - 29


def compact_count(n):
    if n == 50:
        return "שבועות"
    weeks, rest = divmod(n, 7)
    text = numeral(n)
    if weeks:
        # weeks and days are 1..7: one letter, then gershayim and the
        # initial of the noun, as abbreviations are written (ד"ש, ד"י)
        text += " - " + letters(weeks) + '"ש'
        if rest:
            text += " ו" + letters(rest) + '"י'
    return text


def stored(text):
    """The program's storage of a Hebrew text: glyphs left to right as Latin letters."""
    out = []
    for c in reversed(text):
        if c in LATIN:
            out.append(LATIN[c])
        elif c in KEPT:
            out.append(c)
        else:
            raise SystemExit(f"no Latin letter for {c!r} in {text!r}")
    return "".join(out)


def lines():
    result = []
    for n in range(1, 51):
        month, day = hebrew_date(n)
        fields = [
            counting_sentence(n),
            numeral(day) + " " + HEBREW_MONTHS[month],
            compact_count(n),
        ]
        line = "\t".join(stored(f) for f in fields)
        if len(line) > MAX_LINE:
            raise SystemExit(f"day {n}: {len(line)} characters, more than {MAX_LINE}")
        if len(fields[2]) > MAX_SECOND_TEXT:
            raise SystemExit(f"day {n}: compact count longer than {MAX_SECOND_TEXT}")
        result.append(line)
    return result


def main():
    root = pathlib.Path(__file__).resolve().parents[2]
    target = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "data" / "s_omer.dta"
    data = "".join(line + "\r\n" for line in lines()).encode("cp1252")
    target.write_bytes(data)
    print(f"{target}: {len(lines())} lines")


if __name__ == "__main__":
    main()
