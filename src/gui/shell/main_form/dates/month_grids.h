// The civil and the Hebrew month grids of the main window, side by side
// below the date boxes. They follow the date of the shell::PanneauConversion;
// a day picked in a grid goes up as a day of the month shown (typed into the
// day box) or, for a day of another month, as the whole date.
#pragma once

#include "engine/dates.h"

#include <QWidget>

namespace orvane::platform
{
class Clock;
}

namespace orvane::shell
{
class PanneauConversion;
}

namespace orvane::gui
{

class TGCalendar;
class THCalend;

class GrillesDuMois : public QWidget
{
    Q_OBJECT

public:
    /// The grids of `modele` (which must outlive them) on today by `horloge`.
    GrillesDuMois(const shell::PanneauConversion& modele, const platform::Clock& horloge,
                  QWidget* parent = nullptr);

    /// Both grids moved to the model's dates, without sending their choice up.
    void deplace();

signals:
    /// A day of the civil month shown was picked.
    void jour_civil_choisi(int jour);
    /// A day of another civil month was picked.
    void date_civile_choisie(engine::DateCivile date);
    /// A day of the Hebrew month shown was picked.
    void jour_hebreu_choisi(int jour);
    /// A day of another Hebrew month was picked.
    void date_hebraique_choisie(engine::DateHebraique date);

private:
    void cree_grilles(const platform::Clock& horloge);
    void GCalendar1Change();
    void HCalend1Change();

    const shell::PanneauConversion& modele_;
    TGCalendar* GCalendar1 = nullptr;
    THCalend* HCalend1 = nullptr;
};

} // namespace orvane::gui
