// The days of the round-trip benchmarks: every civil day of 1900 to 2100,
// and the checksum that two implementations of the conversions must share.
#pragma once

#include "engine/calendar_engine.h"
#include "engine/dates.h"

#include <cstdint>
#include <vector>

namespace orvane::bench
{

/// Every civil day from 1 January 1900 to 31 December 2100 (73 414 days).
inline std::vector<engine::DateCivile> jours_1900_a_2100()
{
    std::vector<engine::DateCivile> jours;
    for (engine::DateCivile d{1900, 1, 1}; d.annee <= 2100; d = engine::lendemain(d)) {
        jours.push_back(d);
    }
    return jours;
}

/// Contribution of one round trip to the checksum: the Hebrew date found
/// (months in the engine's numbering, 6 Adar / Adar I, 7 Adar II, 13 Eloul)
/// and the civil date it converts back to.
[[nodiscard]] constexpr std::int64_t terme_de_controle(int annee_hebr, int mois_hebr, int jour_hebr,
                                                       const engine::DateCivile& retour) noexcept
{
    return jour_hebr + 31 * mois_hebr + 400 * (annee_hebr - 5660) + retour.jour + 31 * retour.mois +
           400 * (retour.annee - 1900);
}

/// Checksum of the round trips of `jours` through the engine: each day to its
/// Hebrew date, that date back to a civil one.
inline std::int64_t somme_aller_retour(engine::CalendarEngine& e,
                                       const std::vector<engine::DateCivile>& jours)
{
    std::int64_t somme = 0;
    for (const engine::DateCivile& d : jours) {
        e.convertit_civil_hebreu(d.annee, d.mois, d.jour);
        const int annee = e.annee_hebr, mois = e.mois_hebr, jour = e.jour_hebr;
        e.convertit_hebreu_civil(annee, mois, jour);
        somme += terme_de_controle(annee, mois, jour,
                                   engine::DateCivile{e.annee_civile, e.mois_civil, e.jour_civil});
    }
    return somme;
}

} // namespace orvane::bench
