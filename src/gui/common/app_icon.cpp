#include "gui/common/app_icon.h"

namespace orvane::gui
{

QIcon icone_du_programme()
{
    QIcon icone;
    for (int taille : {16, 32, 48, 64, 128, 256}) {
        icone.addFile(QStringLiteral(":/orvane/orvane-%1.png").arg(taille), QSize(taille, taille));
    }
    return icone;
}

} // namespace orvane::gui
