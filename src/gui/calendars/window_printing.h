// "Imprimer" of the two calendar windows: the window printed as it shows on
// the screen, on one portrait page, the printer set up before anything is
// drawn (orientation, and "Courier New" at the print size of the main
// window for the texts of the page).
#pragma once

#include <QFont>
#include <QPageLayout>

#include <functional>

class QPrinter;
class QWidget;

namespace orvane::gui
{

struct ReglagesImpression {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QFont police;
};

/// Portrait, "Courier New" at the result windows' size plus the main
/// window's print-size offset (−8..10).
[[nodiscard]] ReglagesImpression reglages_impression_fenetre(int taille_impression);

/// The printer set up with `r`, then the window drawn on the page, scaled
/// to fit it. False when painting could not start.
bool imprime_fenetre(QPrinter& printer, QWidget& fenetre, const ReglagesImpression& r);

/// The print dialog (on a printer already set up with `r`), then the
/// printing; false when cancelled.
bool imprime_fenetre_avec_dialogue(QWidget& fenetre, const ReglagesImpression& r);

/// What "Imprimer" calls; tests replace it.
using ImpressionFenetre = std::function<bool(QWidget&, const ReglagesImpression&)>;

} // namespace orvane::gui
