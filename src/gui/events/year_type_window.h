// The year-type window TFYEARTYP: the type (Simane), length, weekdays of
// Roch-Hachana and Pessa'h, cycles and series of a Hebrew year.
#pragma once

#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
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

class TFYEARTYP : public QWidget
{
    Q_OBJECT

public:
    using Imprimante = std::function<bool(const TexteAImprimer&)>;

    explicit TFYEARTYP(shell::AppContext& ctx, QWidget* parent = nullptr);
    ~TFYEARTYP() override;

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
    void cree_annees();
    void cree_etiquettes();
    void cree_boutons();

    shell::AppContext& ctx_;
    ChoixFichier choix_;
    MessageErreur erreur_;
    Imprimante imprimante_;
    std::unique_ptr<AnneesLiees> annees_;

    QSpinBox* annee_hebr_ = nullptr;
    QSpinBox* annee_civile_ = nullptr;
    QPushButton* calculer_ = nullptr;
    QLabel* signe_ = nullptr;
    QLabel* mot_ = nullptr;
    QLabel* nature_ = nullptr;
    QLabel* correspondance_ = nullptr;
    ZoneResultat* memo_ = nullptr;
};

} // namespace orvane::gui
