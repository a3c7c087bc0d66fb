// The line below the date boxes: "Dates d'aujourd'hui" while the panel shows
// today, otherwise two arrows and "Cliquez pour revenir à la date
// d'aujourd'hui", which bring the panel back to today.
#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

namespace orvane::gui
{

class LigneRetour : public QWidget
{
    Q_OBJECT

public:
    explicit LigneRetour(QWidget* parent = nullptr);

    /// The line for a date that is today or not.
    void montre(bool aujourdhui);

signals:
    /// An arrow or the underlined text was clicked.
    void retour_demande();

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void cree_ligne();

    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QLabel* label_retour_ = nullptr;
    QLabel* label_aujourdhui_ = nullptr;
};

} // namespace orvane::gui
