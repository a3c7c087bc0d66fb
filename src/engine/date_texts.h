// Padding helpers and the date lines of today. Widths count characters.
#pragma once

#include "engine/dates.h"

#include <string>
#include <string_view>

namespace orvane::platform
{
class Clock;
}

namespace orvane::engine
{

class CalendarEngine;

/// Decimal text of `n` with blanks in front up to `largeur` characters:
/// cadre_nombre(7, 2) is " 7"; a longer number is returned whole.
[[nodiscard]] std::string cadre_nombre(long long n, int largeur);

/// The text, cut to 80 characters, with blanks at its end up to `largeur`
/// (at most 80): complete_espaces("07", 4) is "07  ".
[[nodiscard]] std::string complete_espaces(std::string_view texte, int largeur);

/// The text, cut to 80 characters, with "0" in front up to `largeur` (at
/// most 80): complete_zeros("7", 2) is "07".
[[nodiscard]] std::string complete_zeros(std::string_view texte, int largeur);

/// A civil year as texts write it: there is no year 0, so years of 0 or
/// less are written one lower (0 → "-1").
[[nodiscard]] int annee_civile_ecrite(int annee) noexcept;

/// "Dimanche  05  Janvier 2025": padded weekday, a blank, the day in two
/// digits completed to 4 characters, the month name, a blank, the year.
[[nodiscard]] std::string ligne_date_civile(int jour_semaine, const DateCivile& d);

/// "Dimanche  05  Tevet   5785": as the civil line, with the Hebrew month
/// name of the record's table (entry 6 as its last leap status left it).
[[nodiscard]] std::string ligne_date_hebraique(const CalendarEngine& e, int jour_semaine,
                                               const DateHebraique& d);

/// Today's civil and Hebrew date lines, for the day page and the clock.
struct DatesDuJour {
    std::string ligne_date_civile;
    std::string ligne_date_hebraique;
};

/// Reads today's date from the clock, converts it in `e` (whose date fields
/// are left on today) and writes the two lines.
DatesDuJour ecrit_dates_du_jour(CalendarEngine& e, const platform::Clock& horloge);

/// Today's civil date into aujourdhui_annee, aujourdhui_mois, aujourdhui_jour.
void lit_aujourdhui(CalendarEngine& e, const platform::Clock& horloge);

} // namespace orvane::engine
