#include "gui/common/named_button.h"

namespace orvane::gui
{

QPushButton* bouton_nomme(QWidget* parent, const char* nom, const QString& texte)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    return b;
}

} // namespace orvane::gui
