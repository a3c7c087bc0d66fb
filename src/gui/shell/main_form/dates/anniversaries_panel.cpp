#include "gui/shell/main_form/dates/anniversaries_panel.h"

#include "gui/common/fonts.h"
#include "shell/main_form/main_panels.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvane::gui
{

PanneauAnniversaires::PanneauAnniversaires(QWidget* parent) : QGroupBox(parent)
{
    setObjectName("PanneauAnniversaires");
    cree_panneau();
    connect(SpinEdit7, &QSpinBox::valueChanged, this, &PanneauAnniversaires::SpinEdit7Change);
}

void PanneauAnniversaires::cree_panneau()
{
    SpinEdit7 = new QSpinBox(this);
    SpinEdit7->setObjectName("SpinEdit7");
    SpinEdit7->setRange(1, 100);
    SpinEdit7->setValue(15);
    Edit10 = new QLineEdit(this);
    Edit10->setObjectName("Edit10");
    Edit10->setReadOnly(true);
    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName("ComboBox3");
    ComboBox3->setFont(police_fixe(9));
    ComboBox3->setMaxVisibleItems(20);
    ComboBox3->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox3->setMinimumContentsLength(34);
    auto* haut = new QHBoxLayout;
    haut->addWidget(SpinEdit7);
    haut->addWidget(Edit10, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(3);
    layout->addLayout(haut);
    layout->addWidget(ComboBox3);
}

int PanneauAnniversaires::nombre() const
{
    return SpinEdit7->value();
}

void PanneauAnniversaires::ecrit_titre()
{
    Edit10->setText(QString::fromStdString(shell::titre_anniversaires(nombre())));
}

void PanneauAnniversaires::montre(const std::vector<std::string>& lignes)
{
    ComboBox3->clear();
    for (const std::string& l : lignes) {
        ComboBox3->addItem(QString::fromStdString(l));
    }
    ComboBox3->setCurrentIndex(0);
}

void PanneauAnniversaires::SpinEdit7Change()
{
    ecrit_titre();
    emit nombre_change();
}

} // namespace orvane::gui
