// The civil month grid: Julian calendar to Thursday 4 October 1582,
// Gregorian from Friday 15 October 1582. October 1582 reads 1 to 4 and then
// 15 to 31.
#pragma once

#include "engine/dates.h"
#include "engine/month_grid.h"

namespace orvane::engine
{

class GrilleMoisCivil final : public GrilleMois
{
public:
    /// A grid on today's date, following today.
    explicit GrilleMoisCivil(const platform::Clock& horloge);

    [[nodiscard]] int Year() const noexcept { return annee_; }
    [[nodiscard]] int Month() const noexcept { return mois_; }
    [[nodiscard]] int Day() const noexcept { return jour_; }

    // Each setter returns true when the date changed: the grid then no
    // longer follows today, is placed again and its listeners are told.

    /// Any year (0 and below too); the same year does nothing. A day that
    /// the month lacks in the new year (29 February) becomes its last day;
    /// in October 1582 a day from 5 to 14 becomes 16.
    bool setYear(int annee);
    /// 1 to 12; 0 or less gives December of the year before, 13 or more
    /// January of the next year; the same month does nothing. The day is
    /// kept within the new month.
    bool setMonth(int mois);
    /// 1 to the month's length; beyond it day 1 of the next month, 0 or
    /// less the last day of the previous month (across the years too); the
    /// same day does nothing.
    bool setDay(int jour);
    /// The whole date at once, the month kept within 1..12 and the day within
    /// its month; always a change for the listeners.
    void setDate(const DateCivile& d);

    [[nodiscard]] int jours_du_mois(int annee, int mois) const override;
    [[nodiscard]] bool est_bissextile(int annee) const override;

protected:
    [[nodiscard]] int jour_semaine_du_premier() override;
    [[nodiscard]] int jour_du_rang(int rang) const override;
    [[nodiscard]] int rang_du_jour(int jour) const override;
    bool change_jour(int jour) override { return setDay(jour); }
    void prend_aujourdhui() override;

private:
    [[nodiscard]] bool octobre_1582() const noexcept { return annee_ == 1582 && mois_ == 10; }
    /// Stores a new date with its day kept within the month, then places it.
    void applique(int annee, int mois, int jour, int jour_dans_la_lacune);
};

} // namespace orvane::engine
