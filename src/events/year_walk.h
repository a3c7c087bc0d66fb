// Walking the days of one Hebrew year without converting each of them.
#pragma once

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"

namespace orvane::events
{

/// Days of Hebrew month `mois` of the year set up in `e` (0 for Adar II of a
/// common year).
[[nodiscard]] inline int jours_du_mois_hebreu(const engine::CalendarEngine& e, int mois)
{
    return mois == 13 ? 29 : e.longueur_mois_hebr[static_cast<std::size_t>(mois)];
}

/// Day of the Hebrew year set up in `e` (1 = 1 Tichri) of day `jour` of
/// month `mois`; months 6 and 7 count 29 and 0 days in a common year, so that
/// "1 Adar II" of a common year is 1 Nissan.
[[nodiscard]] inline int jour_de_l_annee(const engine::CalendarEngine& e, int mois, int jour)
{
    int n = jour;
    for (int m = 1; m < mois; ++m) {
        n += jours_du_mois_hebreu(e, m);
    }
    return n;
}

/// Weekday (1 Sunday .. 7 Chabbat) of day `jour` of month `mois` of the
/// Hebrew year set up in `e`. Days beyond their month count on.
[[nodiscard]] inline int jour_semaine_hebreu(const engine::CalendarEngine& e, int mois, int jour)
{
    return engine::jour_modulo_7(e.jour_rh + jour_de_l_annee(e, mois, jour) - 1);
}

/// Sets up Hebrew year `annee` in `e` (civil year of its spring) and calls
/// `f()` for each of its days in order, with mois_hebr, jour_hebr and
/// jour_semaine of `e` describing that day. The civil fields are not
/// touched; convert a day when its civil date is needed.
template <class F>
void pour_chaque_jour_de_l_annee(engine::CalendarEngine& e, int annee, F&& f)
{
    e.annee_hebr = annee;
    e.annee_civile = annee - 3760;
    e.calcule_annee();
    const int jour_rh = e.jour_rh;
    int n = 0; // days since 1 Tichri
    for (int mois = 1; mois <= 13; ++mois) {
        const int longueur = jours_du_mois_hebreu(e, mois);
        for (int jour = 1; jour <= longueur; ++jour, ++n) {
            e.annee_hebr = annee;
            e.mois_hebr = mois;
            e.jour_hebr = jour;
            e.jour_semaine = engine::jour_modulo_7(jour_rh + n);
            f();
        }
    }
}

} // namespace orvane::events
