// The Hebrew month grid. Month lengths and the weekday of day 1 come from
// the grid's own calendar record, set up for the year shown, so that moving
// the grid never disturbs the date of another owner's record.
//
// The grid never shows a month that its year does not have: a common year
// has no Adar II (month 7), so stepping the month up from Adar gives Nissan,
// stepping it down from Nissan gives Adar, and the day after 29 Eloul is
// 1 Tichri of the next year. A day that the new month lacks (30 Hechvan in a
// year whose Hechvan has 29 days) becomes the month's last day.
#pragma once

#include "engine/calendar_engine.h"
#include "engine/dates.h"
#include "engine/month_grid.h"
#include "engine/month_grid_steps.h"

#include <string>

namespace orvane::engine
{

class GrilleMoisHebreu final : public GrilleMois
{
public:
    /// A grid on today's Hebrew date, following today.
    explicit GrilleMoisHebreu(const platform::Clock& horloge);

    [[nodiscard]] int HYear() const noexcept { return annee_; }
    /// 1 Tichri .. 6 Adar (Adar I) .. 7 Adar II (leap years only) .. 13 Eloul.
    [[nodiscard]] int HMonth() const noexcept { return mois_; }
    [[nodiscard]] int HDay() const noexcept { return jour_; }
    /// The civil date on which the grid was created.
    [[nodiscard]] DateCivile date_creation() const noexcept { return creation_; }

    // Each setter returns true when the date changed: the grid then no
    // longer follows today, is placed again and its listeners are told.

    /// Years from 1 on; the same year, or a year below 1, does nothing.
    /// Adar II taken into a common year becomes Adar.
    bool setHYear(int annee);
    /// 1 to 13; 0 or less gives Eloul of the year before; above 13 or the
    /// same month does nothing. Month 7 of a common year becomes Nissan when
    /// the month goes up and Adar when it goes down.
    bool setHMonth(int mois);
    /// 1 to the month's length; beyond it day 1 of the next month, 0 or
    /// less the last day of the previous month (see mois_suivant and
    /// mois_precedent); the same day does nothing.
    bool setHDay(int jour);
    /// The whole date at once, the month kept within 1..13 (Adar II of a
    /// common year taken as Adar) and the day within its month; always a
    /// change for the listeners.
    void setDate(const DateHebraique& d);

    /// Navigation: the month keeps its day number (within the new month's
    /// length). From Tichri of year 1 the previous month does nothing.
    bool recule_mois();
    bool avance_mois();
    bool recule_annee();
    bool avance_annee();

    /// Day, a blank, the month name (padded, month 6 named by the leap status
    /// of the year), a blank, the year: "1 Tichri  5785".
    [[nodiscard]] std::string texte_date() const;

    [[nodiscard]] int jours_du_mois(int annee, int mois) const override;
    [[nodiscard]] bool est_bissextile(int annee) const override;

protected:
    [[nodiscard]] int jour_semaine_du_premier() override;
    bool change_jour(int jour) override { return setHDay(jour); }
    void prend_aujourdhui() override;

private:
    /// Stores a new date with its day kept within the month, then places it.
    void applique(int annee, int mois, int jour);

    CalendarEngine moteur_;
    DateCivile creation_;
    MoisDeLAnnee annee_montree_; // month lengths of the year last placed
};

} // namespace orvane::engine
