// The Shemita/Yovel window TFYovel ("Cycles Chemita et Yovel ( Année
// sabbatique et jubilé )"): seventeen Hebrew years with their sabbatical and
// jubilee marks under the chosen count, moved year by year, the place of the
// middle year in its cycle, and the next Chemita and Yovel.
#pragma once

#include "events/omer/shemita.h"
#include "gui/common/save_text.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class ZoneResultat;

class TFYovel : public QWidget
{
    Q_OBJECT

public:
    explicit TFYovel(shell::AppContext& ctx, QWidget* parent = nullptr);
    ~TFYovel() override;

    /// Replaces the error box (tests).
    void set_erreur(MessageErreur erreur);

    [[nodiscard]] int premiere_annee() const { return premiere_annee_; }
    [[nodiscard]] events::AvisChemita avis() const { return avis_; }

    void BoutonReculeClick();
    void BoutonAvanceClick();
    void ImageAujourdhuiClick();
    void CheckBoxYehoudaClick(bool coche);
    void CheckBoxHakhamimClick(bool coche);
    void BoutonGlossaireClick();

private:
    void cree_bande();
    void cree_avis();
    void cree_textes();
    void cree_boutons();
    /// Writes the years and marks of the strip and the description.
    void dessine_bande();
    /// Makes `avis` the chosen count, its box bold and red.
    void choisit_avis(events::AvisChemita avis, bool depuis_second_choix);

    shell::AppContext& ctx_;
    MessageErreur erreur_;
    int premiere_annee_ = 1;
    events::AvisChemita avis_ = events::AvisChemita::rabbi_yehouda;

    QList<QLabel*> annees_;
    QList<QLabel*> marques_;
    QCheckBox* yehouda_ = nullptr;
    QCheckBox* hakhamim_ = nullptr;
    QLabel* texte_avis_ = nullptr;
    QLabel* description_ = nullptr;
    QLabel* aujourdhui_ = nullptr;
    QLabel* chemita_ = nullptr;
    QLabel* yovel_ = nullptr;
    ZoneResultat* memo_ = nullptr;
};

} // namespace orvane::gui
