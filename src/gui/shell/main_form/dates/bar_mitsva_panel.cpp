#include "gui/shell/main_form/dates/bar_mitsva_panel.h"

#include "gui/common/fonts.h"
#include "gui/common/paired_buttons.h"
#include "records/bar_mitsva.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane::gui
{

PanneauBarMitsva::PanneauBarMitsva(QWidget* parent) : QGroupBox(parent)
{
    setObjectName("PanneauBarMitsva");
    cree_boutons();
    cree_textes();
    connect(bouton_bar_mitsva_, &QPushButton::clicked, this,
            &PanneauBarMitsva::BoutonBarMitsvaClick);
    connect(bouton_bat_mitsva_, &QPushButton::clicked, this,
            &PanneauBarMitsva::BoutonBatMitsvaClick);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(bouton_bar_mitsva_);
    boutons->addWidget(bouton_bat_mitsva_);
    boutons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(3);
    layout->addLayout(boutons);
    layout->addWidget(Panel8);
    layout->addWidget(Label26);
}

void PanneauBarMitsva::cree_boutons()
{
    bouton_bar_mitsva_ = bouton_de_paire(QStringLiteral("Bar-Mitsva"), "BoutonBarMitsva", this);
    bouton_bar_mitsva_->setToolTip(QStringLiteral("Treize ans révolus pour un garçon"));
    bouton_bat_mitsva_ = bouton_de_paire(QStringLiteral("Bat-Mitsva"), "BoutonBatMitsva", this);
    bouton_bat_mitsva_->setToolTip(QStringLiteral("Douze ans révolus pour une fille"));
    colore_paire(bouton_bar_mitsva_, bouton_bat_mitsva_);
}

void PanneauBarMitsva::cree_textes()
{
    Panel8 = new QLabel(this);
    Panel8->setObjectName("Panel8");
    Panel8->setFrameShape(QFrame::Panel);
    Panel8->setFrameShadow(QFrame::Sunken);
    Panel8->setFont(police_fixe(9));
    Label26 = new QLabel(this);
    Label26->setObjectName("Label26");
    Label26->setWordWrap(true);
}

void PanneauBarMitsva::montre(const std::optional<records::BarMitsva>& bar_mitsva)
{
    Panel8->setText(bar_mitsva ? QString::fromStdString(bar_mitsva->ligne_date) : QString());
    Label26->setText(bar_mitsva ? QString::fromStdString(bar_mitsva->ligne_chabbat) : QString());
}

void PanneauBarMitsva::BoutonBarMitsvaClick()
{
    choisit_fille(false);
}

void PanneauBarMitsva::BoutonBatMitsvaClick()
{
    choisit_fille(true);
}

void PanneauBarMitsva::choisit_fille(bool fille)
{
    fille_ = fille;
    colore_paire(fille ? bouton_bat_mitsva_ : bouton_bar_mitsva_,
                 fille ? bouton_bar_mitsva_ : bouton_bat_mitsva_);
    emit choix_change();
}

} // namespace orvane::gui
