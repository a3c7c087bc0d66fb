// The limits of the blessing of the new moon (Birkat Halévana): from 3 days
// (Ashkenazi custom) or 7 days (Sephardi custom) after the molad to the
// middle of the month, 14 days 18 hours 396 halakim after it.
//
// The molad is given in Jerusalem mean time; a limit is moved to the local
// clock by a correction (France: 1 h 21 mn earlier, then the summer hour of
// France; Israel: 21 mn earlier).
#pragma once

#include "engine/dates.h"

#include <functional>
#include <string>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

/// Offsets after the molad, in halakim.
inline constexpr int debut_levana_achkenaze = 77760;  // 3 days
inline constexpr int debut_levana_sepharade = 181440; // 7 days
inline constexpr int fin_levana = 382716;             // 14 days 18 hours 396 halakim

/// Corrections from Jerusalem mean time to the local clock, in halakim.
inline constexpr int correction_france = -1458; // 1 h 21 mn earlier
inline constexpr int correction_israel = -378;  // 21 mn earlier

enum class TableLevana { france, israel };
enum class SorteLimite { debut, fin };

/// Whether a civil day is in summer time in France (its clock one hour
/// ahead). Empty: never.
using HeureEteFrance = std::function<bool(engine::DateCivile)>;

/// Minutes added to a limit for a civil date (the equation of time taken as
/// a stringency); empty: none.
using MinutesHoumra = std::function<int(engine::DateCivile)>;

struct OptionsLevana {
    TableLevana table = TableLevana::france;
    bool indique_nuit = false; // name the night of a limit that falls in daytime
    HeureEteFrance heure_ete;
    MinutesHoumra houmra;
};

/// A limit: its Hebrew and civil day, weekday and clock time.
struct LimiteLevana {
    int jour_hebr = 0;
    int mois_hebr = 0;
    int annee_hebr = 0;
    engine::DateCivile civile;
    int jour_semaine = 0;
    int heures = 0;
    int minutes = 0;
    int halakim = 0;
    bool ete = false;  // France: summer time ("é"), else winter ("h")
    std::string texte; // " 5h 49mn  0hl ( 0s)", or the night it falls in
};

/// The limit `offset` halakim after the molad of `slot` (1..14) of Hebrew
/// year `annee`. The date fields of `e` are left as found.
[[nodiscard]] LimiteLevana limite_levana(engine::CalendarEngine& e, int slot, int annee, int offset,
                                         SorteLimite sorte, const OptionsLevana& options);

} // namespace orvane::events
