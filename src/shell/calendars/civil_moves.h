// The moves of the civil calendar window (TFNCH1) through the era: by a
// day, a month, a number of years, and the dates its spin fields give.
// Years are astronomical (year 0 is 1 BC); the calendar is Julian to 4
// October 1582 and Gregorian from 15 October 1582, and no move lands on one
// of the ten days in between nor leaves the era of the verified conversions
// (7 October −3760, the day of 1 Tichri 1, to 31 December 9999).
//
//   deplace_jours_civils({1582, 10, 4}, 1)       // {1582, 10, 15}
//   deplace_annees_civiles({1583, 10, 10}, -1)   // {1582, 10, 4}
//   deplace_jours_civils({-3760, 10, 7}, -1)     // nothing
#pragma once

#include "engine/dates.h"

#include <optional>

namespace orvane::shell
{

/// The day after (`n` = 1) or before (`n` = −1) `d`; nothing outside the era.
[[nodiscard]] std::optional<engine::DateCivile> deplace_jours_civils(const engine::DateCivile& d,
                                                                     int n);

/// The next (`n` = 1) or previous (`n` = −1) month, the day kept within it;
/// a day from 5 to 14 landing in October 1582 becomes 15 going up and 4
/// going down; nothing outside the era.
[[nodiscard]] std::optional<engine::DateCivile> deplace_mois_civil(const engine::DateCivile& d,
                                                                   int n);

/// `n` years later (earlier when negative), the day kept within its month
/// (29 February → 28), the days dropped in October 1582 as for the months;
/// nothing outside the era.
[[nodiscard]] std::optional<engine::DateCivile> deplace_annees_civiles(const engine::DateCivile& d,
                                                                       int n);

/// The nearest day of the era.
[[nodiscard]] engine::DateCivile dans_l_ere_civile(const engine::DateCivile& d);

/// The day field set to `jour` from `d`: a day of the month is taken, past
/// its end day 1 of the next month, 0 or less the last day of the month
/// before; in October 1582 a dropped day becomes 15 when coming from the
/// days before the gap and 4 otherwise (5 → 15, 14 → 4 as the field steps);
/// within the era (a day before the 7th in October −3760 becomes the 7th).
[[nodiscard]] engine::DateCivile date_du_jour_civil_saisi(const engine::DateCivile& d, int jour);

/// The month field set to `mois`: above 12 January of the next year, 0 or
/// less December of the year before, the day within the month, a dropped
/// day of October 1582 becoming 15; within the era (a month before October
/// in year −3760 becomes October).
[[nodiscard]] engine::DateCivile date_du_mois_civil_saisi(const engine::DateCivile& d, int mois);

/// The astronomical year field set to `annee`: kept within −3760..9999, the
/// day within the month, a dropped day of October 1582 becoming 15; within
/// the era.
[[nodiscard]] engine::DateCivile date_de_l_annee_civile_saisie(const engine::DateCivile& d,
                                                               int annee);

/// The astronomical year of a year as usually written (`annee_ecrite`, no
/// year 0: −1 is the astronomical 0). A written 0, reached by stepping the
/// field, stands for the year after or before the one shown before
/// (`ecrite_avant`): from 1 it goes to −1, from −1 to 1.
[[nodiscard]] int annee_astronomique(int annee_ecrite, int ecrite_avant) noexcept;

} // namespace orvane::shell
