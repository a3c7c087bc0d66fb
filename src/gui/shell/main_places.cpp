// TFMainForm: the place of the times. A country or a city chosen, or
// coordinates typed, become the current place of the AppContext; the
// Diaspora or Israel choice is kept in the options and changes the year
// panel, the Bar-Mitsva reading and the day.
#include "gui/shell/main_form/dates/anniversaries_panel.h"
#include "gui/shell/main_form/dates/bar_mitsva_panel.h"
#include "gui/shell/main_form/day/place_panel.h"
#include "gui/shell/main_form/day/times_panel.h"
#include "gui/shell/main_form/year_panel.h"
#include "gui/shell/main_window.h"
#include "places/places.h"
#include "platform/file_error.h"
#include "shell/app_context.h"

#include <QAction>

namespace orvane::gui
{

void TFMainForm::remplit_lieux()
{
    ctx_.lieux = places::charge_lieux(ctx_.repertoire);
    if (const auto vide = places::message_sans_lieux(ctx_.lieux)) {
        dialogues_.erreur(*vide);
    }
    lieu_->remplit(ctx_.lieux);
}

void TFMainForm::applique_lieu_accueil()
{
    const places::LieuAccueil& a = ctx_.lieux.accueil;
    ctx_.lieu_courant = a.lieu;
    ctx_.lieu_accueil = a.lieu;
    lieu_->montre_lieu(a.lieu);
    horaires_->montre_opinion(a.opinion);
    lieu_->choisit_correction(a.correction);
}

void TFMainForm::ComboBox1Change(const QString& pays_q)
{
    const std::string pays = pays_q.toStdString();
    const places::ChoixPays choix = places::choix_pays(ctx_.lieux.listes, pays);
    lieu_->montre_villes(choix.villes);
    choisit_diaspora(!places::est_israel(pays), true);
    ctx_.lieu_courant = places::Place{"", pays, "", "", ""};
    lieu_->efface_coordonnees();
    // The day of the former city goes with it: no times, no countdown, no
    // marker until a city of the new country is chosen.
    page_.jour = {};
    cache_horaires("   Choisissez une ville en " + pays);
    montre_retour();
}

void TFMainForm::ComboBox2Change(const QString& ville_q)
{
    const std::optional<places::Place> lieu =
        places::choix_ville(ctx_.lieux.listes, ville_q.toStdString(), lieu_->pays());
    if (!lieu) {
        return;
    }
    ctx_.lieu_courant = *lieu;
    ctx_.lieu_accueil = *lieu;
    lieu_->montre_ville_choisie(ville_q, *lieu);
    if (!lieu->latitude.empty() && !lieu->longitude.empty() && !lieu->decalage.empty()) {
        calcule_jour();
        choisit_diaspora(!places::est_israel(lieu->pays), true);
    }
}

void TFMainForm::coordonnees_saisies()
{
    lieu_->copie_coordonnees(ctx_.lieu_courant);
    lieu_->copie_coordonnees(ctx_.lieu_accueil);
}

void TFMainForm::retient_correction(double correction)
{
    ctx_.heure_ete.correction_manuelle = correction;
}

void TFMainForm::diaspora_du_panneau(bool diaspora)
{
    choisit_diaspora(diaspora, true);
}

void TFMainForm::choisit_diaspora(bool diaspora, bool par_l_utilisateur)
{
    const bool change = ctx_.options.diaspora != diaspora;
    ctx_.options.diaspora = diaspora;
    lieu_->montre_diaspora(diaspora);
    menu_diaspora_->setChecked(diaspora);
    menu_israel_->setChecked(!diaspora);
    if (!par_l_utilisateur || !affiche_) {
        return;
    }
    try {
        config::sauve_options(ctx_.repertoire, ctx_.options);
    } catch (const platform::FileError& e) {
        montre_erreur_fichier(e);
    }
    if (change && page_prete_) {
        SpinEdit1Change(annee_->annee());
        date_bar_mitsva();
        calcule_jour();
    }
}

shell::DemandePageAccueil TFMainForm::demande_page() const
{
    shell::DemandePageAccueil d;
    d.jour.date = panneau_.date_civile();
    d.jour.lieu = ctx_.lieu_courant;
    // The opinion of the home place, which the opinion label shows.
    d.jour.opinion = ctx_.lieux.accueil.opinion;
    d.jour.diaspora = ctx_.options.diaspora;
    d.jour.mode_horaire = ctx_.options.mode_horaire;
    d.jour.vaudrel = ctx_.options.intervalle_sortie_chabbat;
    d.jour.correction_saisie = lieu_->correction_saisie();
    d.aujourdhui = aujourdhui();
    d.nombre_anniversaires = anniversaires_->nombre();
    d.fille = bar_mitsva_->fille();
    return d;
}

} // namespace orvane::gui
