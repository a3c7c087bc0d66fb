// The dates of the two calendars as values. Fields are in the order year,
// month, day everywhere, so that a date handed on never has its numbers
// swapped; an impossible date may exist and is refused where it is typed.
#pragma once

namespace orvane::engine
{

/// A civil date (year, month 1..12, day): Julian to 4 October 1582,
/// Gregorian from 15 October 1582.
struct DateCivile {
    int annee = 0;
    int mois = 0;
    int jour = 0;
    friend auto operator<=>(const DateCivile&, const DateCivile&) = default;
};

/// A Hebrew date (year, month 1 Tichri .. 6 Adar / Adar I, 7 Adar II .. 13
/// Eloul, day).
struct DateHebraique {
    int annee = 0;
    int mois = 0;
    int jour = 0;
    friend auto operator<=>(const DateHebraique&, const DateHebraique&) = default;
};

} // namespace orvane::engine
