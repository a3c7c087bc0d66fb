// Carrying a Hebrew date to another year, and counting months from a date:
// the rules of anniversaries and of the months of mourning.
//
// A common year has 12 months and no Adar II; a leap year has Adar I (6) and
// Adar II (7). Hechvan and Kislev have 29 or 30 days by the type of the year.
#pragma once

#include "engine/month_grid_steps.h"

namespace orvane::records
{

/// The Hebrew date `jour` `mois` of year `annee_origine` in year
/// `annee_cible`:
/// 1. Adar of a common year into a leap year: Adar II;
/// 2. Adar II (day below 30) into a common year: Adar;
/// 3. 30 Adar I of a leap year into a common year: 1 Nissan;
/// 4. 30 Hechvan into a year whose Hechvan has 29 days: 1 Kislev;
/// 5. 30 Kislev into a year whose Kislev has 29 days: 1 Tevet;
/// 6. otherwise the same day and month.
/// An existing date always lands on an existing date.
[[nodiscard]] engine::DateHebraique reporte_date(const engine::DateHebraique& origine,
                                                 int annee_cible);

/// The Hebrew date `n` months after `d` (the 11 and 12 months of mourning),
/// by the case table of the program: the month number is shifted by n with
/// the year's missing Adar II of common years taken into account in either
/// year, and a day that the month reached lacks becomes day 1 of the month
/// after it (Nissan after Adar of a common year). 25 Av 5784 + 11 months:
/// 25 Tamouz 5785.
[[nodiscard]] engine::DateHebraique ajoute_mois(const engine::DateHebraique& d, int n);

} // namespace orvane::records
