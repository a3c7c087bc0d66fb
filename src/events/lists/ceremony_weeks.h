// The births whose Bar-Mitsva (a boy at 13) or Bat-Mitsva (a girl at 12)
// falls in a given Hebrew year, grouped by the Chabbat of their ceremony:
// the first Chabbat on or after the day the child comes of age.
#pragma once

#include "engine/dates.h"

#include <vector>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

/// Years of age at the ceremony.
[[nodiscard]] constexpr int age_de_la_majorite(bool fille) noexcept
{
    return fille ? 12 : 13;
}

/// A run of consecutive birth days whose ceremonies fall in the week that
/// `chabbat` ends (after the Chabbat before, up to this one).
struct SemaineDeCeremonie {
    engine::DateCivile premiere_naissance;
    engine::DateCivile derniere_naissance;
    engine::DateCivile chabbat;
};

/// The weeks of the Chabbatot of ceremony year `annee`: from the first
/// Chabbat of the year to the Chabbat of its last ceremony (in Tichri of the
/// next year when 29 Eloul is not a Chabbat), each week with every birth
/// whose ceremony falls in it, in the order of the Chabbatot; weeks without
/// a birth are left out. Most weeks have one run. When the children born in
/// Adar I and Adar II of a leap year both come of age in the one Adar of a
/// common year, an Adar week has two runs, the Adar I births first; a birth
/// of 30 Adar I comes of age on 1 Nissan. The ceremony is that of
/// date_bar_mitsva. Nothing for a year outside 1..13759 or without births
/// in the calendar's era. The conversions are made in `e`.
[[nodiscard]] std::vector<SemaineDeCeremonie> semaines_de_ceremonie(engine::CalendarEngine& e,
                                                                    int annee, bool fille);

} // namespace orvane::events
