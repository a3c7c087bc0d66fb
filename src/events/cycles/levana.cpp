#include "events/cycles/levana.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/names.h"
#include "events/saved_dates.h"
#include "events/year_walk.h"

#include <cmath>
#include <cstdio>

namespace orvane::events
{

namespace
{

using engine::DateHebraique;

/// `jours` days after a Hebrew date, carried over the months of its year and
/// into the next year (a day above the length of its month goes on into the
/// next month).
DateHebraique jours_apres(engine::CalendarEngine& e, DateHebraique d, std::int64_t jours)
{
    e.annee_hebr = d.annee;
    e.annee_civile = d.annee - 3760;
    e.calcule_annee();
    d.jour += static_cast<int>(jours);
    while (d.jour > jours_du_mois_hebreu(e, d.mois)) {
        d.jour -= jours_du_mois_hebreu(e, d.mois);
        if (++d.mois > 13) {
            d.mois = 1;
            ++d.annee;
            e.annee_hebr = d.annee;
            e.annee_civile = d.annee - 3760;
            e.calcule_annee();
        }
    }
    return d;
}

std::string texte_heure(int heures, int minutes, int halakim)
{
    char texte[64];
    std::snprintf(texte, sizeof texte, "%2dh %2dmn %2dhl (%2ds)", heures, minutes, halakim,
                  static_cast<int>(std::lround(halakim * 3.33333)));
    return texte;
}

bool heure_d_ete(const OptionsLevana& o, engine::DateCivile d)
{
    return o.table == TableLevana::france && o.heure_ete && o.heure_ete(d);
}

/// The limit computed with the given summer-time state of the clock.
LimiteLevana calcule(engine::CalendarEngine& e, const engine::EntreeMolad& m, int offset, bool ete,
                     const OptionsLevana& o)
{
    const int correction = o.table == TableLevana::france ? correction_france : correction_israel;
    std::int64_t parties = std::int64_t{m.heures} * 1080 + m.minutes * 18 + m.halakim + offset +
                           correction + (ete ? 1080 : 0);
    const std::int64_t jours = engine::floor_div(parties, engine::halakim_par_jour);
    parties -= jours * engine::halakim_par_jour;

    LimiteLevana l;
    const DateHebraique d = jours_apres(e, {m.annee_hebr, m.mois_hebr, m.jour_hebr}, jours);
    e.convertit_hebreu_civil(d.annee, d.mois, d.jour);
    l.civile = {e.annee_civile, e.mois_civil, e.jour_civil};
    l.annee_hebr = d.annee;
    l.mois_hebr = d.mois;
    l.jour_hebr = d.jour;
    l.jour_semaine = e.jour_semaine;
    l.heures = static_cast<int>(parties / 1080);
    l.minutes = static_cast<int>((parties % 1080) / 18);
    l.halakim = static_cast<int>(parties % 18);
    l.ete = ete;
    l.texte = texte_heure(l.heures, l.minutes, l.halakim);
    return l;
}

void indique_la_nuit(LimiteLevana& l, SorteLimite sorte, const OptionsLevana& o)
{
    if (!o.indique_nuit || l.heures <= 6 || l.heures >= 18) {
        return;
    }
    const std::string jour(engine::jours_semaine[static_cast<std::size_t>(l.jour_semaine)]);
    if (o.table == TableLevana::israel) {
        l.texte = (sorte == SorteLimite::debut ? "Nuit qui suit  " : "Nuit précédant ") + jour;
    } else {
        l.texte += " " + jour;
    }
}

} // namespace

LimiteLevana limite_levana(engine::CalendarEngine& e, int slot, int annee, int offset,
                           SorteLimite sorte, const OptionsLevana& o)
{
    const DatesSauvees sauve(e);
    e.calcule_molad_mois(slot, annee, true);
    const engine::EntreeMolad m = e.table_molad[static_cast<std::size_t>(slot)];
    const bool ete_du_molad = heure_d_ete(o, {m.annee_civile, m.mois_civil, m.jour_civil});
    LimiteLevana l = calcule(e, m, offset, ete_du_molad, o);
    const bool ete_de_la_limite = heure_d_ete(o, l.civile);
    if (ete_de_la_limite != ete_du_molad) {
        l = calcule(e, m, offset, ete_de_la_limite, o);
    }
    if (o.houmra) {
        // The stringency is added just before the time is written, for the
        // civil day of the limit.
        const int minutes = o.houmra(l.civile);
        if (minutes != 0) {
            l = calcule(e, m, offset + 18 * minutes, ete_de_la_limite, o);
        }
    }
    indique_la_nuit(l, sorte, o);
    return l;
}

} // namespace orvane::events
