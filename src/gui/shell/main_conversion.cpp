// TFMainForm: the date shown. A change in the date boxes or the month grids
// goes through shell::PanneauConversion; the window then shows or hides the
// two sides for the invalid-date states, moves the grids, and computes the
// anniversaries, the Bar-Mitsva and the day of the new date.
#include "engine/date_validity.h"
#include "gui/shell/main_form/dates/anniversaries_panel.h"
#include "gui/shell/main_form/dates/bar_mitsva_panel.h"
#include "gui/shell/main_form/dates/conversion_boxes.h"
#include "gui/shell/main_form/dates/month_grids.h"
#include "gui/shell/main_form/dates/return_line.h"
#include "gui/shell/main_form/day/day_texts_panel.h"
#include "gui/shell/main_form/day/times_panel.h"
#include "gui/shell/main_form/year_panel.h"
#include "gui/shell/main_window.h"
#include "shell/app_context.h"
#include "shell/main_form/main_panels.h"

#include <QTimer>

namespace orvane::gui
{

void TFMainForm::apres_changement()
{
    conversion_->ecrit();
    switch (panneau_.etat()) {
    case shell::EtatPanneau::civile_invalide:
        efface_date_hebraique();
        return;
    case shell::EtatPanneau::hebraique_invalide:
        efface_date_civile();
        return;
    case shell::EtatPanneau::valide:
        visualise_date_hebraique();
        visualise_date_civile();
        break;
    }
    grilles_->deplace();
    anniversaires_suivants();
    date_bar_mitsva();
    if (page_prete_) {
        calcule_jour();
        // Ten minutes without another change bring the panel back to today.
        minutes_sans_changement_ = 0;
        Timer2->start();
    }
    montre_retour();
}

void TFMainForm::montre_controles_du_jour(bool visibles)
{
    conversion_->montre_noms_des_jours(visibles);
    anniversaires_->setVisible(visibles);
    bar_mitsva_->setVisible(visibles);
    textes_->montre_textes(visibles);
    horaires_->montre_controles_du_jour(visibles);
    if (!visibles) {
        horaires_->efface_liste();
    }
    conversion_->montre_message(!visibles);
}

void TFMainForm::efface_date_hebraique()
{
    conversion_->montre_cote_hebreu(false);
    montre_controles_du_jour(false);
}

void TFMainForm::visualise_date_hebraique()
{
    conversion_->montre_cote_hebreu(true);
    montre_controles_du_jour(true);
}

void TFMainForm::efface_date_civile()
{
    conversion_->montre_cote_civil(false);
    montre_controles_du_jour(false);
}

void TFMainForm::visualise_date_civile()
{
    conversion_->montre_cote_civil(true);
    montre_controles_du_jour(true);
}

void TFMainForm::montre_date_civile(engine::DateCivile d)
{
    panneau_.montre_date_civile(d);
    apres_changement();
}

void TFMainForm::montre_date_hebraique(engine::DateHebraique d)
{
    panneau_.montre_date_hebraique(d);
    apres_changement();
}

void TFMainForm::suit_annee_hebraique(int annee)
{
    // The year panel follows the Hebrew year typed in the date boxes.
    if (annee >= engine::annee_hebr_min && annee <= engine::annee_hebr_max) {
        annee_->choisit_annee(annee);
    }
}

void TFMainForm::montre_retour()
{
    const bool aujourdhui = montre_aujourdhui();
    retour_->montre(aujourdhui);
    textes_->montre_ville(shell::libelle_ville(ctx_.lieu_courant.ville, aujourdhui));
}

void TFMainForm::revient_aujourdhui()
{
    Timer2->stop();
    minutes_sans_changement_ = 0;
    panneau_.montre_date_civile(aujourdhui());
    apres_changement();
    Timer2->stop();
}

} // namespace orvane::gui
