// The Omer window Tfomer ("COMPTE DU 'OMER"): the fifty days from Pessa'h to
// Chavouot of a year, with their civil dates and Hebrew texts, in two grids
// that scroll together.
#pragma once

#include "events/omer/omer_count.h"
#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QTableWidget;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class AnneesLiees;
class ZoneResultat;

class Tfomer : public QWidget
{
    Q_OBJECT

public:
    using Imprimante = std::function<bool(const TexteAImprimer&)>;

    explicit Tfomer(shell::AppContext& ctx, QWidget* parent = nullptr);
    ~Tfomer() override;

    /// Replaces the save dialog, the error box and the printer (tests).
    void set_dialogues(ChoixFichier choix, MessageErreur erreur, Imprimante imprimante);

    void SpinEditHebrChange(int annee);
    void SpinEditCivChange(int annee);
    void BoutonAujourdhuiClick();
    void BoutonCalculerClick();
    void BoutonEnregistrerClick();
    void BoutonImprimerClick();
    void BoutonGlossaireClick();

private:
    void cree_titre();
    void cree_annees();
    void cree_grilles();
    void cree_boutons();
    /// The year of the last run ("annee_c", else "annee_h"), else this year.
    [[nodiscard]] int annee_civile_de_depart() const;
    void remplit_grilles(const events::TableOmer& table);
    void ajuste_colonnes();

    shell::AppContext& ctx_;
    ChoixFichier choix_;
    MessageErreur erreur_;
    Imprimante imprimante_;
    std::unique_ptr<AnneesLiees> annees_;
    std::optional<events::TableOmer> table_;

    QSpinBox* annee_hebr_ = nullptr;
    QSpinBox* annee_civile_ = nullptr;
    QPushButton* calculer_ = nullptr;
    QLabel* titre_ = nullptr;
    QLabel* correspondance_ = nullptr;
    QList<QLabel*> entetes_;
    QTableWidget* grille_civile_ = nullptr;
    QTableWidget* grille_hebraique_ = nullptr;
    QScrollBar* defilement_ = nullptr;
    ZoneResultat* memo_ = nullptr;
};

} // namespace orvane::gui
