// The period of the mailing: the records whose next anniversary falls from
// a start date to N days later.
#pragma once

#include "engine/dates.h"

namespace orvane::records
{

/// The years the start-date box accepts.
inline constexpr int annee_mailing_min = 1900;
inline constexpr int annee_mailing_max = 2500;
inline constexpr int jours_mailing_max = 30;

/// The start date from the three boxes: a day beyond the length of the
/// month becomes day 1 of the next month, month 13 January of the next
/// year; day and month below 1 are taken as 1 and the year is kept within
/// 1900..2500 (31 December 2500 at the latest), so that the result is always
/// a real date.
[[nodiscard]] engine::DateCivile debut_de_periode(int jour, int mois, int annee) noexcept;

/// The last day of the period: the start day + `jours` (0..30) in the start
/// month, the month's length taken off and the month advanced when it goes
/// beyond it ("20 February + 15" of a common year is 7 March), as often as
/// needed ("31 January + 30" of a common year is 2 March).
[[nodiscard]] engine::DateCivile fin_de_periode(engine::DateCivile debut, int jours) noexcept;

/// True when `d` lies from `debut` to `fin`, both included.
[[nodiscard]] bool dans_la_periode(engine::DateCivile d, engine::DateCivile debut,
                                   engine::DateCivile fin) noexcept;

} // namespace orvane::records
