// The chart of the "Graphiques" command: dawn, sunrise, midday, sunset and
// the stars over the range of the table, one curve each, hours up the side
// and the months along the bottom, drawn by the program; printable.
#pragma once

#include "tables/chart_series.h"

#include <QWidget>

#include <vector>

class QPainter;
class QPrinter;

namespace orvane::gui
{

class GraphiqueHoraires : public QWidget
{
    Q_OBJECT

public:
    explicit GraphiqueHoraires(QWidget* parent = nullptr);

    void montre(std::vector<tables::PointDuJour> points, QString titre);
    [[nodiscard]] std::size_t nombre_de_points() const { return points_.size(); }

    /// Draws the chart in `zone` of any device (the window, a printer page).
    void dessine(QPainter& p, const QRect& zone) const;
    /// Prints on one landscape page.
    bool imprime(QPrinter& printer) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<tables::PointDuJour> points_;
    QString titre_;
};

} // namespace orvane::gui
