// Steps between civil days: Julian to Thursday 4 October 1582, Gregorian
// from Friday 15 October 1582.
#pragma once

#include "engine/dates.h"

namespace orvane::engine
{

/// Days of civil month `mois` of `annee` (February by the rule of its era;
/// October 1582 keeps its 31 numbers although ten of its days were dropped).
[[nodiscard]] int jours_du_mois_civil(int annee, int mois) noexcept;

/// The next civil day; 4 October 1582 is followed by 15 October.
[[nodiscard]] DateCivile lendemain(DateCivile d) noexcept;

/// The previous civil day; 15 October 1582 is preceded by 4 October.
[[nodiscard]] DateCivile veille(DateCivile d) noexcept;

} // namespace orvane::engine
