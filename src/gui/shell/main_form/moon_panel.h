// "Phase de la lune" of the main window: the moon of the Hebrew day shown,
// drawn, with the name of its phase beside it ("Lune croissante" before the
// 15th, "Pleine lune" on it, "Lune invisible" on the 29th, 30th and 1st).
#pragma once

#include <QGroupBox>

class QLabel;
class QMouseEvent;

namespace orvane::gui
{

class DessinLune;

class PanneauLune : public QGroupBox
{
    Q_OBJECT

public:
    explicit PanneauLune(QWidget* parent = nullptr);

    /// The moon of Hebrew day `jour_hebr` (1..30).
    void montre_jour(int jour_hebr);

signals:
    /// A click on the picture, on its panel or on the title "Phase de la
    /// lune": the main window opens the moon animation.
    void clique();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void cree_panneau();

    DessinLune* lune_ = nullptr;
    QLabel* Label28 = nullptr; // the phase
};

} // namespace orvane::gui
