#include "gui/common/text_printer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace orvane::gui
{

bool imprime_texte(QPrinter& printer, const TexteAImprimer& texte)
{
    printer.setPageOrientation(texte.orientation);
    QPainter peintre;
    if (!peintre.begin(&printer)) {
        return false;
    }
    peintre.setFont(texte.police);
    const QFontMetrics mesures(texte.police, &printer);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int hauteur = mesures.lineSpacing();
    int y = mesures.ascent();
    for (const std::string& ligne : texte.lignes) {
        if (y + mesures.descent() > page.height()) {
            printer.newPage();
            y = mesures.ascent();
        }
        QString l = QString::fromStdString(ligne);
        l.replace(QLatin1Char('\t'), QStringLiteral("        "));
        peintre.drawText(0, y, l);
        y += hauteur;
    }
    peintre.end();
    printer.setPageOrientation(QPageLayout::Portrait);
    return true;
}

bool imprime_avec_dialogue(QWidget* parent, const TexteAImprimer& texte)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(texte.orientation);
    QPrintDialog dialogue(&printer, parent);
    if (dialogue.exec() != QDialog::Accepted) {
        return false;
    }
    return imprime_texte(printer, texte);
}

bool imprime_en_pdf(const QString& fichier, const TexteAImprimer& texte)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fichier);
    return imprime_texte(printer, texte);
}

QFont police_d_impression(const QFont& police_de_la_zone, int points)
{
    QFont f = police_de_la_zone;
    f.setPointSize(points);
    return f;
}

} // namespace orvane::gui
