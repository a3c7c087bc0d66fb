// Integer helpers of the calendar arithmetic: floor division, weekdays, leap
// rules of both calendars and the decomposition of a count of halakim.
#pragma once

#include <cstdint>

namespace orvane::engine
{

/// Units of the molad arithmetic, in halakim (parts): 1080 to the hour.
inline constexpr std::int64_t halakim_par_minute = 18;
inline constexpr std::int64_t halakim_par_heure = 1080;
inline constexpr std::int64_t halakim_par_jour = 24 * halakim_par_heure;            // 25920
inline constexpr std::int64_t halakim_par_semaine = 7 * halakim_par_jour;           // 181440
inline constexpr std::int64_t mois_moyen = 29 * halakim_par_jour + 12 * 1080 + 793; // 765433

/// ⌊a / b⌋ for b > 0, rounding toward minus infinity also for negative a.
[[nodiscard]] constexpr std::int64_t floor_div(std::int64_t a, std::int64_t b) noexcept
{
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

/// a − b ⌊a / b⌋, in [0, b − 1] for b > 0.
[[nodiscard]] constexpr std::int64_t floor_mod(std::int64_t a, std::int64_t b) noexcept
{
    return a - b * floor_div(a, b);
}

/// One normalising step of a weekday (1 Sunday … 7 Chabbat): 0 or less gets
/// 7 added, above 7 gets 7 taken off. Values within one week of 1..7 only.
[[nodiscard]] constexpr int normalise_jour(int jour) noexcept
{
    if (jour <= 0) {
        return jour + 7;
    }
    if (jour > 7) {
        return jour - 7;
    }
    return jour;
}

/// A weekday number of any size reduced into 1..7 (a remainder of 0 is 7).
[[nodiscard]] constexpr int jour_modulo_7(std::int64_t n) noexcept
{
    const auto r = static_cast<int>(floor_mod(n, 7));
    return r == 0 ? 7 : r;
}

/// True for the leap (embolismic) Hebrew years, of 13 months: years 3, 6, 8,
/// 11, 14, 17 and 19 of the 19-year cycle (Y mod 19 = 3, 6, 8, 11, 14, 17, 0).
[[nodiscard]] constexpr bool annee_hebr_embolismique(std::int64_t annee) noexcept
{
    switch (floor_mod(annee, 19)) {
    case 0:
    case 3:
    case 6:
    case 8:
    case 11:
    case 14:
    case 17:
        return true;
    default:
        return false;
    }
}

/// True when civil year Y has a 29 February: the Julian rule (every fourth
/// year) up to 1582, the Gregorian rule (not the century years, except every
/// fourth one) from 1583.
[[nodiscard]] constexpr bool annee_civile_bissextile(int annee) noexcept
{
    if (annee <= 1582) {
        return floor_mod(annee, 4) == 0;
    }
    return (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
}

/// Days of February of civil year Y: 28 or 29.
[[nodiscard]] constexpr int jours_fevrier(int annee) noexcept
{
    return annee_civile_bissextile(annee) ? 29 : 28;
}

/// The civil-index term E(Y) of a spring year: 23 for the Julian years up to
/// 1582; 33 from 1583 to 1700 (the ten days dropped in October 1582); from
/// 1701 one more for every century year from 1700 to Y − 1 that is not a
/// Gregorian leap year (1700, 1800, 1900, 2100 …).
[[nodiscard]] constexpr int terme_siecle(int annee) noexcept
{
    if (annee <= 1582) {
        return 23;
    }
    if (annee <= 1700) {
        return 33;
    }
    return 34 + (annee - 1701) / 100 - (annee - 1601) / 400; // both differences positive here
}

/// A count of halakim split into weeks, weekday, hours, minutes and halakim.
/// In molad values hour 0 of weekday n begins at 18:00 of weekday n − 1.
struct TempsDecompose {
    std::int64_t semaines = 0;
    int jour_semaine = 0; // 1..7 (a whole number of weeks gives 7)
    int heures = 0;       // 0..23
    int minutes = 0;      // 0..59
    int halakim = 0;      // 0..17
};

/// Decomposition of a count of halakim by floor divisions: minutes, hours,
/// days, weeks, in this order. A day count that is a multiple of 7 gives
/// weekday 7 without changing the weeks.
[[nodiscard]] constexpr TempsDecompose decompose(std::int64_t halakim) noexcept
{
    TempsDecompose t;
    const std::int64_t minutes = floor_div(halakim, halakim_par_minute);
    t.halakim = static_cast<int>(halakim - halakim_par_minute * minutes);
    const std::int64_t heures = floor_div(minutes, 60);
    t.minutes = static_cast<int>(minutes - 60 * heures);
    const std::int64_t jours = floor_div(heures, 24);
    t.heures = static_cast<int>(heures - 24 * jours);
    t.semaines = floor_div(jours, 7);
    t.jour_semaine = normalise_jour(static_cast<int>(jours - 7 * t.semaines));
    return t;
}

} // namespace orvane::engine
