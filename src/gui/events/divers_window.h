// The "Divers" window Tdivers: one of fifteen tables over a range of Hebrew
// years (moladot, Birkat Halévana, seasons, new months, cemetery visits,
// forbidden weddings, year types, series and cycles, Bar-Mitsva
// ceremonies), with its inputs, saving, printing, glossary and web pages.
// The table is chosen by the menu and fixed for the life of the window.
#pragma once

#include "events/divers/divers_modes.h"
#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class ZoneResultat;

class Tdivers : public QWidget
{
    Q_OBJECT

public:
    using Imprimante = std::function<bool(const TexteAImprimer&)>;

    Tdivers(shell::AppContext& ctx, events::ModeDivers mode, QWidget* parent = nullptr);
    ~Tdivers() override;

    /// Replaces the save dialog, the error box and the printer (tests).
    void set_dialogues(ChoixFichier choix, MessageErreur erreur, Imprimante imprimante);

    void SpinEditHebrChange(int annee);
    void SpinEditCivChange(int annee);
    void SpinEditFinHebrChange(int annee);
    void SpinEditFinCivChange(int annee);
    void NombreChange(int n);
    void IncrementChange(int n);
    void MoisChange(int index);
    void Coche1Click(bool coche);
    void Coche2Click(bool coche);
    void HoumraClick();
    void BoutonIsraelClick();
    void BoutonCalculerClick();
    void BoutonAujourdhuiClick();
    void BoutonDefautClick();
    void BoutonEnregistrerClick();
    void BoutonImprimerClick();
    void BoutonGlossaireClick();

    [[nodiscard]] events::ModeDivers mode() const { return mode_; }
    /// The lines of the table as computed (Hebrew texts in their stored
    /// letters), those that "Enregistrer" writes.
    [[nodiscard]] const std::vector<std::string>& texte() const { return texte_; }
    /// The input values the window remembers for each table.
    [[nodiscard]] const events::ValeursMode& valeurs() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cree_entrees();
    void cree_coches();
    void cree_notes();
    void cree_boutons();
    void cree_resultats();
    void installe_mode();
    void active();
    [[nodiscard]] events::EntreesDivers entrees() const;
    void calcule(bool israel);
    void affiche_texte(const std::vector<std::string>& lignes);
    void ecrit_fichiers_annee();
    void coche_exclusive(QCheckBox* cochee, QCheckBox* autre);
    void lit_aujourdhui();

    shell::AppContext& ctx_;
    events::ModeDivers mode_;
    ChoixFichier choix_;
    MessageErreur erreur_;
    Imprimante imprimante_;
    std::array<events::ValeursMode, events::nombre_modes_divers> valeurs_{};
    std::vector<std::string> texte_;
    bool synchronise_ = false;
    bool active_ = false;
    bool glossaire_affiche_ = false;

    QSpinBox* annee_hebr_ = nullptr;
    QSpinBox* annee_civile_ = nullptr;
    QSpinBox* fin_hebr_ = nullptr;
    QSpinBox* fin_civile_ = nullptr;
    QSpinBox* nb_annees_ = nullptr;
    QSpinBox* increment_ = nullptr;
    QComboBox* mois_ = nullptr;
    QLabel* libelle_mois_ = nullptr;
    QLabel* libelle_nb_ = nullptr;
    QCheckBox* coche1_ = nullptr;
    QCheckBox* coche2_ = nullptr;
    QCheckBox* web_ = nullptr;
    QCheckBox* houmra_ = nullptr;
    QPushButton* israel_ = nullptr;
    QPushButton* calculer_ = nullptr;
    QPushButton* glossaire_ = nullptr;
    QLabel* aujourdhui_ = nullptr;
    QLabel* message_ = nullptr;
    std::vector<QLabel*> notes_;
    std::vector<QWidget*> entrees_annees_;
    std::vector<QWidget*> entrees_fin_;
    std::vector<QWidget*> entrees_nb_;
    std::vector<QWidget*> entrees_increment_;
    std::vector<QWidget*> entrees_mois_;
    QProgressBar* jauge_ = nullptr;
    QLabel* etape_ = nullptr;
    QListWidget* liste_hebreu_ = nullptr;
    ZoneResultat* memo_ = nullptr;
};

} // namespace orvane::gui
