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
    if (maintenant < l.matin && maintenant + 24.0 <= l.soir_veille) {
        // The evening limit of the day before fell after midnight (the night
        // of Paris in June: 00:43:47 on 20 June 2025 for the day of the
        // 19th): until then the day before goes on, counted from its own
        // morning. That morning is not among the limits; this morning's, a
        // day earlier, stands in for it, the limits moving by seconds from
        // one day to the next when the night comes after midnight (under a
        // second at Paris in June).
        const double matin_veille = l.matin - 24.0;
        const double jour_veille = l.soir_veille - l.matin;
        return decompose((maintenant - matin_veille) / (jour_veille / 12.0), true);
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

std::vector<std::string> lignes_durees(double jour_hagra, std::optional<double> jour_maguen_abraham)
{
    const auto ligne = [](std::string_view libelle, const std::string& duree) {
        return platform::pad_right(libelle, 35) + "  " + duree;
    };
    const bool maguen_abraham = jour_maguen_abraham.has_value();
    const double jour_ma = jour_maguen_abraham.value_or(0.0);
    return {ligne("  Durée jour Lev/coucher (Hagra)", texte_duree(jour_hagra)),
            ligne("  Durée nuit Coucher/lev (Hagra)", texte_duree(24.0 - jour_hagra)),
            ligne("  Durée jour Aube/nuit(Mag. Abr)", maguen_abraham ? texte_duree(jour_ma) : "--"),
            ligne("  Durée nuit Nuit/aube(Mag. Abr)",
                  maguen_abraham ? texte_duree(24.0 - jour_ma) : "--")};
}

} // namespace orvane::shell
