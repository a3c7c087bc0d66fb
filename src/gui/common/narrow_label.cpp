#include "gui/common/narrow_label.h"

#include <QLabel>

namespace orvane::gui
{

void sans_elargir(QLabel* l)
{
    l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    l->setMinimumWidth(0);
}

} // namespace orvane::gui
