#include "gui/shell/day_page_view.h"

#include "gui/common/result_area.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane::gui
{

PageDuJourVue::PageDuJourVue(QWidget* parent) : QWidget(parent)
{
    setObjectName("PageDuJour");
    Memo8 = new ZoneResultat("Memo8", 8, this);
    Memo8->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* fermer_b = new QPushButton(QStringLiteral("Fermer"), this);
    fermer_b->setObjectName("BoutonFermerPage");
    auto* enregistrer_b = new QPushButton(QStringLiteral("Enregistrer"), this);
    enregistrer_b->setObjectName("BoutonEnregistrerPage");
    auto* imprimer_b = new QPushButton(QStringLiteral("Imprimer"), this);
    imprimer_b->setObjectName("BoutonImprimerPageVue");
    imprimer_b->setToolTip(QStringLiteral("Cliquez pour imprimer cette page en mode ligne"));
    connect(fermer_b, &QPushButton::clicked, this, &PageDuJourVue::fermer);
    connect(enregistrer_b, &QPushButton::clicked, this, &PageDuJourVue::enregistrer);
    connect(imprimer_b, &QPushButton::clicked, this, &PageDuJourVue::imprimer);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(fermer_b);
    boutons->addWidget(enregistrer_b);
    boutons->addWidget(imprimer_b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo8, 1);
    layout->addLayout(boutons);
}

void PageDuJourVue::affiche(const std::vector<std::string>& lignes)
{
    Memo8->affiche(lignes);
}

std::vector<std::string> PageDuJourVue::lignes() const
{
    return Memo8->lignes();
}

} // namespace orvane::gui
