#include "engine/date_validity.h"

#include "engine/calendar_engine.h"
#include "engine/dates.h"

namespace orvane::engine
{

std::string message_annees_hors_limites()
{
    std::string message(message_annee_hebraique_limites);
    message += '\r';
    message += message_annee_civile_limites;
    return message;
}

std::optional<std::string> erreur_date_civile(const DateCivile& d)
{
    const auto [annee, mois, jour] = d;
    if (annee < annee_civile_min || annee > annee_civile_max) {
        return message_annees_hors_limites();
    }
    if (mois < 1 || mois > 12 || jour < 1 || jour > jours_du_mois_civil(annee, mois)) {
        return std::string(message_date_civile_incorrecte);
    }
    if (annee == 1582 && mois == 10 && jour >= 5 && jour <= 14) {
        return std::string(message_jours_supprimes_1582);
    }
    return std::nullopt;
}

std::optional<std::string> erreur_date_hebraique(const DateHebraique& d)
{
    const auto [annee, mois, jour] = d;
    if (annee < annee_hebr_min || annee > annee_hebr_max) {
        return message_annees_hors_limites();
    }
    if (mois < 1 || mois > 13 || jour < 1) {
        return std::string(message_date_hebraique_incorrecte);
    }
    CalendarEngine e;
    e.annee_hebr = annee;
    e.annee_civile = annee - 3760;
    e.calcule_annee();
    if (mois == 7 && e.nb_mois == 12) {
        return std::string(message_adar2_annee_commune);
    }
    if (mois == 7 && jour == 30) {
        return std::string(message_30_adar2);
    }
    if (jour > e.longueur_mois_hebr[static_cast<std::size_t>(mois)]) {
        return std::string(message_date_hebraique_incorrecte);
    }
    return std::nullopt;
}

} // namespace orvane::engine
