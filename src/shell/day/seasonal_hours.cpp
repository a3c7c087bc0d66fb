#include "shell/day/seasonal_hours.h"

#include "platform/text.h"
#include "zmanim/format/arrondi.h"

#include <cmath>

namespace orvane::shell
{

namespace
{

/// Hours, minutes and seconds of a count of hours, each truncated.
HeureSaison decompose(double compte, bool journee)
{
    const double total_secondes = std::floor(std::max(compte, 0.0) * 3600.0 + 1e-6);
    const auto s = static_cast<long long>(total_secondes);
    return {static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60),
            journee};
}

} // namespace

HeureSaison heure_saison(const LimitesJournee& l, double maintenant)
{
    const double jour = l.soir - l.matin;
    if (maintenant >= l.matin && maintenant <= l.soir && jour > 0) {
        return decompose((maintenant - l.matin) / (jour / 12.0), true);
    }
    if (maintenant > l.soir) {
        const double nuit = 24.0 - jour;
        return decompose((maintenant - l.soir) / (nuit / 12.0), false);
    }
    // Before the morning limit the night began the evening before.
    const double debut = l.soir_veille - 24.0;
    const double nuit = l.matin - debut;
    return decompose((maintenant - debut) / (nuit / 12.0), false);
}

std::string ligne_heure_saison(std::string_view methode, const HeureSaison& h)
{
    std::string ligne = platform::cut("  Heure actuelle " + std::string(methode), 25);
    ligne += zmanim::texte_deux_chiffres(h.heures) + ":" + zmanim::texte_deux_chiffres(h.minutes) +
             ":" + zmanim::texte_deux_chiffres(h.secondes);
    ligne += h.journee ? " (journée)" : " (nuit)";
    return ligne;
}

std::string texte_duree(double heures)
{
    const long long minutes = std::llround(heures * 60.0);
    return zmanim::texte_deux_chiffres(static_cast<int>(minutes / 60)) + "." +
           zmanim::texte_deux_chiffres(static_cast<int>(minutes % 60));
}

std::vector<std::string> lignes_durees(double jour_hagra, double jour_maguen_abraham)
{
    const auto ligne = [](std::string_view libelle, double heures) {
        return platform::pad_right(libelle, 35) + "  " + texte_duree(heures);
    };
    return {ligne("  Durée jour Lev/coucher (Hagra)", jour_hagra),
            ligne("  Durée nuit Coucher/lev (Hagra)", 24.0 - jour_hagra),
            ligne("  Durée jour Aube/nuit(Mag. Abr)", jour_maguen_abraham),
            ligne("  Durée nuit Nuit/aube(Mag. Abr)", 24.0 - jour_maguen_abraham)};
}

} // namespace orvane::shell
