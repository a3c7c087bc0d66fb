#include "shell/calendars/civil_moves.h"

#include "engine/date_validity.h"

#include <algorithm>

namespace orvane::shell
{

namespace
{

using engine::DateCivile;

bool jour_supprime(int annee, int mois, int jour)
{
    return annee == 1582 && mois == 10 && jour >= 5 && jour <= 14;
}

/// The day within its month, and out of the days dropped in 1582: 15 going
/// up, 4 going down.
DateCivile jour_existant(int annee, int mois, int jour, bool en_montant)
{
    jour = std::clamp(jour, 1, engine::jours_du_mois_civil(annee, mois));
    if (jour_supprime(annee, mois, jour)) {
        jour = en_montant ? 15 : 4;
    }
    return {annee, mois, jour};
}

std::optional<DateCivile> si_dans_l_ere(const DateCivile& d)
{
    if (!engine::dans_l_ere(d)) {
        return std::nullopt;
    }
    return d;
}

} // namespace

std::optional<DateCivile> deplace_jours_civils(const DateCivile& d, int n)
{
    return si_dans_l_ere(n < 0 ? engine::veille(d) : engine::lendemain(d));
}

std::optional<DateCivile> deplace_mois_civil(const DateCivile& d, int n)
{
    int annee = d.annee;
    int mois = d.mois + (n < 0 ? -1 : 1);
    if (mois > 12) {
        mois = 1;
        ++annee;
    } else if (mois < 1) {
        mois = 12;
        --annee;
    }
    return si_dans_l_ere(jour_existant(annee, mois, d.jour, n > 0));
}

std::optional<DateCivile> deplace_annees_civiles(const DateCivile& d, int n)
{
    const long long cible = static_cast<long long>(d.annee) + n;
    if (cible < engine::premier_jour_ere.annee || cible > engine::dernier_jour_ere.annee) {
        return std::nullopt;
    }
    return si_dans_l_ere(jour_existant(static_cast<int>(cible), d.mois, d.jour, n > 0));
}

DateCivile dans_l_ere_civile(const DateCivile& d)
{
    return std::clamp(d, engine::premier_jour_ere, engine::dernier_jour_ere);
}

DateCivile date_du_jour_civil_saisi(const DateCivile& d, int jour)
{
    const int annee =
        std::clamp(d.annee, engine::premier_jour_ere.annee - 1, engine::dernier_jour_ere.annee + 1);
    const int mois = std::clamp(d.mois, 1, 12);
    if (jour > engine::jours_du_mois_civil(annee, mois)) {
        return dans_l_ere_civile(mois == 12 ? DateCivile{annee + 1, 1, 1}
                                            : DateCivile{annee, mois + 1, 1});
    }
    if (jour < 1) {
        return dans_l_ere_civile(
            mois == 1 ? DateCivile{annee - 1, 12, 31}
                      : DateCivile{annee, mois - 1, engine::jours_du_mois_civil(annee, mois - 1)});
    }
    if (jour_supprime(annee, mois, jour)) {
        jour = d.jour <= 4 ? 15 : 4;
    }
    return dans_l_ere_civile({annee, mois, jour});
}

DateCivile date_du_mois_civil_saisi(const DateCivile& d, int mois)
{
    int annee = d.annee;
    if (mois > 12) {
        mois = 1;
        ++annee;
    } else if (mois < 1) {
        mois = 12;
        --annee;
    }
    annee = std::clamp(annee, engine::premier_jour_ere.annee, engine::dernier_jour_ere.annee);
    if (annee == engine::premier_jour_ere.annee) {
        mois = std::max(mois, engine::premier_jour_ere.mois);
    }
    return dans_l_ere_civile(jour_existant(annee, mois, d.jour, true));
}

DateCivile date_de_l_annee_civile_saisie(const DateCivile& d, int annee)
{
    annee = std::clamp(annee, engine::premier_jour_ere.annee, engine::dernier_jour_ere.annee);
    return dans_l_ere_civile(jour_existant(annee, std::clamp(d.mois, 1, 12), d.jour, true));
}

int annee_astronomique(int annee_ecrite, int ecrite_avant) noexcept
{
    if (annee_ecrite == 0) {
        return ecrite_avant > 0 ? 0 : 1;
    }
    return annee_ecrite < 0 ? annee_ecrite + 1 : annee_ecrite;
}

} // namespace orvane::shell
