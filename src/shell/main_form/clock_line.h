// The clock of the main window: the time of day in hours, minutes and
// seconds, and the same in the Hebrew division of the hour into 1080
// halakim (one minute is 18 halakim, one second 0.3).
//
//   ligne_horloge({10, 5, 7})   // "10 h 05 mn 07 sec = 10 h 92.1 halakim "
#pragma once

#include "platform/clock.h"

#include <string>
#include <string_view>

namespace orvane::shell
{

/// Halakim of the minutes and seconds of a time: minutes × 18 + seconds × 0.3.
[[nodiscard]] double halakim_de_l_heure(int minutes, int secondes) noexcept;

/// The clock line: hours + " h " + minutes on two digits + " mn " +
/// seconds (" mn 0" before a one-digit second) + " sec = " + hours + " h " +
/// the halakim with one decimal + " halakim ".
[[nodiscard]] std::string ligne_horloge(const platform::LocalTime& t);

/// The time box of the clock: a blank and hh:mm:ss.
[[nodiscard]] std::string texte_heure(const platform::LocalTime& t);

/// Seconds from midnight of a time of day.
[[nodiscard]] constexpr long secondes_du_jour(const platform::LocalTime& t) noexcept
{
    return t.heures * 3600L + t.minutes * 60L + t.secondes;
}

/// True at a full hour: minutes and seconds both 0.
[[nodiscard]] constexpr bool heure_pleine(const platform::LocalTime& t) noexcept
{
    return t.minutes == 0 && t.secondes == 0;
}

/// Which Sabbath star the clock shows for a weekday name of the date shown
/// (French, "Vendredi", "Chabbat") or of today's long date (English,
/// "Friday", "Saturday"): the entry star on "Vend" or "Frid", the exit star
/// on "Chab" or "Satu", compared on the first four letters.
struct EtoilesChabbat {
    bool entree = false;
    bool sortie = false;
};
[[nodiscard]] EtoilesChabbat etoiles_chabbat(std::string_view jour_montre,
                                             std::string_view jour_aujourdhui);

/// The English weekday of a weekday number (1 Sunday .. 7 Saturday), as the
/// long date of the system names it.
[[nodiscard]] std::string_view jour_anglais(int jour_semaine) noexcept;

} // namespace orvane::shell
