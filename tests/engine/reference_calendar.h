// An independent reference for the tests: both calendars as counts of days
// from a fixed origin (day 1 = Monday 1 January of year 1, proleptic
// Gregorian), by the elapsed-days method of the Hebrew calendar. It shares
// nothing with the engine, which never counts days from an epoch.
#pragma once

#include <cstdint>

namespace orvane::reference
{

struct Ymd {
    int y = 0;
    int m = 0;
    int d = 0;
    friend bool operator==(const Ymd&, const Ymd&) = default;
};

constexpr std::int64_t fdiv(std::int64_t a, std::int64_t b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
constexpr std::int64_t fmod(std::int64_t a, std::int64_t b)
{
    return a - b * fdiv(a, b);
}

constexpr bool julian_leap(std::int64_t y)
{
    return fmod(y, 4) == 0;
}
constexpr bool gregorian_leap(std::int64_t y)
{
    return fmod(y, 4) == 0 && (fmod(y, 100) != 0 || fmod(y, 400) == 0);
}

constexpr std::int64_t month_offset(int m, bool leap)
{
    return fdiv(367 * m - 362, 12) + (m <= 2 ? 0 : (leap ? -1 : -2));
}

constexpr std::int64_t fixed_from_gregorian(Ymd g)
{
    const std::int64_t y = g.y - 1;
    return 365 * y + fdiv(y, 4) - fdiv(y, 100) + fdiv(y, 400) +
           month_offset(g.m, gregorian_leap(g.y)) + g.d;
}

constexpr std::int64_t fixed_from_julian(Ymd j)
{
    const std::int64_t y = j.y - 1;
    return -2 + 365 * y + fdiv(y, 4) + month_offset(j.m, julian_leap(j.y)) + j.d;
}

constexpr std::int64_t reform = fixed_from_gregorian({1582, 10, 15});

/// Civil date as the program writes it: Julian before 15 October 1582.
constexpr std::int64_t fixed_from_civil(Ymd c)
{
    const bool gregorian = c.y > 1582 || (c.y == 1582 && (c.m > 10 || (c.m == 10 && c.d >= 15)));
    return gregorian ? fixed_from_gregorian(c) : fixed_from_julian(c);
}

/// Weekday 1 Sunday .. 7 Saturday; fixed day 1 is a Monday.
constexpr int weekday(std::int64_t fixed)
{
    return static_cast<int>(fmod(fixed, 7)) + 1;
}

/// Days from the molad of creation to Rosh Hachana of year Y: whole
/// months elapsed, their halakim from BaHaRaD shifted so that a molad at or
/// after noon rolls over, then the lo ADOU rule.
constexpr std::int64_t elapsed_days(std::int64_t year)
{
    const std::int64_t months = fdiv(235 * year - 234, 19);
    const std::int64_t parts = 12084 + 13753 * months;
    const std::int64_t days = 29 * months + fdiv(parts, 25920);
    return fmod(3 * (days + 1), 7) < 3 ? days + 1 : days;
}

/// GaTaRaD and BeTouTaKPaT as corrections of impossible year lengths.
constexpr std::int64_t length_correction(std::int64_t year)
{
    const std::int64_t y0 = elapsed_days(year - 1), y1 = elapsed_days(year),
                       y2 = elapsed_days(year + 1);
    if (y2 - y1 == 356) {
        return 2;
    }
    if (y1 - y0 == 382) {
        return 1;
    }
    return 0;
}

/// Fixed day of 1 Tichri 1 (Monday 7 October 3761 BCE, Julian).
constexpr std::int64_t hebrew_epoch = fixed_from_julian({-3760, 10, 7});

constexpr std::int64_t new_year(std::int64_t year)
{
    return hebrew_epoch + elapsed_days(year) + length_correction(year);
}

constexpr bool hebrew_leap(std::int64_t year)
{
    return fmod(7 * year + 1, 19) < 7;
}

constexpr int year_length(std::int64_t year)
{
    return static_cast<int>(new_year(year + 1) - new_year(year));
}

/// Length of month m (1 Tichri .. 6 Adar / Adar I, 7 Adar II, 13 Eloul).
constexpr int month_length(std::int64_t year, int m)
{
    const int length = year_length(year);
    switch (m) {
    case 2:
        return length % 10 == 5 ? 30 : 29; // Hechvan long in complete years
    case 3:
        return length % 10 == 3 ? 29 : 30; // Kislev short in deficient years
    case 6:
        return hebrew_leap(year) ? 30 : 29;
    case 7:
        return hebrew_leap(year) ? 29 : 0;
    case 4:
    case 9:
    case 11:
    case 13:
        return 29;
    default:
        return 30;
    }
}

constexpr std::int64_t fixed_from_hebrew(Ymd h)
{
    std::int64_t f = new_year(h.y);
    for (int m = 1; m < h.m; ++m) {
        f += month_length(h.y, m);
    }
    return f + h.d - 1;
}

constexpr Ymd hebrew_from_fixed(std::int64_t f)
{
    std::int64_t y = fdiv((f - hebrew_epoch) * 98496, 35975351) + 1; // mean year
    while (new_year(y) > f) {
        --y;
    }
    while (new_year(y + 1) <= f) {
        ++y;
    }
    std::int64_t day = f - new_year(y) + 1;
    int m = 1;
    while (day > month_length(y, m)) {
        day -= month_length(y, m);
        ++m;
    }
    return {static_cast<int>(y), m, static_cast<int>(day)};
}

/// The Hebrew day after h.
constexpr Ymd next_hebrew(Ymd h)
{
    if (h.d < month_length(h.y, h.m)) {
        return {h.y, h.m, h.d + 1};
    }
    int m = h.m + 1;
    while (m <= 13 && month_length(h.y, m) == 0) {
        ++m;
    }
    return m > 13 ? Ymd{h.y + 1, 1, 1} : Ymd{h.y, m, 1};
}

} // namespace orvane::reference
