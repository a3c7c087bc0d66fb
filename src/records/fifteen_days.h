// The fifteen days around a date (the button "Dates" of the record window):
// seven days before, the date, seven days after, each with its civil date,
// its reading or festival and its Hebrew date.
#pragma once

#include "engine/dates.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane::records
{

/// The separator written just before and just after the line of the date.
inline constexpr std::string_view separateur_quinze_jours = "------------------";

/// Headings of the list by family of record.
inline constexpr std::string_view titre_prochain_anniversaire_deces =
    "Date du prochain anniversaire du décès";
inline constexpr std::string_view titre_quinze_jours_deces =
    "Les 15 jours autour du prochain anniversaire du décès :";
inline constexpr std::string_view titre_date_evenement = "Date de l'événement";
inline constexpr std::string_view titre_prochain_anniversaire_evenement =
    "Date du prochain anniversaire de l'événement";
inline constexpr std::string_view titre_quinze_jours_evenement = "Les 15 jours autour de la date :";

/// Heading of a birth's list: "Les 15 jours autour de la " + `date` + " :".
[[nodiscard]] std::string titre_quinze_jours_naissance(std::string_view date);

/// One day of the list, as "%5s %2d %4s%5d %15s %2d %7s%5d" with widths in
/// characters: weekday, civil day, first four letters of the civil month,
/// civil year, the festival or reading of the day, Hebrew day, Hebrew month,
/// Hebrew year.
[[nodiscard]] std::string ligne_quinze_jours(engine::DateCivile jour, bool diaspora);

/// The fifteen day lines from seven days before `centre` to seven days after
/// it, with separateur_quinze_jours just before and after the line of
/// `centre` (17 lines). `centre` must be convertible (years 100..9999).
[[nodiscard]] std::vector<std::string> quinze_jours(engine::DateCivile centre, bool diaspora);

/// What a day's line names: its festival or fast, else on a Saturday its
/// reading, else its day mark (Roch-Hodech ...), padding removed; empty on
/// an ordinary day.
[[nodiscard]] std::string fete_ou_lecture(engine::DateCivile jour, bool diaspora);

} // namespace orvane::records
