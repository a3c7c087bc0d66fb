// TFLune, "Phases de la lune au cours du cycle lunaire": the moon travels
// round the Earth through one lunar month, one day every 300 ms, each day
// drawn with the shape of the moon seen from the Earth, and stays eight
// steps on the place of today's Hebrew day. The scene is drawn by the
// program: the Sun on the right, the Earth left of centre, the thirty
// places of the moon on an oval round it, day 30 at the conjunction between
// the Earth and the Sun, the days running counter-clockwise (first quarter
// at the top, full moon on the far side, last quarter at the bottom).
#pragma once

#include "shell/calendars/moon_animation.h"

#include <QPointF>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

/// The scene: Sun, Earth, orbit, the labels of the phases and the moons
/// the animation shows.
class SceneLune : public QWidget
{
    Q_OBJECT

public:
    SceneLune(const shell::AnimationLune& animation, QWidget* parent);
    [[nodiscard]] QSize sizeHint() const override { return {760, 470}; }
    /// Centre of the place of day `jour` (1..30) on the orbit.
    [[nodiscard]] QPointF place_du_jour(int jour) const;
    [[nodiscard]] QPointF terre() const;
    [[nodiscard]] QPointF soleil() const;
    static constexpr double rayon_lune = 14;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void dessine_astres(QPainter& p) const;
    void dessine_textes(QPainter& p) const;
    const shell::AnimationLune& animation_;
};

class TFLune : public QWidget
{
    Q_OBJECT

public:
    /// `jour_hebr`: the Hebrew day of the date the main window shows, on
    /// which the moon stops.
    TFLune(shell::AppContext& ctx, int jour_hebr, QWidget* parent = nullptr);

    [[nodiscard]] const shell::AnimationLune& animation() const { return animation_; }
    [[nodiscard]] QTimer* minuterie() const { return Timer1; }

public slots:
    /// The window activated: k = 30, the day box and today's line set, the
    /// step timer started.
    void FormActivate();
    /// The window left: the step timer stopped.
    void FormDeactivate();
    /// One step of the timer.
    void Timer1Timer();

protected:
    bool event(QEvent* e) override;

private:
    void montre_etat();

    shell::AppContext& ctx_;
    shell::AnimationLune animation_;
    SceneLune* scene_ = nullptr;
    QLineEdit* Edit1 = nullptr;     // the day box
    QLabel* Label3 = nullptr;       // today's date
    QLabel* Label4 = nullptr;       // "Position de la lune aujourd'hui"
    QPushButton* Button1 = nullptr; // "Arrêter le mouvement de la lune"
    QPushButton* Button2 = nullptr; // "Fermer"
    QTimer* Timer1 = nullptr;
};

} // namespace orvane::gui
