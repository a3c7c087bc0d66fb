// TFMainForm: the computation of the day shown and what it fills — the moon,
// the texts of the day, the characteristics of the year and the times with
// their summer-time correction — and the home place saved with the day.
#include "engine/dates.h"
#include "gui/shell/main_form/day/day_texts_panel.h"
#include "gui/shell/main_form/day/place_panel.h"
#include "gui/shell/main_form/day/times_panel.h"
#include "gui/shell/main_form/day/year_characteristics_panel.h"
#include "gui/shell/main_form/moon_panel.h"
#include "gui/shell/main_form/top_band.h"
#include "gui/shell/main_window.h"
#include "places/home_place.h"
#include "platform/file_error.h"
#include "shell/app_context.h"
#include "shell/day/day_labels.h"
#include "shell/main_form/clock_line.h"

namespace orvane::gui
{

void TFMainForm::calcule_jour()
{
    if (!panneau_.valide()) {
        return;
    }
    try {
        page_.jour = shell::calcule_jour(ctx_.donnees, demande_page().jour);
    } catch (const platform::FileError& e) {
        montre_erreur_fichier(e);
        return;
    }
    ctx_.heure_ete.correction_ete = page_.jour.horaires.correction_ete;
    ctx_.heure_ete.annee = page_.jour.horaires.annee_ete;
    affiche_jour();
    if (page_.jour.refuse) {
        if (!page_.jour.message.empty()) {
            dialogues_.information(page_.jour.message);
        }
        return;
    }
    if (page_.jour.a_des_horaires() && places::lieu_enregistrable(ctx_.lieu_courant)) {
        sauve_lieu_accueil();
    }
}

void TFMainForm::affiche_jour()
{
    const shell::JourCalcule& j = page_.jour;
    bandeau_->lune()->montre_jour(j.hebraique.jour);
    textes_->montre(shell::textes_du_jour(j, montre_aujourdhui()), j.textes.textes_hebreux);
    caracteristiques_->montre(j.caracteristiques);
    horaires_->montre_date(j.ligne_date);
    montre_retour(); // the city of "Ville :" follows the place of the day
    if (!j.avec_ville) {
        cache_horaires("   Choisissez une ville en " + ctx_.lieu_courant.pays);
        return;
    }
    if (!j.a_des_horaires()) {
        cache_horaires(j.message);
        return;
    }
    affiche_horaires();
}

void TFMainForm::affiche_horaires()
{
    const shell::JourCalcule& j = page_.jour;
    horaires_->affiche(j);
    const std::string& nom = j.nature.nom_special;
    textes_->montre_jour_special(nom,
                                 j.nature.genre != events::GenreJour::ordinaire && !nom.empty());
    lieu_->montre_table_ete(j.horaires.annee_ete.trouve(), j.horaires.correction_ete != 0);
    // The correction of the day shows in its box and its buttons.
    lieu_->ecrit_correction(shell::texte_correction(j.horaires.correction_ete));
    lieu_->boutons_correction();
    horaires_->place_marqueur(j, shell::secondes_du_jour(ctx_.horloge->now()));
    affiche_etoiles();
}

void TFMainForm::cache_horaires(const std::string& message)
{
    horaires_->cache(message);
    textes_->retire_horaires_chabbat();
}

void TFMainForm::affiche_etoiles()
{
    const std::string montre = panneau_.nom_jour();
    const std::string aujourdhui = std::string(shell::jour_anglais(engine::jour_semaine(
        engine::DateCivile{ctx_.engine.aujourdhui_annee, ctx_.engine.aujourdhui_mois,
                           ctx_.engine.aujourdhui_jour})));
    const shell::EtoilesChabbat e = shell::etoiles_chabbat(montre, aujourdhui);
    const bool visibles = panneau_.valide();
    horaires_->montre_etoiles(visibles && e.entree, visibles && e.sortie);
}

void TFMainForm::sauve_lieu_accueil()
{
    places::LieuAccueil a;
    a.lieu = ctx_.lieu_courant;
    a.opinion = ctx_.lieux.accueil.opinion;
    a.correction = shell::texte_correction(page_.jour.horaires.correction_ete);
    a.fichier_lieux = lieu_->fichier_lieux();
    try {
        places::ecrit_lieu_accueil(ctx_.repertoire, a);
        ctx_.lieux.accueil = a;
    } catch (const platform::FileError& e) {
        montre_erreur_fichier(e);
    }
}

} // namespace orvane::gui
