#include "gui/common/paired_buttons.h"

#include <QPushButton>

namespace orvane::gui
{

QPushButton* bouton_de_paire(const QString& texte, const char* nom, QWidget* parent)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setCheckable(true);
    b->setAutoDefault(false);
    return b;
}

void colore_paire(QPushButton* choisi, QPushButton* autre)
{
    choisi->setChecked(true);
    autre->setChecked(false);
    choisi->setStyleSheet(QStringLiteral("font-weight: bold; color: red;"));
    autre->setStyleSheet(QStringLiteral("font-weight: normal; color: blue;"));
}

} // namespace orvane::gui
