#include "events/cycles/seasons.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/names.h"
#include "events/saved_dates.h"

namespace orvane::events
{

namespace
{

/// Hour of the season of Nissan in the solar cycle, 0..23.
int heure_du_cycle(int annee)
{
    return static_cast<int>(engine::floor_mod(engine::floor_mod(annee - 1, 28) * 30 + 96, 24));
}

/// The season that falls `jour` days after April 0 of the spring year of
/// Hebrew year `annee` (any number of days), at `heures`.
Tekoufa saison(engine::CalendarEngine& e, int annee, int jour, double heures)
{
    // April `jour` through the Hebrew calendar and back gives a proper civil
    // date, whatever the month the day count leads to.
    e.annee_hebr = annee;
    e.annee_civile = annee - 3760;
    e.calcule_annee();
    e.mois_civil = 4;
    e.jour_civil = jour;
    e.jour_hebreu_du_civil();
    const int annee_h = e.annee_hebr;
    const int mois_h = e.mois_hebr;
    const int jour_h = e.jour_hebr;
    e.convertit_hebreu_civil(annee_h, mois_h, jour_h);

    Tekoufa t;
    t.jour_civil = e.jour_civil;
    t.mois_civil = e.mois_civil;
    t.annee_civile = e.annee_civile;
    t.jour_hebr = jour_h;
    t.mois_hebr = mois_h;
    t.annee_hebr = annee_h;
    t.jour_semaine = e.jour_semaine;
    t.nom_jour = std::string(engine::jours_semaine[static_cast<std::size_t>(e.jour_semaine)]);
    t.heures = heures;
    return t;
}

/// decalage_mars of the spring year of Hebrew year `annee`.
int decalage_mars_de(engine::CalendarEngine& e, int annee)
{
    e.annee_civile = annee - 3760;
    e.prepare_annee_civile();
    return e.decalage_mars;
}

} // namespace

namespace detail
{

std::array<Tekoufa, 5> calcule_tekoufot(engine::CalendarEngine& e, int annee)
{
    const DatesSauvees sauve(e);
    std::array<Tekoufa, 5> t{};
    const int a = heure_du_cycle(annee);
    const int decalage = decalage_mars_de(e, annee);
    for (int i = 1; i <= 4; ++i) {
        double heures = a - 28.5 + 7.5 * i;
        int jour = decalage + 91 * i - 273;
        if (heures < 0) {
            jour -= 1;
            heures += 24;
        } else if (heures > 24) {
            jour += 1;
            heures -= 24;
        }
        t[static_cast<std::size_t>(i)] = saison(e, annee, jour, heures);
    }
    return t;
}

Tekoufa calcule_tekoufa_nissan(engine::CalendarEngine& e, int annee)
{
    const DatesSauvees sauve(e);
    const int decalage = decalage_mars_de(e, annee);
    return saison(e, annee, decalage, heure_du_cycle(annee));
}

} // namespace detail

std::array<Tekoufa, 5> calcule_tekoufot(int annee)
{
    engine::CalendarEngine e;
    return detail::calcule_tekoufot(e, annee);
}

Tekoufa calcule_tekoufa_nissan(int annee)
{
    engine::CalendarEngine e;
    return detail::calcule_tekoufa_nissan(e, annee);
}

engine::DateCivile jours_apres(engine::DateCivile d, int n)
{
    for (int i = 0; i < n; ++i) {
        d = engine::lendemain(d);
    }
    return d;
}

engine::DateCivile calcule_guechamim(const Tekoufa& tichri)
{
    const int jours = 59 + (tichri.heures >= 18 ? 1 : 0);
    return jours_apres({tichri.annee_civile, tichri.mois_civil, tichri.jour_civil}, jours);
}

} // namespace orvane::events
