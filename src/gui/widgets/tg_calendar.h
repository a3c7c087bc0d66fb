// TGCalendar: the civil month grid (Julian calendar to 4 October 1582,
// Gregorian from 15 October 1582). A click on a day picks it; every change
// of date sends `changed`.
#pragma once

#include "engine/month_grid_civil.h"
#include "gui/widgets/month_grid_view.h"

namespace orvane::platform
{
class Clock;
}

namespace orvane::gui
{

class TGCalendar : public MonthGridView
{
    Q_OBJECT
    Q_PROPERTY(int Year READ Year WRITE setYear NOTIFY changed)
    Q_PROPERTY(int Month READ Month WRITE setMonth NOTIFY changed)
    Q_PROPERTY(int Day READ Day WRITE setDay NOTIFY changed)

public:
    /// A grid on today's date, from `horloge` (which must outlive it).
    explicit TGCalendar(const platform::Clock& horloge, QWidget* parent = nullptr);

    [[nodiscard]] int Year() const { return civil_.Year(); }
    [[nodiscard]] int Month() const { return civil_.Month(); }
    [[nodiscard]] int Day() const { return civil_.Day(); }

    [[nodiscard]] const engine::GrilleMois& grille() const override { return civil_; }

public slots:
    /// The rules of engine::GrilleMoisCivil; `changed` follows every
    /// effective change.
    void setYear(int annee);
    void setMonth(int mois);
    void setDay(int jour);
    /// The whole date at once; always followed by `changed`.
    void setDate(const engine::DateCivile& d);

protected:
    [[nodiscard]] engine::GrilleMois& grille_a_changer() override { return civil_; }

private:
    engine::GrilleMoisCivil civil_;
};

} // namespace orvane::gui
