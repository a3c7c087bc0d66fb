// The festivals window TFFetes ("Date des fêtes de l'année") in one of its
// three modes: festivals, fasts, or both. It lists the festivals and fasts
// of one or many Hebrew years with the characteristics of each year, saves
// and prints them, and writes the consistory files.
#pragma once

#include "events/festivals/festivals_text.h"
#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"

#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class AnneesLiees;
class ZoneResultat;

class TFFetes : public QWidget
{
    Q_OBJECT

public:
    using Imprimante = std::function<bool(const TexteAImprimer&)>;

    TFFetes(shell::AppContext& ctx, events::ModeFetes mode, QWidget* parent = nullptr);
    ~TFFetes() override;

    /// Replaces the save dialog, the error box and the printer (tests).
    void set_dialogues(ChoixFichier choix, MessageErreur erreur, Imprimante imprimante);

    void SpinEditHebrChange(int annee);
    void SpinEditCivChange(int annee);
    void BoutonAujourdhuiClick();
    void BoutonDefautClick();
    void BoutonCalculerClick();
    void BoutonImprimerClick();
    void BoutonEnregistrerClick();
    void BoutonGlossaireClick();
    void BoutonCiopClick();

    [[nodiscard]] events::ModeFetes mode() const { return mode_; }

private:
    void cree_annees();
    void cree_selection();
    void cree_boutons();
    void cree_resultats();
    void charge_noms();
    /// The years asked, within the years the calendar converts.
    [[nodiscard]] std::vector<int> annees_demandees() const;
    /// Runs the list over the years; false when the user stopped it.
    bool calcule(bool consistoire);
    void affiche_premiere_annee(int annee);

    shell::AppContext& ctx_;
    events::ModeFetes mode_;
    ChoixFichier choix_;
    MessageErreur erreur_;
    Imprimante imprimante_;
    std::unique_ptr<AnneesLiees> annees_;

    QSpinBox* annee_hebr_ = nullptr;
    QSpinBox* annee_civile_ = nullptr;
    QSpinBox* nb_annees_ = nullptr;
    QSpinBox* increment_ = nullptr;
    QListWidget* noms_ = nullptr;
    QCheckBox* web_ = nullptr; // "Page web"
    QLabel* signe_ = nullptr;
    QLabel* mot_ = nullptr;
    QLabel* nature_ = nullptr;
    ZoneResultat* memo1_ = nullptr;
    ZoneResultat* memo2_ = nullptr;
};

/// Window title of a mode: "Fêtes de l'année juive" …
[[nodiscard]] QString titre_fenetre_fetes(events::ModeFetes mode);

/// Name-list file of a mode: "s_fetes.dta", "s_jeunes.dta", "s_fetjeu.dta".
[[nodiscard]] std::string fichier_noms_fetes(events::ModeFetes mode);

} // namespace orvane::gui
