#include "engine/dates.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/month_grid_steps.h"

#include <cstdio>
#include <ostream>

namespace orvane::engine
{

namespace
{

std::ostream& ecrit_date(std::ostream& os, int annee, int mois, int jour)
{
    char texte[40];
    std::snprintf(texte, sizeof texte, "%d-%02d-%02d", annee, mois, jour);
    return os << texte;
}

} // namespace

std::ostream& operator<<(std::ostream& os, const DateCivile& d)
{
    return ecrit_date(os, d.annee, d.mois, d.jour);
}

std::ostream& operator<<(std::ostream& os, const DateHebraique& d)
{
    return ecrit_date(os, d.annee, d.mois, d.jour) << " (hébreu)";
}

int jours_du_mois_civil(int annee, int mois) noexcept
{
    constexpr int longueurs[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mois == 2 ? jours_fevrier(annee) : longueurs[mois];
}

DateCivile lendemain(DateCivile d) noexcept
{
    if (d.annee == 1582 && d.mois == 10 && d.jour == 4) {
        return {1582, 10, 15};
    }
    if (d.jour < jours_du_mois_civil(d.annee, d.mois)) {
        return {d.annee, d.mois, d.jour + 1};
    }
    if (d.mois < 12) {
        return {d.annee, d.mois + 1, 1};
    }
    return {d.annee + 1, 1, 1};
}

DateCivile veille(DateCivile d) noexcept
{
    if (d.annee == 1582 && d.mois == 10 && d.jour == 15) {
        return {1582, 10, 4};
    }
    if (d.jour > 1) {
        return {d.annee, d.mois, d.jour - 1};
    }
    if (d.mois > 1) {
        return {d.annee, d.mois - 1, jours_du_mois_civil(d.annee, d.mois - 1)};
    }
    return {d.annee - 1, 12, 31};
}

DateHebraique lendemain(const DateHebraique& d)
{
    // Every month has 29 days at least, but Adar I, which common years
    // lack: up to the 28th the day after needs no year worked out.
    constexpr int plus_court_des_mois = 29;
    constexpr int adar_premier = 7;
    if (d.jour < plus_court_des_mois && d.mois >= 1 && d.mois <= 13 && d.mois != adar_premier) {
        return {d.annee, d.mois, d.jour + 1};
    }
    if (d.jour < longueur_mois_hebreu(d.annee, d.mois)) {
        return {d.annee, d.mois, d.jour + 1};
    }
    const MoisHebreu suivant = mois_suivant({d.annee, d.mois});
    return {suivant.annee, suivant.mois, 1};
}

DateHebraique veille(const DateHebraique& d)
{
    if (d.jour > 1) {
        return {d.annee, d.mois, d.jour - 1};
    }
    const MoisHebreu precedent = mois_precedent({d.annee, d.mois});
    return {precedent.annee, precedent.mois, longueur_mois_hebreu(precedent.annee, precedent.mois)};
}

DateHebraique hebraique_du_civil(DateCivile d)
{
    CalendarEngine e;
    e.convertit_civil_hebreu(d.annee, d.mois, d.jour);
    return {e.annee_hebr, e.mois_hebr, e.jour_hebr};
}

DateCivile civil_de_l_hebreu(const DateHebraique& d)
{
    CalendarEngine e;
    e.convertit_hebreu_civil(d.annee, d.mois, d.jour);
    return {e.annee_civile, e.mois_civil, e.jour_civil};
}

} // namespace orvane::engine
