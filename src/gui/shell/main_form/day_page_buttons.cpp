#include "gui/shell/main_form/day_page_buttons.h"

#include "gui/common/named_button.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

constexpr const char* aide_taille =
    "Si 0, taille d'impression standard.\rSelon le Driver de l'imprimante utilisée, il est "
    "quelques fois nécessaire\rd'augmenter ou de diminuer la taille de la police d'impression. "
    "Faire un essai.";

} // namespace

BoutonsPageDuJour::BoutonsPageDuJour(QWidget* parent) : QWidget(parent)
{
    cree_boutons();
}

int BoutonsPageDuJour::taille_impression() const
{
    return SpinEdit4->value();
}

void BoutonsPageDuJour::cree_boutons()
{
    QPushButton* montre = bouton_nomme(this, "BoutonPageDuJour", QStringLiteral("Page du jour"),
                                       this, &BoutonsPageDuJour::montrer_page);
    montre->setToolTip(
        QStringLiteral("Cliquez pour visualiser et enregister cette page en mode ligne"));
    QPushButton* imprime =
        bouton_nomme(this, "BoutonImprimerPage", QStringLiteral("Imprimer la page"), this,
                     &BoutonsPageDuJour::imprimer_page);
    imprime->setToolTip(QStringLiteral("Cliquez pour imprimer cette page en mode ligne"));
    SpinEdit4 = new QSpinBox(this);
    SpinEdit4->setObjectName("SpinEdit4");
    SpinEdit4->setRange(-8, 10);
    SpinEdit4->setValue(0);
    SpinEdit4->setToolTip(
        QString::fromUtf8(aide_taille).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    connect(SpinEdit4, &QSpinBox::valueChanged, this,
            &BoutonsPageDuJour::taille_impression_changee);
    auto* taille = new QHBoxLayout;
    taille->addWidget(new QLabel(QStringLiteral(" Taille impression +/-"), this));
    taille->addWidget(SpinEdit4);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(montre);
    boutons->addWidget(imprime);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(boutons);
    layout->addLayout(taille);
}

} // namespace orvane::gui
