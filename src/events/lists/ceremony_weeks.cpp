#include "events/lists/ceremony_weeks.h"

#include "engine/calendar_engine.h"
#include "engine/date_validity.h"
#include "events/lists/list_rows.h"
#include "events/readings/bar_mitsva.h"

#include <algorithm>

namespace orvane::events
{

namespace
{

using engine::DateCivile;
using engine::NumeroJour;

NumeroJour numero_hebreu(engine::CalendarEngine& e, const engine::DateHebraique& d)
{
    return engine::numero_du_civil(jour_de_liste(e, d).civil);
}

/// The Chabbat on or after day `n`.
NumeroJour chabbat_suivant(NumeroJour n)
{
    return n + (7 - engine::jour_semaine(n));
}

/// The Chabbat of the ceremony of the child born on day `naissance`.
NumeroJour chabbat_de_la_ceremonie(engine::CalendarEngine& e, NumeroJour naissance, bool fille)
{
    const DateCivile c = engine::civil_du_numero(naissance);
    e.convertit_civil_hebreu(c.annee, c.mois, c.jour);
    const engine::DateHebraique ceremonie =
        date_bar_mitsva({e.annee_hebr, e.mois_hebr, e.jour_hebr}, fille);
    return chabbat_suivant(numero_hebreu(e, ceremonie));
}

struct Serie {
    NumeroJour premiere;
    NumeroJour derniere;
    NumeroJour chabbat;
};

} // namespace

std::vector<SemaineDeCeremonie> semaines_de_ceremonie(engine::CalendarEngine& e, int annee,
                                                      bool fille)
{
    const int naissance = annee - age_de_la_majorite(fille);
    if (naissance < 1 || annee > derniere_annee_des_listes) {
        return {};
    }
    const NumeroJour premier_chabbat = chabbat_suivant(numero_hebreu(e, {annee, 1, 1}));
    const NumeroJour dernier_chabbat = chabbat_suivant(numero_hebreu(e, {annee, 13, 29}));
    // The ceremonies of a week lie at most six days before 1 Tichri or after
    // 29 Eloul; in Tichri and Eloul the child comes of age on the day of his
    // birth, so the births lie as close to the birth year.
    const NumeroJour debut = std::max(numero_hebreu(e, {naissance, 1, 1}) - 7,
                                      engine::numero_du_civil(engine::premier_jour_ere));
    const NumeroJour fin = numero_hebreu(e, {naissance + 1, 1, 1}) + 7;

    std::vector<Serie> series;
    for (NumeroJour n = debut; n <= fin; ++n) {
        const NumeroJour chabbat = chabbat_de_la_ceremonie(e, n, fille);
        if (chabbat < premier_chabbat || chabbat > dernier_chabbat) {
            continue;
        }
        if (!series.empty() && series.back().chabbat == chabbat &&
            series.back().derniere + 1 == n) {
            series.back().derniere = n;
        } else {
            series.push_back({n, n, chabbat});
        }
    }
    std::stable_sort(series.begin(), series.end(),
                     [](const Serie& a, const Serie& b) { return a.chabbat < b.chabbat; });

    std::vector<SemaineDeCeremonie> semaines;
    for (const Serie& s : series) {
        semaines.push_back({engine::civil_du_numero(s.premiere),
                            engine::civil_du_numero(s.derniere),
                            engine::civil_du_numero(s.chabbat)});
    }
    return semaines;
}

} // namespace orvane::events
