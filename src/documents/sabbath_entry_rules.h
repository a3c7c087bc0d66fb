// The rules of the Sabbath entry that the annual calendar can print in
// place of the usual one (sunset less the Tossefet):
//
//   0 "Année : Heure normale (cas général)"      the usual entry
//   1 "Eté : Entre Plag et Plag + 15 mim (BDP)"  in summer time, no later
//                                                 than plag + 15 minutes
//   2 "Eté : Entre Plag et l'heure normale"       in summer time, from plag:
//   3 "Année : Entre Plag et l'heure normale"     all year, from plag:
//                                                 the earliest entry, plag
//   4..7 "Eté : Limite à 20h" … "20h40"           in summer time, no later
//                                                 than 20:00, 20:15, 20:30,
//                                                 20:40
//
// An entry is never earlier than plag, nor later than the usual one.
#pragma once

#include "zmanim/day/day_times.h"

namespace orvane::documents
{

/// The entry of rule `regle` (0..7) for a day whose usual entry and plag
/// stand in `jour`, `ete` when the day is in summer time.
[[nodiscard]] zmanim::TexteHoraire entree_selon_la_regle(const zmanim::DayTimes& jour, int regle,
                                                         bool ete);

} // namespace orvane::documents
