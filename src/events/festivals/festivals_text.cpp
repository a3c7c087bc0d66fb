#include "events/festivals/festivals_text.h"

#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "events/years/characteristics.h"

namespace orvane::events
{

namespace
{

const std::string separateur = " " + std::string(64, '=');

ChoixListe choix_de(const DemandeFetes& d)
{
    ChoixListe c;
    c.fetes = d.mode != ModeFetes::jeunes;
    c.jeunes = d.mode != ModeFetes::fetes;
    c.diaspora = d.diaspora;
    c.mode = d.consistoire ? ModeListe::consistoire : ModeListe::fenetre_fetes;
    return c;
}

std::vector<std::string> entete(int annee, ModeFetes mode)
{
    const int civile = annee - 3761;
    return {separateur, " " + std::string(58, '=') + "B\"H===",
            " : Année hébraïque " + std::to_string(annee) + " ---> " +
                std::to_string(engine::annee_civile_ecrite(civile)) + "/" +
                std::to_string(engine::annee_civile_ecrite(civile + 1)) + "    " +
                std::string(titre_mode_fetes(mode)),
            separateur};
}

} // namespace

std::string_view titre_mode_fetes(ModeFetes mode)
{
    switch (mode) {
    case ModeFetes::fetes:
        return "FÊTES JUIVES";
    case ModeFetes::jeunes:
        return "JEÛNES JUIFS";
    default:
        return "FÊTES et JEÛNES JUIFS";
    }
}

TexteAnneeFetes texte_annee_fetes(int annee, const DemandeFetes& demande)
{
    engine::CalendarEngine e;
    TexteAnneeFetes t;
    t.caracteristiques = bloc_caracteristiques(e, annee);

    const SelectionFetes selection(demande.selection);
    if (selection.tout()) {
        t.lignes.emplace_back();
    }
    for (std::string& l : entete(annee, demande.mode)) {
        t.lignes.push_back(std::move(l));
    }
    for (const EntreeFete& f : liste_fetes_annee(e, annee, choix_de(demande))) {
        const EntreeDatee d = detail::date_de_l_entree(e, f);
        if (selection.garde(ligne_fenetre_fetes(d, true))) {
            t.lignes.push_back(ligne_fenetre_fetes(d));
            t.entrees.push_back(d);
        }
    }

    return t;
}

std::string nom_fichier_fetes(ModeFetes mode, int premiere, int derniere)
{
    std::string nom = mode == ModeFetes::fetes    ? "FETES_"
                      : mode == ModeFetes::jeunes ? "JEUNES_"
                                                  : "FETES-JEUNES_";
    nom += std::to_string(premiere);
    if (derniere != premiere) {
        nom += "_" + std::to_string(derniere);
    }
    return nom + ".txt";
}

std::string_view dossier_fetes(ModeFetes mode)
{
    switch (mode) {
    case ModeFetes::fetes:
        return "FETES";
    case ModeFetes::jeunes:
        return "JEUNES";
    default:
        return "FETEJEUN";
    }
}

std::vector<std::string> lignes_a_imprimer_fetes(const std::vector<std::string>& liste,
                                                 const std::vector<std::string>& caracteristiques)
{
    std::vector<std::string> lignes(4);
    for (const auto* zone : {&liste, &caracteristiques}) {
        for (const std::string& l : *zone) {
            lignes.push_back("    " + l);
        }
    }
    return lignes;
}

int annee_hebraique_du_jour(int annee_civile, int mois_civil)
{
    return annee_civile + (mois_civil >= 9 ? 3761 : 3760);
}

int annee_civile_affichee(int annee_hebr)
{
    return annee_hebr - 3760 - (annee_hebr <= 3760 ? 1 : 0);
}

int annee_hebr_de_la_civile(int annee_civile, int annee_hebr_avant)
{
    if (annee_civile > 0) {
        return annee_civile + 3760;
    }
    if (annee_civile < 0) {
        return annee_civile + 3761; // −1 is the civil year of 3760
    }
    // Year 0 is a step across it: up from −1 to 1, down from 1 to −1.
    return annee_hebr_avant <= 3760 ? 3761 : 3760;
}

} // namespace orvane::events
