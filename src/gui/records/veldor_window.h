// The records window TFVeldor: the births (with their Bar-Mitsva or
// Bat-Mitsva date), the deaths (with the dates of mourning) or the events of
// one family, entered by their civil or their Hebrew date, browsed by
// position, with the record sheet and the dates around the next
// anniversary.
//
// In the compatibility mode the records live in the two text files of the
// family; otherwise the births and the deaths are edited in their dBase
// table ("Bd_NAIS.dbf", "Bd_DC.dbf"). The events have no table: they always
// live in their text files.
#pragma once

#include "gui/common/question.h"
#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"
#include "records/anniversaries.h"
#include "records/bar_mitsva.h"
#include "records/store/record.h"
#include "records/store/store.h"
#include "records/tables/dbase_table.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QTextEdit;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class ZoneResultat;

class TFVeldor : public QWidget
{
    Q_OBJECT

public:
    using Imprimante = std::function<bool(const TexteAImprimer&)>;
    using Question = std::function<QMessageBox::StandardButton(const std::string&, Reponses)>;
    using Ouvreur = std::function<bool(const std::filesystem::path&)>;

    /// The view of the sheet area.
    enum class Vue { fiche, dates };

    TFVeldor(shell::AppContext& ctx, records::Famille famille, QWidget* parent = nullptr);
    ~TFVeldor() override;

    /// Replaces the error box, the information box, the printer, the
    /// questions and the opener of documents (tests).
    void set_dialogues(MessageErreur erreur, MessageErreur information, Imprimante imprimante,
                       Question question, Ouvreur ouvreur);

    [[nodiscard]] records::Famille famille() const noexcept { return famille_; }
    /// True when the records are those of a dBase table.
    [[nodiscard]] bool sur_table() const noexcept { return sur_table_; }
    [[nodiscard]] const records::Table& table() const { return table_; }
    [[nodiscard]] int nombre_de_fiches() const noexcept { return nombre_; }
    [[nodiscard]] Vue vue() const noexcept { return vue_; }

    void BoutonCalculerClick();
    void BoutonBarMitsvaClick();
    void BoutonBatMitsvaClick();
    void BoutonDatesClick();
    void BoutonFicheClick();
    void BoutonNouvelleClick();
    void BoutonEnregistrerNouvelleClick();
    void BoutonModificationsClick();
    void BoutonSupprimerClick();
    void BoutonDupliquerClick();
    void BoutonOrdonnerClick();
    void BoutonToutRecalculerClick();
    void BoutonEffacerClick();
    void BoutonEnregistrerMemoClick();
    void BoutonImprimerMemoClick();
    void BoutonFichiersTxtClick();
    void BoutonFichiersExcelClick();
    void BoutonAujourdhuiClick();
    void BoutonTehilimClick();
    void BoutonMichnayotClick();
    void BoutonFermerClick();

    // The pop-up menu of the window.
    void RechercherClick();
    void trie_par(const std::string& index);
    void AnnivMoisCourantClick();
    void PresentationClick();
    /// The choice of a name in the list of the search.
    void choisit_nom(const QString& nom);

    /// The file "Enregistrer memo" writes last; empty before.
    [[nodiscard]] const std::filesystem::path& dernier_memo() const noexcept { return memo_; }

private:
    // veldor_window_controls.cpp
    void cree_dates();
    void cree_inhumation(QWidget* boite);
    void cree_personnes();
    void cree_position();
    void cree_feuille();
    void cree_boutons();
    void cree_menu();
    void adapte_a_la_famille();
    // veldor_window_dates.cpp
    void connecte_dates();
    void date_civile_changee();
    void date_hebraique_changee();
    void inhumation_changee();
    void affiche_jour_evenement();
    void montre_date_civile(engine::DateCivile d);
    [[nodiscard]] engine::DateCivile date_civile_saisie() const;
    [[nodiscard]] engine::DateCivile date_inhumation_saisie() const;
    [[nodiscard]] std::optional<engine::DateCivile> date_civile_valide() const;
    void libelles_des_civilites();
    // veldor_window_sheet.cpp
    [[nodiscard]] bool calcule(std::optional<records::Sexe> sexe);
    [[nodiscard]] records::Fiche fiche_saisie() const;
    void affiche_fiche_lue(const records::Fiche& f);
    void affiche_vue();
    [[nodiscard]] std::vector<std::string> lignes_fiche() const;
    [[nodiscard]] std::vector<std::string> lignes_dates() const;
    [[nodiscard]] std::string entete() const;
    void affiche_lecture(std::string_view fichier);
    // veldor_window_store.cpp
    void ouvre_base();
    void va_a(int position);
    void bornes_de_position();
    void affiche_position();
    [[nodiscard]] bool accepte_coupure(const std::string& avertissement);
    void applique(const records::Resultat& r);
    void ajoute_texte();
    void modifie_texte();
    void supprime_texte();
    void duplique_texte();
    void recalcule_textes();
    [[nodiscard]] std::vector<std::string> noms_des_fiches();
    // veldor_window_table.cpp
    void ouvre_table();
    void affiche_enregistrement();
    [[nodiscard]] bool poste(bool nouvelle);
    void ecrit_champs();
    void recalcule_table();
    void affiche_selection(std::size_t nombre);
    [[nodiscard]] std::vector<std::string> lignes_de_la_table() const;

    shell::AppContext& ctx_;
    records::Famille famille_;
    bool sur_table_ = false;
    MessageErreur erreur_;
    MessageErreur information_;
    Imprimante imprimante_;
    Question question_;
    Ouvreur ouvreur_;

    std::optional<records::BaseFiches> base_;
    records::Table table_;
    int nombre_ = 0;
    int position_ = 0; // 0: no record shown
    int numero_ = 0;   // the number of the record shown (text files)
    bool chargement_ = false;
    Vue vue_ = Vue::fiche;
    std::filesystem::path memo_;
    engine::DateCivile date_montree_; // the civil date last shown

    // What "Calculer" found.
    std::optional<records::Sexe> sexe_;
    std::optional<records::JourComplet> evenement_;
    std::optional<records::BarMitsva> bar_mitsva_;
    records::ProchainsAnniversaires anniversaires_;
    std::vector<std::string> deuil_;
    std::string lecture_; // the reading file shown on the right, empty for none

    // Dates.
    QSpinBox* jour_civil_ = nullptr;       // SpinEdit3
    QSpinBox* mois_civil_ = nullptr;       // SpinEdit9
    QLineEdit* nom_mois_civil_ = nullptr;  // Edit13
    QSpinBox* annee_civile_ = nullptr;     // SpinEdit5
    QSpinBox* jour_hebreu_ = nullptr;      // SpinEdit6
    QSpinBox* mois_hebreu_ = nullptr;      // SpinEdit10
    QLineEdit* nom_mois_hebreu_ = nullptr; // Edit14
    QSpinBox* annee_hebraique_ = nullptr;  // SpinEdit8
    QLineEdit* jour_semaine_ = nullptr;    // Edit7
    QLineEdit* jour_evenement_ = nullptr;  // Edit11
    QComboBox* jour_nuit_ = nullptr;       // ComboBox1
    QLabel* alerte_civile_ = nullptr;
    QLabel* alerte_hebraique_ = nullptr;
    QLabel* titre_date_ = nullptr;
    QWidget* inhumation_ = nullptr;
    QSpinBox* jour_inhumation_ = nullptr;  // SpinEdit4
    QSpinBox* mois_inhumation_ = nullptr;  // SpinEdit7
    QSpinBox* annee_inhumation_ = nullptr; // SpinEdit11
    QComboBox* nuit_inhumation_ = nullptr; // ComboBox2
    QLineEdit* hebreu_inhumation_ = nullptr;
    QPushButton* bar_ = nullptr;
    QPushButton* bat_ = nullptr;

    // Persons.
    QLabel* correspondant_ = nullptr;
    QLabel* fils_de_ = nullptr;
    QComboBox* civilite_ = nullptr;        // ComboBox6
    QComboBox* civilite_defunt_ = nullptr; // ComboBox3
    QWidget* defunt_ = nullptr;
    QLineEdit* nom_defunt_ = nullptr;
    QLineEdit* prenom_defunt_ = nullptr;
    QLineEdit* prenom_hebreu_defunt_ = nullptr;
    QLineEdit* nom_ = nullptr;
    QLineEdit* prenom_ = nullptr;
    QLineEdit* prenom_hebreu_ = nullptr;
    QLineEdit* chez_ = nullptr;
    QLineEdit* numero_rue_ = nullptr;
    QLineEdit* adresse_ = nullptr;
    QLineEdit* code_postal_ = nullptr;
    QLineEdit* ville_ = nullptr;
    QLineEdit* pays_ = nullptr;
    QLineEdit* telephone_ = nullptr;
    QLineEdit* notes_ = nullptr;
    QWidget* personnes_ = nullptr;
    QPlainTextEdit* texte_evenement_ = nullptr;

    // Position, counts and next anniversary.
    QSpinBox* nb_annees_ = nullptr;      // SpinEdit1
    QSpinBox* pas_ = nullptr;            // SpinEdit2
    QSpinBox* position_boite_ = nullptr; // SpinEdit15
    QScrollBar* defilement_ = nullptr;
    QLineEdit* numero_fiche_ = nullptr; // Edit12
    QLabel* libelle_position_ = nullptr;
    QLabel* selection_ = nullptr;
    QLineEdit* anniv_civil_ = nullptr;
    QLineEdit* anniv_hebreu_ = nullptr;

    // Sheet.
    QLabel* entete_hebreu_ = nullptr;
    ZoneResultat* feuille_ = nullptr;
    QTextEdit* lecture_zone_ = nullptr;
    QListWidget* liste_noms_ = nullptr;
    QLabel* aide_liste_ = nullptr;
    QMenu* menu_ = nullptr;
    QPushButton* ordonner_ = nullptr;
    QPushButton* tout_recalculer_ = nullptr;
};

} // namespace orvane::gui
