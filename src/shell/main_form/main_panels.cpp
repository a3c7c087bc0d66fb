#include "shell/main_form/main_panels.h"

#include "engine/calendar_engine.h"
#include "events/festivals/festival_lines.h"
#include "events/festivals/year_list.h"
#include "platform/text.h"

#include <cmath>
#include <numbers>

namespace orvane::shell
{

std::string_view libelle_phase_lune(int jour_hebr) noexcept
{
    if (jour_hebr == 1 || jour_hebr >= 29) {
        return "Lune invisible";
    }
    if (jour_hebr < 15) {
        return "Lune croissante";
    }
    if (jour_hebr == 15) {
        return "Pleine lune";
    }
    return "Lune décroissante";
}

PhaseLune phase_lune(int jour_hebr) noexcept
{
    if (jour_hebr <= 1 || jour_hebr >= 29) {
        return {0.0, true};
    }
    // The molad falls on average half a day before the first of the month;
    // the 15th is then as close to full as a day can be.
    constexpr double lunaison = 29.530594;
    const double age = jour_hebr - 0.5;
    const double angle = 2.0 * std::numbers::pi * age / lunaison;
    return {(1.0 - std::cos(angle)) / 2.0, jour_hebr < 15};
}

std::string libelle_annee_panneau(int annee_hebr)
{
    return "civile  " + std::to_string(annee_hebr - 3761) + " / " +
           std::to_string(annee_hebr - 3760) + " = " + std::to_string(annee_hebr) + "  hébraïque";
}

std::vector<std::string> jours_importants(int annee_hebr, bool diaspora)
{
    engine::CalendarEngine e;
    events::ChoixListe choix;
    choix.diaspora = diaspora;
    choix.mode = events::ModeListe::fenetre_principale;
    std::vector<std::string> lignes;
    for (const events::EntreeDatee& d :
         events::dates_des_entrees(events::liste_fetes_annee(e, annee_hebr, choix))) {
        lignes.push_back(events::ligne_fenetre_principale(d));
    }
    return lignes;
}

std::string libelle_ville(std::string_view ville, bool aujourdhui)
{
    return "Ville : " + std::string(ville) + "   " + (aujourdhui ? "Aujourd'hui  :" : "Date  :");
}

std::string libelle_pour_la_date(std::string_view texte, bool aujourdhui)
{
    if (aujourdhui || platform::left(texte, 6) != "Aujour") {
        return std::string(texte);
    }
    return "Ce jour " + platform::mid(texte, 12);
}

std::string titre_anniversaires(int nombre)
{
    return "   " + std::to_string(nombre) + "  Prochains anniversaires civils";
}

} // namespace orvane::shell
