#include "gui/common/narrow_label.h"

#include <QLabel>

namespace orvane::gui
{

void sans_elargir(QLabel* l)
{
    QSizePolicy politique(QSizePolicy::Ignored, QSizePolicy::Preferred);
    politique.setHeightForWidth(true);
    l->setSizePolicy(politique);
    l->setMinimumWidth(0);
    l->setWordWrap(true);
}

} // namespace orvane::gui
