// The drawing and the mouse and keyboard handling that the civil and Hebrew
// month grids share: an owner-drawn grid of 7 columns and 7 rows (a title
// row and six week rows), no scroll bars, the cell of the day drawn as
// selected. Columns and rows share the widget's size: each column is
// (width − 6 × grid line width) / 7 wide, each row (height − 6 × grid line
// width) / 7 high.
#pragma once

#include "engine/month_grid.h"

#include <QWidget>

#include <optional>

namespace orvane::gui
{

class MonthGridView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int StartOfWeek READ StartOfWeek WRITE setStartOfWeek)
    Q_PROPERTY(bool UseCurrentDate READ UseCurrentDate WRITE setUseCurrentDate)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
    Q_PROPERTY(int GridLineWidth READ GridLineWidth WRITE setGridLineWidth)

public:
    /// Weekday of the first column, 0 Sunday .. 6 Saturday.
    [[nodiscard]] int StartOfWeek() const { return grille().StartOfWeek(); }
    /// Moves the columns; the date does not change and `changed` is not sent.
    void setStartOfWeek(int debut_semaine);
    [[nodiscard]] bool UseCurrentDate() const { return grille().UseCurrentDate(); }
    /// On: the grid takes today's date (without `changed`).
    void setUseCurrentDate(bool oui);
    [[nodiscard]] bool ReadOnly() const { return grille().ReadOnly(); }
    void setReadOnly(bool oui);
    [[nodiscard]] int GridLineWidth() const { return epaisseur_; }
    void setGridLineWidth(int epaisseur);

    /// Width of a column and height of a row for the present size.
    [[nodiscard]] int largeur_colonne() const;
    [[nodiscard]] int hauteur_ligne() const;
    /// The rectangle of a cell (column 0..6, row 0..6).
    [[nodiscard]] QRect rect_case(int colonne, int ligne) const;
    /// The cell under a point, if any.
    [[nodiscard]] std::optional<engine::CaseGrille> case_en(QPoint point) const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

    /// The calendar layout drawn.
    [[nodiscard]] virtual const engine::GrilleMois& grille() const = 0;

signals:
    /// Sent after every change of date.
    void changed();

protected:
    explicit MonthGridView(QWidget* parent);
    [[nodiscard]] virtual engine::GrilleMois& grille_a_changer() = 0;

    /// After a setter of the model: repaints and sends `changed` when the
    /// date changed.
    void apres_changement(bool change);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int epaisseur_ = 1;
};

} // namespace orvane::gui
