// Whether a civil day is kept in summer time in France, from the loaded
// summer-time tables: the limits of Birkat Halévana are given on the French
// clock, so they move by an hour on the days of summer time.
#pragma once

#include "engine/dates.h"

#include <functional>

namespace orvane::places
{

class TablesEte;

/// True on the days France keeps summer time; winter time when France has
/// no table. The tables must outlive the function.
[[nodiscard]] std::function<bool(engine::DateCivile)> heure_ete_france(const TablesEte& tables);

} // namespace orvane::places
