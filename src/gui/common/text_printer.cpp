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
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    int haut = 0; // top of the next line on the page
    for (std::size_t i = 0; i < texte.lignes.size(); ++i) {
        const auto propre = texte.polices_des_lignes.find(i);
        const QFont& police =
            propre == texte.polices_des_lignes.end() ? texte.police : propre->second;
        peintre.setFont(police);
        const QFontMetrics mesures(police, &printer);
        if (haut + mesures.height() > page.height() && haut > 0) {
            printer.newPage();
            haut = 0;
        }
        QString l = QString::fromStdString(texte.lignes[i]);
        int x = 0;
        if (texte.lignes_a_droite.contains(i)) {
            l = l.trimmed();
            x = page.width() - mesures.horizontalAdvance(l);
        } else {
            l.replace(QLatin1Char('\t'), QStringLiteral("        "));
        }
        peintre.drawText(x, haut + mesures.ascent(), l);
        haut += mesures.lineSpacing();
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
