#include "gui/calendars/window_printing.h"

#include "gui/common/text_printer.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace orvane::gui
{

ReglagesImpression reglages_impression_fenetre(int taille_impression)
{
    ReglagesImpression r;
    r.police = QFont(QStringLiteral("Courier New"));
    r.police.setStyleHint(QFont::TypeWriter);
    r.police.setPointSize(std::max(1, taille_impression_defaut + taille_impression));
    return r;
}

namespace
{

void prepare(QPrinter& printer, const ReglagesImpression& r)
{
    printer.setPageOrientation(r.orientation);
}

} // namespace

bool imprime_fenetre(QPrinter& printer, QWidget& fenetre, const ReglagesImpression& r)
{
    prepare(printer, r);
    QPainter peintre;
    if (!peintre.begin(&printer)) {
        return false;
    }
    peintre.setFont(r.police);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize taille = fenetre.size();
    const double echelle = std::min(page.width() / static_cast<double>(taille.width()),
                                    page.height() / static_cast<double>(taille.height()));
    peintre.scale(echelle, echelle);
    fenetre.render(&peintre, QPoint(), QRegion(), QWidget::DrawChildren);
    peintre.end();
    return true;
}

bool imprime_fenetre_avec_dialogue(QWidget& fenetre, const ReglagesImpression& r)
{
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, r);
    QPrintDialog dialogue(&printer, &fenetre);
    if (dialogue.exec() != QDialog::Accepted) {
        return false;
    }
    return imprime_fenetre(printer, fenetre, r);
}

} // namespace orvane::gui
