// Printing the lines of a result window: one helper over Qt's printer for
// every window. The print dialog lets the user choose a printer or a PDF
// file; tests print straight to a PDF file.
#pragma once

#include <QFont>
#include <QPageLayout>

#include <map>
#include <set>
#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace orvane::gui
{

/// The size of the printed text of the result windows; the main window's
/// print-size box (-8..10) is added to it.
inline constexpr int taille_impression_defaut = 10;

struct TexteAImprimer {
    std::vector<std::string> lignes;
    QFont police; // the text area's font, at the print size
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    /// Lines printed in a font of their own (a title), by index.
    std::map<std::size_t, QFont> polices_des_lignes;
    /// Lines set against the right edge of the page (a heading), by index;
    /// their leading tabs and blanks are dropped.
    std::set<std::size_t> lignes_a_droite;
};

/// Prints the lines on `printer`, a page after another; lines too long for
/// the page are cut at its right edge. False when painting could not start.
bool imprime_texte(QPrinter& printer, const TexteAImprimer& texte);

/// The print dialog, then the printing; false when cancelled or failed.
bool imprime_avec_dialogue(QWidget* parent, const TexteAImprimer& texte);

/// Prints to a PDF file without asking.
bool imprime_en_pdf(const QString& fichier, const TexteAImprimer& texte);

/// The area's font at `points` points, for printing.
[[nodiscard]] QFont police_d_impression(const QFont& police_de_la_zone, int points);

} // namespace orvane::gui
