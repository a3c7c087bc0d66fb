// TFMainForm: the home window of the program. Today's dates and the clock,
// the conversion panel between civil and Hebrew dates with its two month
// grids, the next anniversaries of the date shown, the Bar-Mitsva panel, the
// year panel, the moon, the place with the times of the day and the next
// moment, the day page, and the menu that opens every other window.
//
// Each panel is a widget of its own (gui/shell/main_form/): it owns its
// controls and sends up what the window must coordinate. The window keeps
// the menus, the timers, the AppContext and the models of the date shown
// (shell::PanneauConversion) and of what was computed for it
// (shell::PageAccueil), and tells the panels what to show. Its code:
// main_window.cpp (creation, layout, first showing, clock, secondary
// windows), main_connections.cpp, main_menus.cpp, main_conversion.cpp (the
// date shown), main_places.cpp, main_day.cpp and main_side.cpp.
#pragma once

#include "config/program_options.h"
#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"
#include "shell/day/day_page_contents.h"
#include "shell/main_form/conversion_panel.h"

#include <QMainWindow>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QStackedWidget;
class QTimer;

namespace orvane::documents
{
enum class SensFenetre;
}

namespace orvane::shell
{
struct AppContext;
struct DocumentAide;
} // namespace orvane::shell

namespace orvane::gui
{

class BandeauPrincipal;
class BoitesConversion;
class GrillesDuMois;
class LigneRetour;
class PageDuJourVue;
class PanneauAnnee;
class PanneauAnniversaires;
class PanneauBarMitsva;
class PanneauCaracteristiques;
class PanneauHoraires;
class PanneauLieu;
class PanneauTextesDuJour;

/// The modal questions and messages of the window, replaced in tests.
struct DialoguesPrincipaux {
    platform::Confirmation confirme;                             // Yes / Cancel
    std::function<void(const std::string&)> erreur;              // error, OK
    std::function<void(const std::string&)> information;         // information, OK
    ChoixFichier choix_enregistrement;                           // the save dialog
    ChoixFichier choix_enregistrement_page;                      // the day page's: RTF or text
    std::function<bool(const TexteAImprimer&)> imprime;          // the print dialog, then printing
    std::function<std::optional<std::string>()> choix_ouverture; // "&Ouvrir"

    /// The message boxes and dialogs of Qt, with `parent` as their parent.
    static DialoguesPrincipaux de_qt(QWidget* parent);
};

class TFMainForm : public QMainWindow
{
    Q_OBJECT

public:
    /// Runs the creation step (today, the year files, the output
    /// directories, the options of the start); the rest comes with the
    /// first showing.
    explicit TFMainForm(shell::AppContext& ctx, QWidget* parent = nullptr);
    TFMainForm(shell::AppContext& ctx, DialoguesPrincipaux dialogues, QWidget* parent = nullptr);
    ~TFMainForm() override;

    /// The menu of the menu bar with this title, created at the end of the
    /// bar when it does not exist yet.
    QMenu* menu(const QString& title);

    /// The user cancelled the start (incoherent summer-time keys): the
    /// program must end.
    [[nodiscard]] bool doit_quitter() const { return doit_quitter_; }

    /// The first showing: places, home place, options of the display and the
    /// first computation of the day. Runs once; showing the window runs it.
    void premier_affichage();

    // --- Operations named by the other windows ------------------------------------
    /// `calcule_jour`: the day computed again for the date and place shown.
    void calcule_jour();
    /// `revient_aujourdhui`: the panel back on today's date.
    void revient_aujourdhui();
    /// `anniversaires_suivants`: the list of the next anniversaries rebuilt.
    void anniversaires_suivants();
    /// `date_bar_mitsva`: the Bar-Mitsva panel rebuilt.
    void date_bar_mitsva();
    /// `libere_fenetres`: every secondary window closed and freed, the day
    /// page hidden.
    void libere_fenetres();
    /// `titre_fenetre`: the caption rebuilt.
    void titre_fenetre();

    // --- The day page ----------------------------------------------------------------
    /// The lines of the text page, built from the window's contents.
    [[nodiscard]] std::vector<std::string> page_du_jour() const;
    void montre_page();
    void enregistre_page();
    void imprime_page();

    /// The date shown by the conversion panel.
    [[nodiscard]] const shell::PanneauConversion& panneau() const { return panneau_; }
    /// The panels computed for the date shown.
    [[nodiscard]] const shell::PageAccueil& page_accueil() const { return page_; }

public slots:
    /// The one-second clock.
    void Timer1Timer();
    /// The one-minute timer of the automatic return to today.
    void Timer2Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // main_window.cpp
    void cree_fenetre();
    QWidget* cree_panneaux();
    void cree_minuteries();
    void applique_dates_du_jour();
    [[nodiscard]] engine::DateCivile aujourdhui() const;
    [[nodiscard]] bool montre_aujourdhui() const;
    void montre_erreur_fichier(const std::exception& e);
    void ferme_page();

    // main_connections.cpp
    void connecte_dates();
    void connecte_lieu();
    void connecte_page();

    // main_menus.cpp
    void cree_menus();
    void cree_menu_fichier();
    void cree_menu_modes(QMenu* fichier);
    void cree_menu_horaires();
    void cree_menu_calendriers();
    void cree_menu_explications();
    void cree_menu_aide();
    /// The annual calendar window in direction `sens`.
    void ouvre_calendrier(documents::SensFenetre sens);
    /// "Horaires en tous lieux du globe ... Zemanim": the zmanim window.
    void ouvre_horaires();
    /// A delivered document in the help window.
    void montre_document(const shell::DocumentAide& document);
    void MenuDiasporaClick();
    void MenuIsraelClick();
    void AvecChangementClick();
    void HiverToutelAnneeClick();
    void EteToutelAnneeClick();
    void Lieux1Click();
    void APropos1Click();
    void choisit_mode_horaire(std::string_view mode);
    void coche_modes_horaires();
    void ouvre_fichier();

    // main_conversion.cpp
    void apres_changement();
    void efface_date_hebraique();
    void visualise_date_hebraique();
    void efface_date_civile();
    void visualise_date_civile();
    void montre_controles_du_jour(bool visibles);
    void montre_date_civile(engine::DateCivile d);
    void montre_date_hebraique(engine::DateHebraique d);
    void suit_annee_hebraique(int annee);
    void montre_retour();

    // main_places.cpp
    void remplit_lieux();
    void applique_lieu_accueil();
    void ComboBox1Change(const QString& pays);
    void ComboBox2Change(const QString& ville);
    void coordonnees_saisies();
    void retient_correction(double correction);
    void choisit_diaspora(bool diaspora, bool par_l_utilisateur);
    void diaspora_du_panneau(bool diaspora);
    [[nodiscard]] shell::DemandePageAccueil demande_page() const;

    // main_day.cpp
    void affiche_jour();
    void affiche_horaires();
    void cache_horaires(const std::string& message);
    void affiche_etoiles();
    void sauve_lieu_accueil();

    // main_side.cpp
    void choix_bar_mitsva();
    void SpinEdit1Change(int annee);
    void change_taille_impression(int points);

    shell::AppContext& ctx_;
    DialoguesPrincipaux dialogues_;
    shell::PanneauConversion panneau_;
    shell::PageAccueil page_;
    bool doit_quitter_ = false;
    bool affiche_ = false;    // the first showing has run
    bool page_prete_ = false; // dates changes compute the times
    int minutes_sans_changement_ = 0;

    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QStackedWidget* pile_ = nullptr;
    PageDuJourVue* vue_page_ = nullptr;

    // The panels, column by column under the top band.
    BandeauPrincipal* bandeau_ = nullptr;
    BoitesConversion* conversion_ = nullptr;
    LigneRetour* retour_ = nullptr;
    GrillesDuMois* grilles_ = nullptr;
    PanneauAnniversaires* anniversaires_ = nullptr;
    PanneauBarMitsva* bar_mitsva_ = nullptr;
    PanneauTextesDuJour* textes_ = nullptr;
    PanneauCaracteristiques* caracteristiques_ = nullptr;
    PanneauAnnee* annee_ = nullptr;
    PanneauLieu* lieu_ = nullptr;
    PanneauHoraires* horaires_ = nullptr;

    // Menu entries with a check mark.
    QAction* menu_diaspora_ = nullptr;
    QAction* menu_israel_ = nullptr;
    QAction* menu_avec_changement_ = nullptr;
    QAction* menu_hiver_ = nullptr;
    QAction* menu_ete_ = nullptr;
};

} // namespace orvane::gui
