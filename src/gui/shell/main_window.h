// TFMainForm: the home window of the program. Today's dates and the clock,
// the conversion panel between civil and Hebrew dates with its two month
// grids, the next anniversaries of the date shown, the Bar-Mitsva panel, the
// year panel, the moon, the place with the times of the day and the next
// moment, the day page, and the menu that opens every other window.
//
// The window reads its controls, calls the shell library and shows what it
// returns; the rules live in shell::PanneauConversion (the conversion panel)
// and shell::calcule_jour (the day). Its code is split by panel:
// main_window.cpp (creation, first showing, clock, secondary windows),
// main_menus.cpp, main_conversion.cpp, main_places.cpp, main_day.cpp and
// main_side.cpp.
#pragma once

#include "config/program_options.h"
#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"
#include "shell/day/day_page_contents.h"
#include "shell/main_form/conversion_panel.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTimer;
class QToolButton;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class DessinBougie;
class DessinLune;
class MonthGridView;
class PageDuJourVue;
class TGCalendar;
class THCalend;
class ZoneResultat;

/// The modal questions and messages of the window, replaced in tests.
struct DialoguesPrincipaux {
    platform::Confirmation confirme;                             // Yes / Cancel
    std::function<void(const std::string&)> erreur;              // error, OK
    std::function<void(const std::string&)> information;         // information, OK
    ChoixFichier choix_enregistrement;                           // the save dialog
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
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // main_window.cpp
    void cree_fenetre();
    QWidget* cree_bandeau();
    void applique_dates_du_jour();
    [[nodiscard]] engine::DateCivile aujourdhui() const;
    [[nodiscard]] bool montre_aujourdhui() const;
    void montre_erreur_fichier(const std::exception& e);
    static void colore_paire(QPushButton* choisi, QPushButton* autre);

    // main_menus.cpp
    void cree_menus();
    void cree_menu_fichier();
    void cree_menu_horaires();
    void cree_menu_aide();
    void choisit_mode_horaire(std::string_view mode);
    void coche_modes_horaires();
    void ouvre_fichier();

    // main_conversion.cpp
    QWidget* cree_panneau_conversion();
    QWidget* cree_grilles();
    QWidget* cree_retour();
    void connecte_panneau();
    void change_civil(const std::function<bool(shell::PanneauConversion&)>& changement);
    void change_hebreu(const std::function<bool(shell::PanneauConversion&)>& changement);
    void apres_changement();
    void ecrit_boites();
    void efface_date_hebraique();
    void visualise_date_hebraique();
    void efface_date_civile();
    void visualise_date_civile();
    void montre_controles_du_jour(bool visibles);
    void deplace_grilles();
    void GCalendar1Change();
    void HCalend1Change();
    void montre_retour();

    // main_places.cpp
    QWidget* cree_panneau_lieu();
    void connecte_lieu();
    void remplit_lieux();
    void applique_lieu_accueil();
    void ComboBox1Change(const QString& pays);
    void ComboBox2Change(const QString& ville);
    void coordonnees_saisies();
    void Edit4Change(const QString& texte);
    void choisit_ete(bool ete);
    void choisit_fichier_lieux(bool long_fichier);
    void choisit_diaspora(bool diaspora, bool par_l_utilisateur);
    void boutons_correction();
    [[nodiscard]] shell::DemandePageAccueil demande_page() const;

    // main_day.cpp
    QWidget* cree_panneau_horaires();
    void cree_colonne_memo9(QWidget* parent);
    QWidget* cree_textes_du_jour();
    QWidget* cree_caracteristiques();
    void affiche_jour();
    void affiche_liste_horaires();
    void colore_liste();
    void affiche_textes_du_jour();
    void affiche_caracteristiques();
    void place_marqueur(long maintenant);
    void affiche_etoiles();
    void cache_horaires(const std::string& message);
    void sauve_lieu_accueil();

    // main_side.cpp
    QWidget* cree_anniversaires();
    QWidget* cree_bar_mitsva();
    QWidget* cree_panneau_annee();
    QWidget* cree_lune();
    QWidget* cree_boutons_page();
    void SpinEdit1Change(int annee);
    void affiche_lune();
    void choisit_fille(bool fille);

    shell::AppContext& ctx_;
    DialoguesPrincipaux dialogues_;
    shell::PanneauConversion panneau_;
    shell::PageAccueil page_;
    double correction_saisie_ = 0; // the value of the correction box
    std::string fichier_lieux_;    // the places file of the boxes "1300v" / "13000v"
    bool fille_ = false;           // Bat-Mitsva chosen
    bool doit_quitter_ = false;
    bool affiche_ = false;          // the first showing has run
    bool page_prete_ = false;       // dates changes compute the times
    bool garde_changement_ = false; // the window writes the date boxes
    bool garde_grille_civile_ = false;
    bool garde_grille_hebraique_ = false;
    bool garde_correction_ = false;
    int minutes_sans_changement_ = 0;
    bool memo1_grand_ = false;

    // Top band and clock.
    QLabel* titre_ = nullptr;
    QLabel* Label7 = nullptr; // today's civil date
    QLabel* Label8 = nullptr; // today's Hebrew date
    QLineEdit* Memo4 = nullptr;
    QLabel* Label46 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QStackedWidget* pile_ = nullptr;
    PageDuJourVue* vue_page_ = nullptr;

    // Conversion panel.
    QSpinBox* SpinEdit3 = nullptr;  // civil day
    QSpinBox* SpinEdit9 = nullptr;  // civil month
    QSpinBox* SpinEdit5 = nullptr;  // civil year
    QSpinBox* SpinEdit6 = nullptr;  // Hebrew day
    QSpinBox* SpinEdit10 = nullptr; // Hebrew month
    QSpinBox* SpinEdit8 = nullptr;  // Hebrew year
    QLineEdit* Edit13 = nullptr;    // civil month name
    QLineEdit* Edit14 = nullptr;    // Hebrew month name
    QLineEdit* Edit7 = nullptr;     // day names
    QLineEdit* Edit11 = nullptr;
    QLineEdit* Edit5 = nullptr; // the two day numbers
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit9 = nullptr; // summary line
    QLabel* message_date_ = nullptr;
    std::vector<QWidget*> cote_civil_;
    std::vector<QWidget*> cote_hebreu_;
    TGCalendar* GCalendar1 = nullptr;
    THCalend* HCalend1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QLabel* label_retour_ = nullptr;
    QLabel* label_aujourdhui_ = nullptr;

    // Anniversaries, Bar-Mitsva, year, moon.
    QSpinBox* SpinEdit7 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QGroupBox* groupe_anniversaires_ = nullptr;
    QGroupBox* groupe_bar_mitsva_ = nullptr;
    QPushButton* bouton_bar_mitsva_ = nullptr;
    QPushButton* bouton_bat_mitsva_ = nullptr;
    QLabel* Panel8 = nullptr;
    QLabel* Label26 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QLabel* Label32 = nullptr;
    ZoneResultat* Memo1 = nullptr;
    QLabel* Label28 = nullptr;
    DessinLune* lune_ = nullptr;
    QSpinBox* SpinEdit4 = nullptr;

    // Texts of the day and of the year.
    QLabel* Label9 = nullptr;
    QLabel* Label13 = nullptr;
    std::vector<QLabel*> libelles_jour_;
    QLabel* Label20 = nullptr;
    std::array<QLabel*, 6> caracteristiques_{};
    QLabel* Label16 = nullptr;
    QLabel* Label41 = nullptr;
    QWidget* textes_jour_ = nullptr;

    // Place and times.
    QComboBox* ComboBox1 = nullptr; // country
    QComboBox* ComboBox2 = nullptr; // city
    QLineEdit* Edit1 = nullptr;     // latitude
    QLineEdit* Edit2 = nullptr;     // longitude
    QLineEdit* Edit3 = nullptr;     // offset
    QLineEdit* Edit4 = nullptr;     // summer-time correction
    QPushButton* bouton_ok_ = nullptr;
    QPushButton* bouton_ete_ = nullptr;
    QPushButton* bouton_hiver_ = nullptr;
    QLabel* Label44 = nullptr;
    QCheckBox* case_1300_ = nullptr;
    QCheckBox* case_13000_ = nullptr;
    QPushButton* bouton_diaspora_ = nullptr;
    QPushButton* bouton_israel_ = nullptr;
    QLabel* Label40 = nullptr;
    ZoneResultat* Memo2 = nullptr;
    ZoneResultat* memo5 = nullptr;
    QLabel* Memo9 = nullptr;
    QWidget* colonne_memo9_ = nullptr;
    QLabel* Memo6 = nullptr;
    QLabel* Memo7 = nullptr;
    ZoneResultat* Memo10 = nullptr;
    ZoneResultat* Memo11 = nullptr;
    QLabel* Memo3 = nullptr;
    DessinBougie* bougie_ = nullptr;
    QLabel* panneau_chabbat_ = nullptr;
    QWidget* panneaux_horaires_ = nullptr;

    // Menu entries with a check mark.
    QAction* menu_diaspora_ = nullptr;
    QAction* menu_israel_ = nullptr;
    std::array<QAction*, 3> menus_modes_{};
};

} // namespace orvane::gui
