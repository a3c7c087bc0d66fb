// TFMainForm: what each panel sends up, connected to what the window does
// with it, and the panels that follow one another directly.
#include "documents/calendar_controls.h"
#include "gui/shell/day_page_view.h"
#include "gui/shell/main_form/calendar_buttons.h"
#include "gui/shell/main_form/dates/anniversaries_panel.h"
#include "gui/shell/main_form/dates/bar_mitsva_panel.h"
#include "gui/shell/main_form/dates/conversion_boxes.h"
#include "gui/shell/main_form/dates/month_grids.h"
#include "gui/shell/main_form/dates/return_line.h"
#include "gui/shell/main_form/day/place_panel.h"
#include "gui/shell/main_form/day/year_characteristics_panel.h"
#include "gui/shell/main_form/day_page_buttons.h"
#include "gui/shell/main_form/top_band.h"
#include "gui/shell/main_form/year_panel.h"
#include "gui/shell/main_window.h"
#include "shell/main_form/help_documents.h"

namespace orvane::gui
{

void TFMainForm::connecte_dates()
{
    connect(conversion_, &BoitesConversion::date_changee, this, &TFMainForm::apres_changement);
    connect(conversion_, &BoitesConversion::annee_hebraique_tapee, this,
            &TFMainForm::suit_annee_hebraique);
    connect(retour_, &LigneRetour::retour_demande, this, &TFMainForm::revient_aujourdhui);
    // A day of the month shown is typed into its day box.
    connect(grilles_, &GrillesDuMois::jour_civil_choisi, conversion_,
            &BoitesConversion::choisit_jour_civil);
    connect(grilles_, &GrillesDuMois::jour_hebreu_choisi, conversion_,
            &BoitesConversion::choisit_jour_hebreu);
    connect(grilles_, &GrillesDuMois::date_civile_choisie, this, &TFMainForm::montre_date_civile);
    connect(grilles_, &GrillesDuMois::date_hebraique_choisie, this,
            &TFMainForm::montre_date_hebraique);
    connect(anniversaires_, &PanneauAnniversaires::nombre_change, this,
            &TFMainForm::anniversaires_suivants);
    connect(bar_mitsva_, &PanneauBarMitsva::choix_change, this, &TFMainForm::choix_bar_mitsva);
    connect(annee_, &PanneauAnnee::annee_choisie, this, &TFMainForm::SpinEdit1Change);
    connect(bandeau_->calendriers(), &BoutonsCalendriers::calendrier_civil, this,
            [this] { ouvre_calendrier(documents::SensFenetre::civil); });
    connect(bandeau_->calendriers(), &BoutonsCalendriers::calendrier_hebreu, this,
            [this] { ouvre_calendrier(documents::SensFenetre::hebreu); });
    // Without a network the program's title opens its own guide.
    connect(bandeau_, &BandeauPrincipal::titre_clique, this,
            [this] { montre_document(shell::document_lisez_moi); });
    // The tall list takes the room of the year's characteristics above it.
    connect(annee_, &PanneauAnnee::agrandie, caracteristiques_,
            [this](bool grande) { caracteristiques_->setVisible(!grande); });
}

void TFMainForm::connecte_lieu()
{
    connect(lieu_, &PanneauLieu::pays_active, this, &TFMainForm::ComboBox1Change);
    connect(lieu_, &PanneauLieu::ville_activee, this, &TFMainForm::ComboBox2Change);
    connect(lieu_, &PanneauLieu::coordonnees_saisies, this, &TFMainForm::coordonnees_saisies);
    connect(lieu_, &PanneauLieu::calcul_demande, this, &TFMainForm::calcule_jour);
    connect(lieu_, &PanneauLieu::correction_changee, this, &TFMainForm::retient_correction);
    connect(lieu_, &PanneauLieu::correction_choisie, this, &TFMainForm::calcule_jour);
    connect(lieu_, &PanneauLieu::fichier_lieux_change, this, &TFMainForm::calcule_jour);
    connect(lieu_, &PanneauLieu::diaspora_choisie, this, &TFMainForm::diaspora_du_panneau);
}

void TFMainForm::connecte_page()
{
    BoutonsPageDuJour* boutons = bandeau_->boutons_page();
    connect(boutons, &BoutonsPageDuJour::montrer_page, this, &TFMainForm::montre_page);
    connect(boutons, &BoutonsPageDuJour::imprimer_page, this, &TFMainForm::imprime_page);
    connect(boutons, &BoutonsPageDuJour::taille_impression_changee, this,
            &TFMainForm::change_taille_impression);
    connect(vue_page_, &PageDuJourVue::fermer, this, &TFMainForm::ferme_page);
    connect(vue_page_, &PageDuJourVue::enregistrer, this, &TFMainForm::enregistre_page);
    connect(vue_page_, &PageDuJourVue::imprimer, this, &TFMainForm::imprime_page);
}

} // namespace orvane::gui
