#include "engine/month_grid_civil.h"

#include "engine/arithmetic.h"
#include "engine/civil_dates.h"
#include "platform/clock.h"

#include <algorithm>

namespace orvane::engine
{

namespace
{

// Days of the months before month `mois` in a year with a 28-day February.
constexpr int jours_avant_mois[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// The ten days that the reform of October 1582 dropped, after day 4.
constexpr int dernier_jour_julien = 4;
constexpr int jours_supprimes = 10;

// The year rule of the grid puts a day of the gap on 16 October; the other
// changes put it on 15 October, the first Gregorian day.
constexpr int jour_apres_lacune_annee = 16;
constexpr int jour_apres_lacune = 15;

bool avant_reforme(int annee, int mois, int jour) noexcept
{
    return annee < 1582 || (annee == 1582 && (mois < 10 || (mois == 10 && jour < 15)));
}

// Days that the Gregorian calendar is ahead of the Julian one on that date:
// 10 from the reform, one more for each century year not divisible by 400
// from its 29 February (Julian) on.
int correction_gregorienne(int annee, int mois, int jour) noexcept
{
    if (avant_reforme(annee, mois, jour)) {
        return 0;
    }
    int correction =
        static_cast<int>(10 + floor_div(annee - 1601, 100) - floor_div(annee - 1601, 400));
    if (mois > 2 && annee % 100 == 0 && annee % 400 != 0) {
        ++correction;
    }
    return correction;
}

} // namespace

int jour_semaine_civil(int annee, int mois, int jour) noexcept
{
    std::int64_t n = floor_div(annee - 1, 4) + annee + 5 + jours_avant_mois[mois] + jour;
    n -= correction_gregorienne(annee, mois, jour);
    if (mois > 2 && floor_mod(annee, 4) == 0) {
        ++n; // 29 February of the Julian count
    }
    return jour_modulo_7(n);
}

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
    return jour_semaine_civil(annee_, mois_, 1);
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
        const DateCivile d = lendemain({annee_, mois_, jours_ce_mois()});
        applique(d.annee, d.mois, d.jour, jour_apres_lacune);
    } else if (jour <= 0) {
        const DateCivile d = veille({annee_, mois_, 1});
        applique(d.annee, d.mois, d.jour, jour_apres_lacune);
    } else {
        applique(annee_, mois_, jour, jour_apres_lacune);
    }
    return true;
}

void GrilleMoisCivil::setDate(int annee, int mois, int jour)
{
    applique(annee, mois, jour, jour_apres_lacune);
}

} // namespace orvane::engine
