// TFNCH1, "Conversion dates civiles ---> dates hébraïque": a civil month in
// a grid (Julian to 4 October 1582, Gregorian from 15 October 1582), spin
// fields for the civil day, month and astronomical year and for the year
// as usually written, the buttons that move through the whole era (from 7
// October −3760, 1 Tichri 1, to 31 December 9999), and for the day chosen
// its Hebrew date, the kinds of the two years, the places of the Hebrew year
// in its cycles, the status line and the moon. It stands on the left of
// the Hebrew window TFHebr1, linked to it by the same box.
#pragma once

#include "engine/dates.h"
#include "gui/calendars/calendar_window_parts.h"
#include "gui/calendars/window_printing.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QLabel;
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
class TFHebr1;
class TGCalendar;

class TFNCH1 : public QWidget
{
    Q_OBJECT

public:
    /// The grid on today's date.
    explicit TFNCH1(shell::AppContext& ctx, QWidget* parent = nullptr);

    /// The Hebrew window of the pair.
    void lie_a(TFHebr1* hebreu);
    /// The civil date shown, and its Hebrew date (the shared date of the two
    /// windows).
    [[nodiscard]] engine::DateCivile date() const;
    [[nodiscard]] engine::DateHebraique date_hebraique() const;
    [[nodiscard]] bool pret() const { return pret_; }
    void coche_liaison(bool liees);

    ImpressionFenetre imprime = imprime_fenetre_avec_dialogue;

public slots:
    /// The grid moved to the Hebrew window's date.
    void Button1Click();
    void GCalendar1Change();

private:
    void cree_grille_et_champs();
    void cree_textes();
    void cree_commandes();
    void connecte();
    void connecte_boutons();
    void va_a(const engine::DateCivile& d);
    void remet_champs();
    void SpinEdit1Change(int jour);
    void SpinEdit2Change(int mois);
    void SpinEdit3Change(int annee);
    void SpinEdit4Change(int annee_ecrite);
    void CheckBox3Click(bool liees);
    void SpeedButton1Click();
    void Button6Click();

    shell::AppContext& ctx_;
    QPointer<TFHebr1> hebreu_;
    bool pret_ = false;
    int annee_ecrite_ = 1; // SpinEdit4 as last shown

    TGCalendar* GCalendar1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr; // day
    QSpinBox* SpinEdit2 = nullptr; // month
    QSpinBox* SpinEdit3 = nullptr; // astronomical year
    QSpinBox* SpinEdit4 = nullptr; // year as written
    QLabel* Label1 = nullptr;      // the civil date
    QLabel* Label3 = nullptr;      // the Hebrew date
    QLabel* Label22 = nullptr;     // the kinds of the two years
    QLabel* Label7 = nullptr;      // solar cycle
    QLabel* Label5 = nullptr;      // lunar cycle
    QLabel* Label8 = nullptr;      // sabbatical cycle
    QStatusBar* Statusbar1 = nullptr;
    DessinLune* Image1 = nullptr;
    QLabel* Panel1 = nullptr; // the notice of the reform
    QCheckBox* CheckBox3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button6 = nullptr; // "Imprimer"
    QPushButton* Button5 = nullptr; // "Fermer"
    BoutonsNavigation boutons_;
};

} // namespace orvane::gui
