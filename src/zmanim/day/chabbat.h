// The entry and the exit of the Sabbath.
//
// The entry is the sunset less the Tossefet (18 minutes in the Diaspora, 20
// in Israel, 40 in Jerusalem), taken on the written sunset so that both
// always differ by exactly the Tossefet on the page; it is never before the
// plag hamin'ha. The Beth Din of Paris fixed, year by year from 2008 to
// 2012, a longest interval between the stars and the exit.
#pragma once

#include "zmanim/day/day_times.h"

namespace orvane::zmanim
{

/// The entry texts from the sunset texts less `tossefet` minutes, on two
/// digits each like every other slot, brought back into 0..23 h. Sunset
/// 21:58 less 18 minutes gives {"21", "40", "00"}; near the pole, where the
/// sun of May sets after midnight, 00:30 less 18 minutes gives {"00", "12",
/// "00"}.
[[nodiscard]] TexteHoraire texte_entree(const TexteHoraire& coucher, int tossefet);

/// The Sabbath exit of the Beth Din of Paris on a civil date, from the exit
/// at 8.5° and the stars (hours): stars + 6 minutes before 30 September 2008
/// (and always with the "Vaudrel" setting, except on Kippour); then the exit
/// at 8.5° but at most 8, 10, 12 and 14 minutes after the stars in the years
/// beginning 30 September 2008, 19 September 2009, 9 September 2010 and
/// 29 September 2011; from 17 September 2012 the 8.5° exit unchanged.
[[nodiscard]] double sortie_beth_din(double t_sortie, double t_etoiles,
                                     const engine::DateCivile& date, bool vaudrel, bool kippour);

} // namespace orvane::zmanim
