// The equation of time: how far the true sun runs ahead of the mean sun of
// the clocks. Noon by the sun falls at 12 h mean time minus the equation,
// so it moves through the year between about 11 h 44 and 12 h 14.
#pragma once

#include "engine/dates.h"

namespace orvane::zmanim
{

/// The equation of time of a civil date in minutes (true solar time minus
/// mean solar time): about +16.4 in early November, −14.2 in mid-February.
/// Taken from the sun's passage on the meridian of Greenwich.
[[nodiscard]] double equation_du_temps(const engine::DateCivile& d) noexcept;

/// The whole minutes the stringency of the equation of time ('houmra) adds
/// to a time computed in mean time: the equation's size rounded up, so
/// that the time is safe whichever way the sun runs that day.
[[nodiscard]] int minutes_houmra_equation(const engine::DateCivile& d) noexcept;

} // namespace orvane::zmanim
