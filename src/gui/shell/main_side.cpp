// TFMainForm: the side panels computed for the date shown (the next
// anniversaries, the Bar-Mitsva, the year panel) and the day page with its
// three commands.
#include "events/hebrew_letters.h"
#include "gui/shell/day_page_view.h"
#include "gui/shell/main_form/dates/anniversaries_panel.h"
#include "gui/shell/main_form/dates/bar_mitsva_panel.h"
#include "gui/shell/main_form/day/day_texts_panel.h"
#include "gui/shell/main_form/day/place_panel.h"
#include "gui/shell/main_form/day_page_buttons.h"
#include "gui/shell/main_form/top_band.h"
#include "gui/shell/main_form/year_panel.h"
#include "gui/shell/main_window.h"
#include "shell/app_context.h"
#include "shell/main_form/main_panels.h"

#include <QStackedWidget>

#ifndef ORVANE_VERSION
#define ORVANE_VERSION "0"
#endif

namespace orvane::gui
{

namespace
{

/// The heading of the printed page: "with God's help" in Hebrew letters.
constexpr std::string_view entete_hebreu = "d\"sb";

} // namespace

void TFMainForm::anniversaires_suivants()
{
    if (!panneau_.valide()) {
        return;
    }
    page_.anniversaires = shell::anniversaires_suivants(
        panneau_.date_hebraique(), panneau_.date_civile(), aujourdhui(), anniversaires_->nombre());
    anniversaires_->montre(page_.anniversaires.lignes);
}

void TFMainForm::date_bar_mitsva()
{
    if (!panneau_.valide()) {
        return;
    }
    page_.bar_mitsva = shell::panneau_bar_mitsva(panneau_.date_hebraique(), bar_mitsva_->fille(),
                                                 ctx_.options.diaspora);
    bar_mitsva_->montre(page_.bar_mitsva);
}

void TFMainForm::choix_bar_mitsva()
{
    date_bar_mitsva();
    if (page_prete_) {
        calcule_jour();
    }
}

void TFMainForm::SpinEdit1Change(int annee)
{
    page_.annee_panneau = annee;
    ctx_.annee_choisie = annee;
    page_.jours_importants = shell::jours_importants(annee, ctx_.options.diaspora);
    annee_->montre(annee, page_.jours_importants);
}

void TFMainForm::change_taille_impression(int points)
{
    ctx_.taille_impression = points;
}

std::vector<std::string> TFMainForm::page_du_jour() const
{
    const shell::DemandePageAccueil demande = demande_page();
    shell::ContenuPageDuJour c = shell::contenu_page_du_jour(
        page_, demande, bandeau_->ligne_horloge(), shell::heures_de(ctx_.horloge->now()));
    // The page shows what the window shows.
    c.lieu.ville = lieu_->ville();
    c.lieu.pays = lieu_->pays();
    const PanneauTextesDuJour::Textes& textes = textes_->textes();
    for (std::size_t i = 0; i < textes.size() && i < c.libelles_jour.size(); ++i) {
        c.libelles_jour[i] = textes[i];
    }
    return shell::page_du_jour(c);
}

void TFMainForm::montre_page()
{
    vue_page_->affiche(page_du_jour());
    pile_->setCurrentWidget(vue_page_);
}

void TFMainForm::enregistre_page()
{
    (void)enregistre_lignes(ctx_.repertoire, "PAGEACCUEIL", "page_.txt", page_du_jour(),
                            dialogues_.choix_enregistrement_page, dialogues_.erreur);
}

void TFMainForm::imprime_page()
{
    TexteAImprimer t;
    t.orientation = QPageLayout::Portrait;
    t.police = police_d_impression(annee_->police_liste(),
                                   8 + bandeau_->boutons_page()->taille_impression());

    const int taille = 8 + bandeau_->boutons_page()->taille_impression();
    // The Hebrew heading at the top right and the title in its own type, as
    // the window shows them.
    t.lignes.push_back(std::string(11, '\t') + events::lettres_hebraiques_affichees(entete_hebreu));
    t.lignes_a_droite.insert(0);
    t.lignes.emplace_back("Orvane");
    t.polices_des_lignes[1] = police_d_impression(bandeau_->police_titre(), taille);
    t.lignes.emplace_back("Version " ORVANE_VERSION);
    t.lignes.emplace_back();
    for (std::string& l : page_du_jour()) {
        t.lignes.push_back(std::move(l));
    }
    dialogues_.imprime(t);
}

} // namespace orvane::gui
