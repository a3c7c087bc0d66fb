// TFHebr1, "Conversion  dates hébraïques ---> dates civiles": a Hebrew
// month in a grid, spin fields for the Hebrew day, month and year, the
// buttons that move by day, month, year, 10, 100 and 1000 years through
// the whole era (1 Tichri 1 to 28 Hechvan 13760), and for the day chosen
// its civil date, the kinds of the two years, the status line and the moon.
// It stands on the right of the civil window TFNCH1; while the two are
// linked, a date chosen in one moves the other to the same day.
#pragma once

#include "engine/dates.h"
#include "gui/calendars/calendar_window_parts.h"
#include "gui/calendars/window_printing.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStatusBar;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class DessinLune;
class TFNCH1;
class THCalend;

class TFHebr1 : public QWidget
{
    Q_OBJECT

public:
    /// The grid on `date`, the shared date of the two windows.
    TFHebr1(shell::AppContext& ctx, const engine::DateHebraique& date, QWidget* parent = nullptr);

    /// The civil window of the pair.
    void lie_a(TFNCH1* civil);
    /// The date shown.
    [[nodiscard]] engine::DateHebraique date() const;
    /// True once the window has shown its first date.
    [[nodiscard]] bool pret() const { return pret_; }
    /// The link box (kept in step with the civil window's).
    void coche_liaison(bool liees);

    /// What "Imprimer" calls (the print dialog, then the window printed).
    ImpressionFenetre imprime = imprime_fenetre_avec_dialogue;

public slots:
    /// The grid moved to the civil window's date.
    void Button1Click();
    void HCalend1Change();

private:
    void cree_grille_et_champs();
    void cree_textes();
    void cree_commandes();
    void connecte();
    /// The grid on `d` when it shows another day.
    void va_a(const engine::DateHebraique& d);
    /// The spin fields on the grid's date, without their change handlers.
    void remet_champs();
    void SpinEdit1Change(int jour);
    void SpinEdit2Change(int mois);
    void SpinEdit3Change(int annee);
    void CheckBox3Click(bool liees);
    void SpeedButton1Click();
    void Button15Click();

    shell::AppContext& ctx_;
    QPointer<TFNCH1> civil_;
    bool pret_ = false;

    THCalend* HCalend1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr; // day
    QSpinBox* SpinEdit2 = nullptr; // month
    QSpinBox* SpinEdit3 = nullptr; // year
    QLabel* Label1 = nullptr;      // the Hebrew date
    QLabel* Label2 = nullptr;      // the civil date
    QLabel* Label3 = nullptr;      // the kinds of the two years
    QStatusBar* Statusbar1 = nullptr;
    DessinLune* Image1 = nullptr;
    QLabel* Panel1 = nullptr;
    QLineEdit* Edit1 = nullptr; // the notice of the reform
    QCheckBox* CheckBox3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button15 = nullptr; // "Imprimer"
    QPushButton* Button5 = nullptr;  // "Fermer"
    BoutonsNavigation boutons_;
};

} // namespace orvane::gui
