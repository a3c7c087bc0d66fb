#include "gui/common/buddy_label.h"

#include <QGridLayout>
#include <QLabel>

namespace orvane::gui
{

QLabel* libelle(QWidget* parent, const QString& texte, QWidget* compagnon)
{
    auto* l = new QLabel(texte, parent);
    l->setBuddy(compagnon);
    return l;
}

QGridLayout* grille(QWidget* w)
{
    return static_cast<QGridLayout*>(w->layout());
}

} // namespace orvane::gui
