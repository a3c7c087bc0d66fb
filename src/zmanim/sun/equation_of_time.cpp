#include "zmanim/sun/equation_of_time.h"

#include "zmanim/sun/soleil.h"

#include <cmath>

namespace orvane::zmanim
{

double equation_du_temps(const engine::DateCivile& d) noexcept
{
    // At the equator the sun's rising and setting lie symmetrically about
    // its passage on the meridian, to a few seconds.
    const PassagesSoleil p = passages_soleil(d, 0.0, 0.0, sinus_lever_coucher(34.0, false), 0.0);
    const double midi_vrai = (p.lever + p.coucher) / 2;
    return (12.0 - midi_vrai) * 60.0;
}

int minutes_houmra_equation(const engine::DateCivile& d) noexcept
{
    return static_cast<int>(std::ceil(std::fabs(equation_du_temps(d))));
}

} // namespace orvane::zmanim
