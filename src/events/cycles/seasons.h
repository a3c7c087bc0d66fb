// The four seasons (tekoufot) of a Hebrew year after the rule of a year of
// 365¼ days, the day of the blessing of the sun, and the first evening of
// the prayer for rain in the Diaspora.
//
// The seasons are 91 days 7 hours 30 minutes apart. The season of Nissan of
// year Y falls on the day the civil calendar numbers April `decalage_mars`
// of the spring year, at a − 6 hours, where a = 30 (Y − 1) + 96 hours modulo
// 24: each year of the 28-year solar cycle adds 30 hours, and the cycle
// brings it back to the same weekday and hour (Tuesday 18:00, Jerusalem
// mean time, in the first year of the cycle).
//
// 5785: the season of Tichri is on Monday 7 October 2024 at 3 h; the
// Diaspora asks for rain from the evening before 5 December 2024.
#pragma once

#include "engine/dates.h"

#include <array>
#include <string>
#include <string_view>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

/// Names of the seasons 1..4.
inline constexpr std::array<std::string_view, 5> noms_tekoufot = {"", "TICHRI ", "TEVET  ",
                                                                  "NISSAN ", "TAMOUZ "};

/// One season: its civil and Hebrew day, weekday and time.
struct Tekoufa {
    int jour_civil = 0;
    int mois_civil = 0;
    int annee_civile = 0;
    int jour_hebr = 0;
    int mois_hebr = 0;
    int annee_hebr = 0;
    int jour_semaine = 0;
    std::string nom_jour; // padded weekday name
    double heures = 0;    // hours of the civil clock (Jerusalem mean time), 0..24
};

/// Seasons 1 Tichri, 2 Tevet, 3 Nissan, 4 Tamouz of Hebrew year `annee`
/// (entry 0 unused), converted in a calendar record of their own.
[[nodiscard]] std::array<Tekoufa, 5> calcule_tekoufot(int annee);

/// The season of Nissan as the blessing of the sun reckons it: the day of
/// the blessing, with the hour counted from 18:00 of the evening before
/// (0 in the first year of the solar cycle). Converted in a record of its own.
[[nodiscard]] Tekoufa calcule_tekoufa_nissan(int annee);

/// The day on whose eve the Diaspora starts asking for rain: the 60th day
/// counted from the season of Tichri (one more when the season falls at
/// 18 h or later). Carries into the next month and year as the calendar does.
[[nodiscard]] engine::DateCivile calcule_guechamim(const Tekoufa& tichri);

/// The civil date `n` days after `d` (the days dropped in October 1582 are
/// not counted).
[[nodiscard]] engine::DateCivile jours_apres(engine::DateCivile d, int n);

namespace detail
{
/// The same in a record that a table lends for all the years it walks, so
/// that they share its cache of years. The date fields of `e` are left as
/// found; the result does not depend on what `e` held.
[[nodiscard]] std::array<Tekoufa, 5> calcule_tekoufot(engine::CalendarEngine& e, int annee);
[[nodiscard]] Tekoufa calcule_tekoufa_nissan(engine::CalendarEngine& e, int annee);
} // namespace detail

} // namespace orvane::events
