// The two lines of a record, as the store files hold them after the record
// number and its tab.
//
// Names line:
//   births   COR civility name first-name ADR care-of number address
//            postal-code town country OBS telephone-and-notes
//   deaths   DC civility name first-name, then the contact group as above
//   events   EVEN text
// Dates line:
//   births   NAIS <date> BAR day month year --> day month year PAR reading
//            ANI <next>
//   deaths   DC <date> INH <burial date> ANI <next>
//   events   EVEN <date> ANI <next>
// where <date> is: weekday, civil day, month number, year, J or N, -->,
// Hebrew day, month name, year; and <next>: weekday, day, civil month
// name, year, -->, Hebrew day, month name, year. Every marker and every
// value is a field of its own, with one tab between two fields; in a field
// every control character is a blank and every run of blanks one blank; the
// Bar-Mitsva dates are written with a field for the day, the month and the
// year, the blanks of the Hebrew month name made tabs too ("Adar II" takes
// two fields).
//
// A line built from a record and read back gives the same record, and a
// line the program wrote, read and built again, is the same line.
#pragma once

#include "records/anniversaries.h"
#include "records/store/record.h"

#include <string>
#include <string_view>

namespace orvane::records
{

/// The contents of the two lines of a record, without the record number.
struct LignesFiche {
    std::string noms;
    std::string dates;
    friend bool operator==(const LignesFiche&, const LignesFiche&) = default;
};

/// The marker that opens the dates line of the family: "NAIS", "DC", "EVEN".
[[nodiscard]] std::string_view marqueur_de_la_famille(Famille famille) noexcept;

/// The two lines of `fiche` in the format of `famille`.
[[nodiscard]] LignesFiche construit_lignes(Famille famille, const Fiche& fiche);

/// What the lines of `fiche` hold once written: the parts of the family,
/// each field as champ_ecrit makes it (the day and the year of a Bar-Mitsva
/// date as mot_ecrit does). lit_lignes(construit_lignes(f)) gives it back.
[[nodiscard]] Fiche fiche_ecrite(Famille famille, const Fiche& fiche);

/// The record of two line contents (without their numbers), its groups
/// found by their markers; a group that is missing leaves its fields empty.
[[nodiscard]] Fiche lit_lignes(Famille famille, std::string_view noms, std::string_view dates);

/// True when the dates line has no date: its main date group (after the
/// family marker) holds neither a civil nor a Hebrew day, month or year, or
/// the line holds nothing at all. A dates line in which the family marker
/// cannot be found but that holds something is not taken for empty.
[[nodiscard]] bool sans_date(Famille famille, std::string_view dates);

} // namespace orvane::records
