// The rules that a typed date must pass before it is converted, with the
// messages the windows and the command line show. Lines of a message are
// separated by "\r", as in the message boxes.
#pragma once

#include "engine/dates.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane::engine
{

/// The years within which both conversions are exact.
inline constexpr int annee_civile_min = 100;
inline constexpr int annee_civile_max = 9999;
inline constexpr int annee_hebr_min = 3860;
inline constexpr int annee_hebr_max = 13759;

/// The era over which both conversions are checked day by day: from Monday
/// 7 October −3760, the day of 1 Tichri 1 (astronomical year, Julian
/// calendar: the year written −3761), to 31 December 9999, which is 28 Hechvan
/// 13760. The two calendar windows reach the whole era; the other windows
/// keep the years above. Dates of both calendars are ordered by their fields
/// (Tichri is month 1 and Eloul month 13), so a date lies in the era when it
/// lies between its two ends.
inline constexpr DateCivile premier_jour_ere{-3760, 10, 7};
inline constexpr DateCivile dernier_jour_ere{9999, 12, 31};
inline constexpr DateHebraique premier_jour_ere_hebreu{1, 1, 1};
inline constexpr DateHebraique dernier_jour_ere_hebreu{13760, 2, 28};

[[nodiscard]] constexpr bool dans_l_ere(const DateCivile& d) noexcept
{
    return premier_jour_ere <= d && d <= dernier_jour_ere;
}

[[nodiscard]] constexpr bool dans_l_ere(const DateHebraique& d) noexcept
{
    return premier_jour_ere_hebreu <= d && d <= dernier_jour_ere_hebreu;
}

inline constexpr std::string_view message_date_hebraique_incorrecte =
    "Cette date hébraïque est incorrecte";
inline constexpr std::string_view message_adar2_annee_commune =
    "Cette date n'existe pas\rl'année est commune";
inline constexpr std::string_view message_30_adar2 =
    "Cette date n'existe pas\rl'année est embolismique\rIl n'y a que 29 jour en Adar II";
inline constexpr std::string_view message_date_civile_incorrecte =
    "Cette date civile est incorrecte";
inline constexpr std::string_view message_jours_supprimes_1582 =
    "Cette date n'existe pas\rdans le calendrier grégorien";
inline constexpr std::string_view message_annee_hebraique_limites =
    "Année date hébraïque min 3860  max 13759";
inline constexpr std::string_view message_annee_civile_limites =
    "    Année date civile  min 100  max 9999";

/// The two range lines shown together when a year is out of range.
[[nodiscard]] std::string message_annees_hors_limites();

/// Why a civil date cannot be converted, or nothing when it can: year out of
/// 100..9999, month out of 1..12, day out of its month (February by the rule
/// of its era), or one of the days 5 to 14 October 1582 that the reform
/// dropped.
[[nodiscard]] std::optional<std::string> erreur_date_civile(const DateCivile& d);

/// Why a Hebrew date cannot be converted, or nothing when it can: year out
/// of 3860..13759, month out of 1..13, Adar II in a common year, 30 Adar II,
/// a day beyond its month (Hechvan and Kislev by the type of the year).
[[nodiscard]] std::optional<std::string> erreur_date_hebraique(const DateHebraique& d);

} // namespace orvane::engine
