#include "shell/calendars/hebrew_moves.h"

#include "engine/date_validity.h"
#include "engine/month_grid_steps.h"

#include <algorithm>

namespace orvane::shell
{

namespace
{

using engine::DateHebraique;

constexpr int adar = 6;
constexpr int adar_2 = 7;

/// The date with its day kept within its month (1 to the month's length).
DateHebraique jour_dans_le_mois(int annee, int mois, int jour)
{
    return {annee, mois, std::clamp(jour, 1, engine::longueur_mois_hebreu(annee, mois))};
}

std::optional<DateHebraique> si_dans_l_ere(const DateHebraique& d)
{
    if (!engine::dans_l_ere(d)) {
        return std::nullopt;
    }
    return d;
}

/// A year of the era or one step beyond it, where the engine still works.
int annee_bornee(int annee)
{
    return std::clamp(annee, engine::premier_jour_ere_hebreu.annee - 1,
                      engine::dernier_jour_ere_hebreu.annee + 1);
}

} // namespace

std::optional<DateHebraique> deplace_jours(const DateHebraique& d, int n)
{
    if (n < 0 && d <= engine::premier_jour_ere_hebreu) {
        return std::nullopt; // no year 0 to go to
    }
    return si_dans_l_ere(n < 0 ? engine::veille(d) : engine::lendemain(d));
}

std::optional<DateHebraique> deplace_mois(const DateHebraique& d, int n)
{
    if (n < 0 && d.annee <= engine::premier_jour_ere_hebreu.annee && d.mois == 1) {
        return std::nullopt;
    }
    const engine::MoisHebreu m =
        n < 0 ? engine::mois_precedent({d.annee, d.mois}) : engine::mois_suivant({d.annee, d.mois});
    return si_dans_l_ere(jour_dans_le_mois(m.annee, m.mois, d.jour));
}

std::optional<DateHebraique> deplace_annees(const DateHebraique& d, int n)
{
    const long long cible = static_cast<long long>(d.annee) + n;
    if (cible < engine::premier_jour_ere_hebreu.annee ||
        cible > engine::dernier_jour_ere_hebreu.annee) {
        return std::nullopt;
    }
    const int mois = d.mois == adar_2 ? adar : d.mois;
    return si_dans_l_ere(jour_dans_le_mois(static_cast<int>(cible), mois, d.jour));
}

DateHebraique dans_l_ere_hebraique(const DateHebraique& d)
{
    if (d < engine::premier_jour_ere_hebreu) {
        return engine::premier_jour_ere_hebreu;
    }
    if (d > engine::dernier_jour_ere_hebreu) {
        return engine::dernier_jour_ere_hebreu;
    }
    return d;
}

DateHebraique date_du_jour_saisi(const DateHebraique& d, int jour)
{
    const int annee = annee_bornee(d.annee);
    const int mois = engine::mois_existant(annee, std::clamp(d.mois, 1, 13), true);
    if (jour > engine::longueur_mois_hebreu(annee, mois)) {
        if (annee > engine::dernier_jour_ere_hebreu.annee) {
            return engine::dernier_jour_ere_hebreu;
        }
        const engine::MoisHebreu suivant = engine::mois_suivant({annee, mois});
        return dans_l_ere_hebraique({suivant.annee, suivant.mois, 1});
    }
    if (jour < 1) {
        if (annee < engine::premier_jour_ere_hebreu.annee ||
            (annee == engine::premier_jour_ere_hebreu.annee && mois == 1)) {
            return engine::premier_jour_ere_hebreu;
        }
        const engine::MoisHebreu precedent = engine::mois_precedent({annee, mois});
        return dans_l_ere_hebraique(
            {precedent.annee, precedent.mois,
             engine::longueur_mois_hebreu(precedent.annee, precedent.mois)});
    }
    return dans_l_ere_hebraique({annee, mois, jour});
}

DateHebraique date_du_mois_saisi(const DateHebraique& d, int mois)
{
    int annee = annee_bornee(d.annee);
    bool en_montant = mois > d.mois;
    if (mois > 13) {
        annee += 1;
        mois = 1;
        en_montant = true;
    } else if (mois < 1) {
        annee -= 1;
        mois = 13;
        en_montant = false;
    }
    if (annee < engine::premier_jour_ere_hebreu.annee) {
        return engine::premier_jour_ere_hebreu;
    }
    if (annee > engine::dernier_jour_ere_hebreu.annee) {
        return engine::dernier_jour_ere_hebreu;
    }
    mois = engine::mois_existant(annee, mois, en_montant);
    return dans_l_ere_hebraique(jour_dans_le_mois(annee, mois, d.jour));
}

DateHebraique date_de_l_annee_saisie(const DateHebraique& d, int annee)
{
    annee = std::clamp(annee, engine::premier_jour_ere_hebreu.annee,
                       engine::dernier_jour_ere_hebreu.annee);
    const int mois = engine::mois_existant(annee, std::clamp(d.mois, 1, 13), false);
    return dans_l_ere_hebraique(jour_dans_le_mois(annee, mois, d.jour));
}

} // namespace orvane::shell
