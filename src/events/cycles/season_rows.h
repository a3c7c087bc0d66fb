// Rows of the seasons, blessing-of-the-sun and rain-prayer tables.
#pragma once

#include "events/cycles/seasons.h"

#include <string>
#include <vector>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

/// The season time as " 3h  0mn": hours and minutes, both truncated.
[[nodiscard]] std::string heure_tekoufa(double heures);

/// One row of the seasons table for season `numero` (1..4) of Hebrew year
/// `annee`, after the six-space margin:
/// "      TICHRI  5785   Lundi     7  Octobre   2024  à   3h  0mn   --->  5   Tichri   5785   ".
[[nodiscard]] std::string ligne_tekoufa(int annee, int numero, const Tekoufa& t);

/// The seasons table for `nb_annees` Hebrew years from `premiere` (every
/// season, or only season `seule` 1..4): the heading, then for each year
/// "Tékoufa : Année Y" and its rows. The years share one calendar record
/// that the table makes.
[[nodiscard]] std::vector<std::string> table_tekoufot(int premiere, int nb_annees, int increment,
                                                      int seule = 0);

/// The blessing-of-the-sun table: every year of the solar cycle's start from
/// `premiere` on, stepping by `increment`, up to `premiere` + `nb_annees`,
/// in one calendar record of its own.
[[nodiscard]] std::vector<std::string> table_birkat_hahama(int premiere, int nb_annees,
                                                           int increment);

/// Rain and dew: the notes, then per year the first evening of the prayer
/// for rain and the first morning of the prayer for dew. `web`: the layout
/// of the web pages (two-space margin, notes repeated for every year). The
/// years share one calendar record that the table makes.
[[nodiscard]] std::vector<std::string> table_guechamim(int premiere, int nb_annees, int increment,
                                                       bool diaspora, bool web = false);

/// The Hebrew date on whose eve the prayer for rain begins in year `annee`:
/// the 60th day after the season of Tichri in the Diaspora, 7 Hechvan in
/// Israel. Converted to its civil date in a calendar record of its own.
struct DateGuechamim {
    engine::DateCivile civile;
    int annee_hebr = 0;
    int mois_hebr = 0;
    int jour_hebr = 0;
    int jour_semaine = 0;
};
[[nodiscard]] DateGuechamim date_guechamim(int annee, bool diaspora);

namespace detail
{
/// The same in a record that the caller lends (the rain table for all its
/// years, the week texts of a day), so that the years it sets up stay in
/// that record's cache. The date fields of `e` are left as found; the
/// result does not depend on what `e` held.
[[nodiscard]] DateGuechamim date_guechamim(engine::CalendarEngine& e, int annee, bool diaspora);
} // namespace detail

} // namespace orvane::events
