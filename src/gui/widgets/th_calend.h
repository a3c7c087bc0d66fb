// THCalend: the Hebrew month grid. Month lengths and the weekday of day 1
// come from the calendar engine; stepping the month never lands on Adar II
// of a common year. A click on a day picks it; every change of date sends
// `changed`.
#pragma once

#include "engine/month_grid_hebrew.h"
#include "gui/widgets/month_grid_view.h"

#include <QString>

namespace orvane::platform
{
class Clock;
}

namespace orvane::gui
{

class THCalend : public MonthGridView
{
    Q_OBJECT
    Q_PROPERTY(int HYear READ HYear WRITE setHYear NOTIFY changed)
    Q_PROPERTY(int HMonth READ HMonth WRITE setHMonth NOTIFY changed)
    Q_PROPERTY(int HDay READ HDay WRITE setHDay NOTIFY changed)

public:
    /// A grid on today's Hebrew date, from `horloge` (which must outlive it).
    explicit THCalend(const platform::Clock& horloge, QWidget* parent = nullptr);

    [[nodiscard]] int HYear() const { return hebreu_.HYear(); }
    /// 1 Tichri .. 6 Adar (Adar I) .. 7 Adar II (leap years) .. 13 Eloul.
    [[nodiscard]] int HMonth() const { return hebreu_.HMonth(); }
    [[nodiscard]] int HDay() const { return hebreu_.HDay(); }
    /// "1 Tichri  5785": day, month name, year.
    [[nodiscard]] QString texte_date() const
    {
        return QString::fromStdString(hebreu_.texte_date());
    }

    [[nodiscard]] const engine::GrilleMois& grille() const override { return hebreu_; }

public slots:
    /// The rules of engine::GrilleMoisHebreu; `changed` follows every
    /// effective change.
    void setHYear(int annee);
    void setHMonth(int mois);
    void setHDay(int jour);
    /// The whole date at once; always followed by `changed`.
    void setDate(const engine::DateHebraique& d);
    void recule_mois();
    void avance_mois();
    void recule_annee();
    void avance_annee();

protected:
    [[nodiscard]] engine::GrilleMois& grille_a_changer() override { return hebreu_; }

private:
    engine::GrilleMoisHebreu hebreu_;
};

} // namespace orvane::gui
