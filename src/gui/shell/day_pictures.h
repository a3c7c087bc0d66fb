// The pictures of the day page, drawn by the program: the moon of the
// Hebrew day (the lit part of the disc as seen from the Earth) and the
// Sabbath candle.
#pragma once

#include <QWidget>

namespace orvane::gui
{

/// The moon on a Hebrew day: a dark disc with its lit part, on the right
/// while the moon grows and on the left while it wanes.
class DessinLune : public QWidget
{
    Q_OBJECT

public:
    explicit DessinLune(QWidget* parent = nullptr);

    /// The Hebrew day drawn (1..30).
    void setJourHebreu(int jour);
    [[nodiscard]] int jourHebreu() const { return jour_; }
    [[nodiscard]] QSize sizeHint() const override { return {72, 72}; }

signals:
    void clique();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int jour_ = 1;
};

/// A lit candle.
class DessinBougie : public QWidget
{
    Q_OBJECT

public:
    explicit DessinBougie(QWidget* parent = nullptr);
    [[nodiscard]] QSize sizeHint() const override { return {28, 64}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orvane::gui
