// The Hebrew date of an event. The Hebrew day begins at nightfall: an event
// between nightfall and midnight (flag "N") belongs to the next Hebrew day.
//
//   date_hebraique_evenement({2024, 10, 2}, "N")
//   // civil 2 October 2024 (29 Eloul 5784), Hebrew 1 Tichri 5785, Thursday
#pragma once

#include "records/day_lines.h"

#include <string_view>

namespace orvane::records
{

/// True for the night flag "N" or "n" (blanks around it ignored); "J", "j"
/// and an empty flag are day.
[[nodiscard]] bool est_de_nuit(std::string_view jour_nuit);

/// The Hebrew date and weekday of an event on civil date `d`. At night the
/// Hebrew date and the weekday are those of the next day (past the end of
/// the month day 1 of the next month: Nissan after Adar of a common year,
/// Tichri of the next year after Eloul); the civil date stays.
[[nodiscard]] JourComplet date_hebraique_evenement(engine::DateCivile d,
                                                   std::string_view jour_nuit);

/// The hints of the day-or-night box of the record window, for a death, a
/// birth and a burial.
inline constexpr std::string_view aide_jour_nuit_deces =
    "Répondre par J (Jour) ou N (Nuit, si le décès a eu lieu entre tombée de la nuit et "
    "minuit).\rSi cette case est vide, c'est le Jour qui est pris en compte.";
inline constexpr std::string_view aide_jour_nuit_naissance =
    "Répondre par J (Jour) ou N (Nuit, si la naissance a eu lieu entre tombée de la nuit et "
    "minuit).\rSi cette case est vide, c'est le Jour qui est pris en compte.";
inline constexpr std::string_view aide_jour_nuit_inhumation =
    "Répondre par J (Jour) ou N (Nuit, si l'inhumation a eu lieu entre tombée de la nuit et "
    "minuit).\rSi cette case est vide, c'est le Jour qui est pris en compte.";

} // namespace orvane::records
