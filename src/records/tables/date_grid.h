// The date grid of the record viewer: the birth in both calendars, the next
// anniversary by the Hebrew date, and the Bar-Mitsva or Bat-Mitsva day.
//
//   grille_des_dates("10/05/1998", "M", {2024, 6, 1})
//   // row 1: "Naissance civile" | "Dimanche" | "10" | "Mai" | "1998"
//   // row 2: "Naissance hebr."  | "Dimanche" | "14" | "Iyar" | "5758"
//   // rows 3-4: "Prochain anniversaire", Monday 12 May 2025, 14 Iyar 5785
//   // rows 5-6: "Bar Mitzva", Wednesday 18 May 2011, 14 Iyar 5771
#pragma once

#include "engine/dates.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::records
{

/// Seven rows of five cells: the title, then the day name, the day, the
/// month name and the year. Row 0 is the grid's fixed heading row, empty.
struct GrilleDesDates {
    std::array<std::array<std::string, 5>, 7> cases;
};

/// The grid for the text of the birth date edit ("jj/mm/aaaa"). The day
/// and night flag plays no part: the Hebrew date is that of the civil day.
/// The next anniversary is the first one today or later (the first line of
/// prochains_anniversaires). The Bar-Mitsva is 13 Hebrew years after the
/// birth when the civility is exactly "M", otherwise the Bat-Mitsva 12
/// years after it ("M." gives "Bat Mitzva"), carried by the rule of
/// date_bar_mitsva; its rows stay empty past the years the calendar reaches.
/// None when the text is not exactly 10 characters long (the grid is left
/// as it was). Throws ValeurRefusee for a text of 10 characters that is not
/// a date of the years 100 to 9999.
[[nodiscard]] std::optional<GrilleDesDates> grille_des_dates(std::string_view naissance,
                                                             std::string_view civilite,
                                                             engine::DateCivile aujourdhui);

} // namespace orvane::records
