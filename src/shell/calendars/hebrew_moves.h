// The moves of the Hebrew calendar window (TFHebr1) through the era: by a
// day, a month, a number of years, and the dates its spin fields give. No
// move lands on a month the year does not have (Adar II of a common year)
// nor on a day its month lacks, and none leaves the era of the verified
// conversions (1 Tichri 1 to 28 Hechvan 13760).
//
//   deplace_jours({5785, 6, 29}, 1)     // {5785, 8, 1}: 5785 is common
//   deplace_annees({5784, 7, 10}, 10)   // {5794, 6, 10}: Adar II → Adar
//   deplace_jours({1, 1, 1}, -1)        // nothing: the first day of the era
#pragma once

#include "engine/dates.h"

#include <optional>

namespace orvane::shell
{

/// The day after (`n` = 1) or before (`n` = −1) `d`; nothing outside the era.
[[nodiscard]] std::optional<engine::DateHebraique> deplace_jours(const engine::DateHebraique& d,
                                                                 int n);

/// The next (`n` = 1) or previous (`n` = −1) month that the year has, with
/// the day kept within it (30 Hechvan → 29 Kislev of a deficient year);
/// nothing outside the era.
[[nodiscard]] std::optional<engine::DateHebraique> deplace_mois(const engine::DateHebraique& d,
                                                                int n);

/// `n` years later (earlier when negative): Adar II becomes Adar first, as
/// every jump of years does, then the day is kept within the month of the
/// target year (30 Adar I → 29 Adar of a common year); nothing outside the
/// era.
[[nodiscard]] std::optional<engine::DateHebraique> deplace_annees(const engine::DateHebraique& d,
                                                                  int n);

/// The nearest date of the era: the first day for a date before it, the
/// last for a date after it.
[[nodiscard]] engine::DateHebraique dans_l_ere_hebraique(const engine::DateHebraique& d);

/// The day field set to `jour` from `d`: a day of the month is taken; past
/// the month's end, day 1 of the next month the year has (29 Adar of a
/// common year and 30 give 1 Nissan); 0 or less, the last day of the month
/// before; kept within the era (0 on 1 Tichri 1 stays 1 Tichri 1).
[[nodiscard]] engine::DateHebraique date_du_jour_saisi(const engine::DateHebraique& d, int jour);

/// The month field set to `mois`: above 13, Tichri of the next year; 0 or
/// less, Eloul of the year before; Adar II of a common year becomes Nissan
/// going up and Adar going down; the day within the month; within the era.
[[nodiscard]] engine::DateHebraique date_du_mois_saisi(const engine::DateHebraique& d, int mois);

/// The year field set to `annee`: Adar II becomes Adar in a common year, the
/// day within the month; within the era.
[[nodiscard]] engine::DateHebraique date_de_l_annee_saisie(const engine::DateHebraique& d,
                                                           int annee);

} // namespace orvane::shell
