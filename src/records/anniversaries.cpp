#include "records/anniversaries.h"

#include "engine/date_texts.h"
#include "engine/names.h"
#include "platform/text.h"
#include "records/carrying.h"

namespace orvane::records
{

using engine::complete_espaces;

namespace
{

Anniversaire anniversaire(const engine::DateHebraique& evenement, int annee,
                          engine::DateCivile aujourdhui)
{
    Anniversaire a;
    a.jour = jour_de_l_hebreu(reporte_date(evenement, annee));
    a.passe = a.jour.civile < aujourdhui;
    a.texte_civil = platform::trim(texte_civil(a.jour));
    a.texte_hebraique = platform::trim(texte_hebraique(a.jour.hebraique));
    a.ligne = ligne_civile_hebraique(a.jour) + (a.passe ? " x" : "");
    return a;
}

std::string entete(int nombre, Famille famille)
{
    switch (famille) {
    case Famille::deces:
        return " " + std::to_string(nombre + 2) + " anniversaires du décès ";
    case Famille::evenement:
        return " " + std::to_string(nombre) + " anniversaire" + (nombre > 1 ? "s" : "") +
               " de l'événement";
    default:
        return " " + std::to_string(nombre) + " anniversaire" + (nombre > 1 ? "s" : "") +
               " de la naissance";
    }
}

} // namespace

int premiere_annee_a_venir(const engine::DateHebraique& evenement, engine::DateCivile aujourdhui)
{
    const int annee = jour_du_civil(aujourdhui).hebraique.annee;
    const JourComplet cette_annee = jour_de_l_hebreu(reporte_date(evenement, annee));
    return cette_annee.civile < aujourdhui ? annee + 1 : annee;
}

ProchainsAnniversaires prochains_anniversaires(const engine::DateHebraique& evenement,
                                               engine::DateCivile aujourdhui, int nombre, int pas,
                                               Famille famille)
{
    ProchainsAnniversaires p;
    p.entete = entete(nombre, famille);
    const int lignes = famille == Famille::deces ? nombre + 2 : nombre;
    const int premiere = premiere_annee_a_venir(evenement, aujourdhui);
    for (int k = 0; k < lignes; ++k) {
        p.anniversaires.push_back(anniversaire(evenement, premiere + k * pas, aujourdhui));
    }
    return p;
}

std::vector<std::string> groupe_anniversaire(const Anniversaire& a)
{
    const JourComplet& j = a.jour;
    return {complete_espaces(engine::jours_semaine[static_cast<std::size_t>(j.jour_semaine)], 9),
            complete_espaces(std::to_string(j.civile.jour), 3),
            std::string(engine::mois_civils[static_cast<std::size_t>(j.civile.mois)]),
            std::to_string(engine::annee_civile_ecrite(j.civile.annee)),
            "-->",
            complete_espaces(std::to_string(j.hebraique.jour), 3),
            nom_mois_de_l_annee(j.hebraique.annee, j.hebraique.mois),
            std::to_string(j.hebraique.annee)};
}

std::string ligne_anniversaire_civil(const JourComplet& jour)
{
    const auto& c = jour.civile;
    const auto& h = jour.hebraique;
    return platform::left(engine::jours_semaine[static_cast<std::size_t>(jour.jour_semaine)], 3) +
           " " + complete_espaces(std::to_string(c.jour), 3) +
           complete_espaces(
               platform::left(engine::mois_civils[static_cast<std::size_t>(c.mois)], 4), 4) +
           " " + complete_espaces(std::to_string(engine::annee_civile_ecrite(c.annee)), 5) + ":" +
           complete_espaces(std::to_string(h.jour), 3) +
           complete_espaces(nom_mois_de_l_annee(h.annee, h.mois), 8) + std::to_string(h.annee);
}

AnniversairesCivils anniversaires_civils(const engine::DateHebraique& montree,
                                         engine::DateCivile civile_montree,
                                         engine::DateCivile aujourdhui, int nombre)
{
    // The list of a date shown today or later begins the year after it.
    // For a date before today, the anniversary of today's Hebrew year may
    // already be past: the list then begins a year later.
    const int premiere = civile_montree < aujourdhui ? premiere_annee_a_venir(montree, aujourdhui)
                                                     : montree.annee + 1;
    AnniversairesCivils liste;
    liste.titre = "   " + std::to_string(nombre) + "  Prochains anniversaires civils";
    for (int k = 0; k < nombre; ++k) {
        const JourComplet jour = jour_de_l_hebreu(reporte_date(montree, premiere + k));
        liste.jours.push_back(jour);
        liste.lignes.push_back(ligne_anniversaire_civil(jour));
    }
    if (!liste.lignes.empty()) {
        liste.texte_affiche = "   " + liste.lignes.front();
    }
    return liste;
}

std::string message_tout_recalculer(std::string_view bouton)
{
    return "Etes-vous sûr de vouloir " + std::string(bouton) +
           " ?\rCela prendra plusieurs minutes\renviron 2 min par 1000 lignes";
}

} // namespace orvane::records
