#include "engine/civil_dates.h"

#include "engine/arithmetic.h"

namespace orvane::engine
{

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

} // namespace orvane::engine
