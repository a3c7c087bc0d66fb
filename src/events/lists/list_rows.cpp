#include "events/lists/list_rows.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/month_grid_steps.h"
#include "engine/names.h"
#include "platform/text.h"

namespace orvane::events
{

namespace
{

using engine::complete_espaces;

std::string nombre(long long n, int largeur)
{
    return complete_espaces(std::to_string(n), largeur);
}

std::string jour_semaine(int jour)
{
    return std::string(engine::jours_semaine[static_cast<std::size_t>(jour)]);
}

std::string mois_civil(int mois, int largeur)
{
    return complete_espaces(engine::mois_civils[static_cast<std::size_t>(mois)], largeur);
}

std::string annee_civile(int annee, int largeur)
{
    return nombre(engine::annee_civile_ecrite(annee), largeur);
}

std::string deux_chiffres(int n)
{
    return engine::complete_zeros(std::to_string(n), 2);
}

} // namespace

std::vector<int> annees_de_la_demande(const DemandeListe& d)
{
    std::vector<int> annees;
    long long annee = d.premiere;
    for (long long n = 0; n < d.nb_annees; ++n, annee += d.increment) {
        if (annee < 1 || annee > derniere_annee_des_listes) {
            break;
        }
        annees.push_back(static_cast<int>(annee));
        if (d.increment == 0) {
            break; // the same year again would add nothing
        }
    }
    return annees;
}

std::vector<std::string> titre_des_annees(std::string_view debut, const std::vector<int>& annees)
{
    if (annees.size() < 2) {
        return {};
    }
    return {std::string(marge_liste) + std::string(debut) + std::to_string(annees.front()) + "-" +
            std::to_string(annees.back())};
}

JourDeListe jour_de_liste(engine::CalendarEngine& e, const engine::DateHebraique& d)
{
    e.convertit_hebreu_civil(d.annee, d.mois, d.jour);
    return {d, {e.annee_civile, e.mois_civil, e.jour_civil}, e.jour_semaine};
}

std::string nom_du_mois(int annee, int mois)
{
    return std::string(engine::nom_mois_hebreu(mois, engine::annee_hebr_embolismique(annee)));
}

int mois_suivant_de_l_annee(int annee, int mois)
{
    return engine::mois_suivant({annee, mois}).mois;
}

std::string ligne_de_visite(std::string_view libelle, const JourDeListe& j)
{
    return complete_espaces(libelle, 36) + complete_espaces(jour_semaine(j.jour_semaine), 9) +
           nombre(j.hebreu.jour, 4) +
           complete_espaces(nom_du_mois(j.hebreu.annee, j.hebreu.mois), 9) +
           nombre(j.hebreu.annee, 5) + " ---> " + nombre(j.civil.jour, 4) +
           mois_civil(j.civil.mois, 10) + annee_civile(j.civil.annee, 5);
}

std::string piece_de_date(const JourDeListe& j)
{
    return complete_espaces(jour_semaine(j.jour_semaine), 9) + nombre(j.civil.jour, 4) +
           mois_civil(j.civil.mois, 10) + annee_civile(j.civil.annee, 5);
}

std::string ligne_de_nouveau_mois(std::string_view libelle, const JourDeListe& j)
{
    return complete_espaces(libelle, 14) + complete_espaces(jour_semaine(j.jour_semaine), 9) +
           nombre(j.hebreu.jour, 4) +
           complete_espaces(nom_du_mois(j.hebreu.annee, j.hebreu.mois), 8) +
           nombre(j.hebreu.annee, 5) + " --->  " + nombre(j.civil.jour, 4) +
           mois_civil(j.civil.mois, 10) + annee_civile(j.civil.annee, 5);
}

std::string date_courte(const engine::DateCivile& d)
{
    return platform::left(jour_semaine(engine::jour_semaine(d)), 2) + " " + deux_chiffres(d.jour) +
           " " + deux_chiffres(d.mois) + " " + std::to_string(engine::annee_civile_ecrite(d.annee));
}

} // namespace orvane::events
