#include "engine/month_grid_steps.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"

namespace orvane::engine
{

MoisDeLAnnee mois_de_l_annee(int annee)
{
    CalendarEngine e;
    e.annee_hebr = annee;
    e.annee_civile = annee - 3760;
    e.calcule_annee();
    MoisDeLAnnee m;
    m.annee = annee;
    m.nb_mois = e.nb_mois;
    m.longueurs = e.longueur_mois_hebr;
    m.longueurs[0] = 0;
    return m;
}

int longueur_mois_hebreu(int annee, int mois)
{
    return mois_de_l_annee(annee).jours(mois);
}

bool date_hebraique_existe(const DateHebraique& d)
{
    return d.jour >= 1 && d.jour <= longueur_mois_hebreu(d.annee, d.mois);
}

MoisHebreu mois_suivant(MoisHebreu m) noexcept
{
    if (m.mois >= 13) {
        return {m.annee + 1, 1};
    }
    if (!annee_hebr_embolismique(m.annee) && (m.mois == 6 || m.mois == 7)) {
        return {m.annee, 8};
    }
    return {m.annee, m.mois + 1};
}

MoisHebreu mois_precedent(MoisHebreu m) noexcept
{
    if (m.mois <= 1) {
        return {m.annee - 1, 13};
    }
    if (!annee_hebr_embolismique(m.annee) && (m.mois == 8 || m.mois == 7)) {
        return {m.annee, 6};
    }
    return {m.annee, m.mois - 1};
}

int mois_existant(int annee, int mois, bool en_montant) noexcept
{
    if (mois == 7 && !annee_hebr_embolismique(annee)) {
        return en_montant ? 8 : 6;
    }
    return mois;
}

DateHebraique decale_jours_hebreu(DateHebraique d, int n)
{
    for (; n > 0; --n) {
        d = lendemain(d);
    }
    for (; n < 0; ++n) {
        d = veille(d);
    }
    return d;
}

} // namespace orvane::engine
