#include "records/carrying.h"

#include "engine/arithmetic.h"

namespace orvane::records
{

namespace
{

int nb_mois(int annee) noexcept
{
    return engine::annee_hebr_embolismique(annee) ? 13 : 12;
}

// Month number h of ajoute_mois and the year it falls in (steps 1 to 6).
engine::MoisHebreu mois_ajoute(int mois, int annee, int n)
{
    const int c = nb_mois(annee);
    int f = mois + n + 1;
    int a = annee;
    if (f > 14) {
        f = mois + n - 12;
        a = annee + 1;
    }
    const int c2 = nb_mois(a);
    int h = (c2 == 12 && f == 7) ? 6 : f;
    if (c == 12 && c2 == 13) {
        if (mois == 8 && h == 7) {
            h = 6;
        }
        if (mois > 8) {
            --h;
        }
    }
    if (c == 13 && mois == 1) {
        h = n + 1;
    }
    if (c == 13 && mois == 2) {
        h = n + 2;
        if (h > 13) {
            a = annee + 1;
        }
    }
    if (c == 13 && c2 == 12 && f > 1 && f < 8) {
        h = f - 1;
    }
    if (c2 == 13 && h > 6) {
        h = f - 1;
    }
    if (h > 13) {
        h -= 13;
        a = annee + 1;
    }
    return {a, h};
}

} // namespace

engine::DateHebraique reporte_date(const engine::DateHebraique& origine, int annee_cible)
{
    const auto [annee_origine, mois, jour] = origine;
    const bool origine_commune = nb_mois(annee_origine) == 12;
    const bool cible_commune = nb_mois(annee_cible) == 12;
    if (mois == 6 && origine_commune && !cible_commune) {
        return {annee_cible, 7, jour};
    }
    if (mois == 7 && jour < 30 && cible_commune) {
        return {annee_cible, 6, jour};
    }
    if (mois == 6 && jour == 30 && !origine_commune && cible_commune) {
        return {annee_cible, 8, 1};
    }
    if ((mois == 2 || mois == 3) && jour == 30) {
        const engine::MoisDeLAnnee cible = engine::mois_de_l_annee(annee_cible);
        if (cible.jours(mois) == 29) {
            return {annee_cible, mois + 1, 1}; // 1 Kislev, 1 Tevet
        }
    }
    return {annee_cible, mois, jour};
}

engine::DateHebraique ajoute_mois(const engine::DateHebraique& d, int n)
{
    const engine::MoisHebreu m = mois_ajoute(d.mois, d.annee, n);
    if (d.jour > engine::longueur_mois_hebreu(m.annee, m.mois)) {
        // Past the end of the month: the 1st of the month after it, never
        // the missing Adar II of a common year.
        const engine::MoisHebreu suivant = engine::mois_suivant(m);
        return {suivant.annee, suivant.mois, 1};
    }
    return {m.annee, m.mois, d.jour};
}

} // namespace orvane::records
