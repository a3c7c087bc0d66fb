#include "gui/shell/main_form/day/year_characteristics_panel.h"

#include "events/years/characteristics.h"
#include "gui/common/fonts.h"
#include "gui/common/narrow_label.h"

#include <QGridLayout>
#include <QLabel>

namespace orvane::gui
{

PanneauCaracteristiques::PanneauCaracteristiques(QWidget* parent)
    : QGroupBox(QStringLiteral("Caractéristiques de l'année hébraïque"), parent)
{
    setObjectName("Caracteristiques");
    cree_panneau();
}

void PanneauCaracteristiques::cree_panneau()
{
    const std::array<const char*, 6> noms = {"Label14", "Label15", "Label17",
                                             "Label18", "Label19", "Label47"};
    auto* grille = new QGridLayout(this);
    grille->setVerticalSpacing(1);
    for (std::size_t i = 0; i < noms.size(); ++i) {
        caracteristiques_[i] = new QLabel(this);
        caracteristiques_[i]->setObjectName(noms[i]);
        sans_elargir(caracteristiques_[i]);
        grille->addWidget(caracteristiques_[i], static_cast<int>(i), 0);
    }
    Label16 = new QLabel(this);
    Label16->setObjectName("Label16");
    Label41 = new QLabel(this);
    Label41->setObjectName("Label41");
    grille->addWidget(Label16, 0, 1, 2, 1, Qt::AlignRight);
    grille->addWidget(Label41, 2, 1, 2, 1, Qt::AlignRight);
    grille->setColumnStretch(0, 1);
}

void PanneauCaracteristiques::montre(const events::CaracteristiquesAnnee& k)
{
    const std::array<const std::string*, 6> textes = {
        &k.texte_type,          &k.texte_longueur,      &k.texte_cycle_lunaire,
        &k.texte_cycle_solaire, &k.texte_birkat_hahama, &k.texte_chemita};
    for (std::size_t i = 0; i < textes.size(); ++i) {
        caracteristiques_[i]->setText(QString::fromStdString(*textes[i]));
    }
    affiche_hebreu(*Label16, k.signe_hebreu, 22);
    affiche_hebreu(*Label41, k.mot_hebreu, 18);
}

} // namespace orvane::gui
