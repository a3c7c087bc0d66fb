// The commands of the day page at the top right of the main window: "Page du
// jour" (the text page in front of the window), "Imprimer la page", and the
// print-size box (-8..10 points added to the size of every printout).
#pragma once

#include <QWidget>

class QSpinBox;

namespace orvane::gui
{

class BoutonsPageDuJour : public QWidget
{
    Q_OBJECT

public:
    explicit BoutonsPageDuJour(QWidget* parent = nullptr);

    /// The print-size box: points added to the printed size.
    [[nodiscard]] int taille_impression() const;

signals:
    void montrer_page();
    void imprimer_page();
    void taille_impression_changee(int points);

private:
    void cree_boutons();

    QSpinBox* SpinEdit4 = nullptr; // the print size
};

} // namespace orvane::gui
