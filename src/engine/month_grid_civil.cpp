#include "engine/month_grid_civil.h"

#include "engine/arithmetic.h"
#include "engine/dates.h"
#include "platform/clock.h"

#include <algorithm>

namespace orvane::engine
{

namespace
{

// The ten days that the reform of October 1582 dropped, after day 4.
constexpr int dernier_jour_julien = 4;
constexpr int jours_supprimes = 10;

// The year rule of the grid puts a day of the gap on 16 October; the other
// changes put it on 15 October, the first Gregorian day.
constexpr int jour_apres_lacune_annee = 16;
constexpr int jour_apres_lacune = 15;

} // namespace

GrilleMoisCivil::GrilleMoisCivil(const platform::Clock& horloge) : GrilleMois(horloge)
{
    prend_aujourdhui();
    met_a_jour();
}

void GrilleMoisCivil::prend_aujourdhui()
{
    const platform::LocalDate d = horloge_.today();
    annee_ = d.annee;
    mois_ = d.mois;
    jour_ = d.jour;
}

int GrilleMoisCivil::jours_du_mois(int annee, int mois) const
{
    return jours_du_mois_civil(annee, std::clamp(mois, 1, 12));
}

bool GrilleMoisCivil::est_bissextile(int annee) const
{
    return annee_civile_bissextile(annee);
}

int GrilleMoisCivil::jour_semaine_du_premier()
{
    return jour_semaine(DateCivile{annee_, mois_, 1});
}

int GrilleMoisCivil::jour_du_rang(int rang) const
{
    return octobre_1582() && rang > dernier_jour_julien ? rang + jours_supprimes : rang;
}

int GrilleMoisCivil::rang_du_jour(int jour) const
{
    return octobre_1582() && jour > dernier_jour_julien ? jour - jours_supprimes : jour;
}

void GrilleMoisCivil::applique(int annee, int mois, int jour, int jour_dans_la_lacune)
{
    annee_ = annee;
    mois_ = std::clamp(mois, 1, 12);
    jour_ = std::clamp(jour, 1, jours_du_mois(annee_, mois_));
    if (octobre_1582() && jour_ > dernier_jour_julien &&
        jour_ <= dernier_jour_julien + jours_supprimes) {
        jour_ = jour_dans_la_lacune;
    }
    date_changee();
    met_a_jour();
}

bool GrilleMoisCivil::setYear(int annee)
{
    if (annee == annee_) {
        return false;
    }
    applique(annee, mois_, jour_, jour_apres_lacune_annee);
    return true;
}

bool GrilleMoisCivil::setMonth(int mois)
{
    if (mois == mois_) {
        return false;
    }
    if (mois <= 0) {
        applique(annee_ - 1, 12, jour_, jour_apres_lacune);
    } else if (mois >= 13) {
        applique(annee_ + 1, 1, jour_, jour_apres_lacune);
    } else {
        applique(annee_, mois, jour_, jour_apres_lacune);
    }
    return true;
}

bool GrilleMoisCivil::setDay(int jour)
{
    if (jour == jour_) {
        return false;
    }
    if (jour > jours_ce_mois()) {
        const DateCivile d = lendemain(DateCivile{annee_, mois_, jours_ce_mois()});
        applique(d.annee, d.mois, d.jour, jour_apres_lacune);
    } else if (jour <= 0) {
        const DateCivile d = veille(DateCivile{annee_, mois_, 1});
        applique(d.annee, d.mois, d.jour, jour_apres_lacune);
    } else {
        applique(annee_, mois_, jour, jour_apres_lacune);
    }
    return true;
}

void GrilleMoisCivil::setDate(const DateCivile& d)
{
    applique(d.annee, d.mois, d.jour, jour_apres_lacune);
}

} // namespace orvane::engine
