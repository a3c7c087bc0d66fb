// The dates of the two calendars as values, and the serial day number that
// ties them. Fields are in the order year, month, day everywhere, so that a
// date handed on never has its numbers swapped; an impossible date may exist
// and is refused where it is typed (date_validity.h).
//
//   numero_du_civil({2000, 1, 1})            // day 2 451 545, a Saturday
//   lendemain(DateCivile{1582, 10, 4})       // {1582, 10, 15}
//   lendemain(DateHebraique{5784, 13, 29})   // {5785, 1, 1}
//   hebraique_du_civil({2023, 9, 16})        // {5784, 1, 1}
#pragma once

// Qt's moc, reading a window header that includes this one, cannot parse
// <compare>; the compilers read it.
#ifndef Q_MOC_RUN
#include <compare>
#endif
#include <cstdint>
#include <iosfwd>

namespace orvane::engine
{

/// A civil date (year, month 1..12, day): Julian to Thursday 4 October 1582,
/// Gregorian from Friday 15 October 1582. Years before 1 are astronomical
/// (year 0 is 1 BC).
struct DateCivile {
    int annee = 0;
    int mois = 0;
    int jour = 0;

    // Constructors (not an aggregate), so that a record holding a date can
    // never be filled from three loose numbers in the wrong order.
    constexpr DateCivile() noexcept = default;
    constexpr DateCivile(int a, int m, int j) noexcept : annee(a), mois(m), jour(j) {}

    friend auto operator<=>(const DateCivile&, const DateCivile&) = default;
};

/// A Hebrew date (year, month 1 Tichri .. 6 Adar / Adar I, 7 Adar II .. 13
/// Eloul, day).
struct DateHebraique {
    int annee = 0;
    int mois = 0;
    int jour = 0;

    constexpr DateHebraique() noexcept = default;
    constexpr DateHebraique(int a, int m, int j) noexcept : annee(a), mois(m), jour(j) {}

    friend auto operator<=>(const DateHebraique&, const DateHebraique&) = default;
};

/// A day counted from a fixed origin: its Julian Day Number, the count of
/// the astronomers (day 0 is Monday 1 January 4713 BC of the Julian
/// calendar). Day steps, distances and weekdays are arithmetic on it.
struct NumeroJour {
    std::int64_t valeur = 0;

    friend auto operator<=>(const NumeroJour&, const NumeroJour&) = default;
    friend constexpr NumeroJour operator+(NumeroJour n, std::int64_t jours) noexcept
    {
        return {n.valeur + jours};
    }
    friend constexpr NumeroJour operator-(NumeroJour n, std::int64_t jours) noexcept
    {
        return {n.valeur - jours};
    }
    /// Days from `b` to `a`.
    friend constexpr std::int64_t operator-(NumeroJour a, NumeroJour b) noexcept
    {
        return a.valeur - b.valeur;
    }
    constexpr NumeroJour& operator++() noexcept
    {
        ++valeur;
        return *this;
    }
};

namespace detail
{

// The day counts below follow the days_from_civil and civil_from_days
// algorithms: years taken from 1 March, so that February's length falls at
// the end of the year; a 400-year era of 146 097 days (Gregorian) or a
// 4-year era of 1 461 days (Julian). They give days from 1 January 1970
// (Gregorian), which is Julian Day 2 440 588.
inline constexpr std::int64_t jd_1970 = 2440588;

constexpr std::int64_t jour_de_l_annee_de_mars(int mois, int jour) noexcept
{
    return (153 * (mois > 2 ? mois - 3 : mois + 9) + 2) / 5 + jour - 1; // [0, 365]
}

constexpr std::int64_t jours_gregoriens(std::int64_t annee, int mois, int jour) noexcept
{
    const std::int64_t a = annee - (mois <= 2 ? 1 : 0);
    const std::int64_t ere = (a >= 0 ? a : a - 399) / 400;
    const std::int64_t annee_de_l_ere = a - ere * 400;                           // [0, 399]
    const std::int64_t jour_de_l_ere = annee_de_l_ere * 365 + annee_de_l_ere / 4 // [0, 146096]
                                       - annee_de_l_ere / 100 + jour_de_l_annee_de_mars(mois, jour);
    return ere * 146097 + jour_de_l_ere - 719468;
}

constexpr std::int64_t jours_juliens(std::int64_t annee, int mois, int jour) noexcept
{
    const std::int64_t a = annee - (mois <= 2 ? 1 : 0);
    const std::int64_t ere = (a >= 0 ? a : a - 3) / 4;
    const std::int64_t annee_de_l_ere = a - ere * 4; // [0, 3]
    const std::int64_t jour_de_l_ere =
        annee_de_l_ere * 365 + jour_de_l_annee_de_mars(mois, jour); // [0, 1460]
    return ere * 1461 + jour_de_l_ere - 719470;
}

/// Month and day of a day of the year counted from 1 March ([0, 365]).
constexpr void mois_et_jour(std::int64_t jour_de_l_annee, int& mois, int& jour) noexcept
{
    const std::int64_t m = (5 * jour_de_l_annee + 2) / 153; // [0, 11]
    jour = static_cast<int>(jour_de_l_annee - (153 * m + 2) / 5 + 1);
    mois = static_cast<int>(m < 10 ? m + 3 : m - 9);
}

constexpr DateCivile gregorienne(std::int64_t z) noexcept
{
    z += 719468;
    const std::int64_t ere = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t jour_de_l_ere = z - ere * 146097; // [0, 146096]
    const std::int64_t annee_de_l_ere =
        (jour_de_l_ere - jour_de_l_ere / 1460 + jour_de_l_ere / 36524 - jour_de_l_ere / 146096) /
        365; // [0, 399]
    const std::int64_t jour_de_l_annee =
        jour_de_l_ere - (365 * annee_de_l_ere + annee_de_l_ere / 4 - annee_de_l_ere / 100);
    DateCivile d;
    mois_et_jour(jour_de_l_annee, d.mois, d.jour);
    d.annee = static_cast<int>(annee_de_l_ere + ere * 400 + (d.mois <= 2 ? 1 : 0));
    return d;
}

constexpr DateCivile julienne(std::int64_t z) noexcept
{
    z += 719470;
    const std::int64_t ere = (z >= 0 ? z : z - 1460) / 1461;
    const std::int64_t jour_de_l_ere = z - ere * 1461;                                // [0, 1460]
    const std::int64_t annee_de_l_ere = (jour_de_l_ere - jour_de_l_ere / 1460) / 365; // [0, 3]
    DateCivile d;
    mois_et_jour(jour_de_l_ere - 365 * annee_de_l_ere, d.mois, d.jour);
    d.annee = static_cast<int>(annee_de_l_ere + ere * 4 + (d.mois <= 2 ? 1 : 0));
    return d;
}

} // namespace detail

/// Friday 15 October 1582, the first Gregorian day.
inline constexpr NumeroJour premier_jour_gregorien{detail::jours_gregoriens(1582, 10, 15) +
                                                   detail::jd_1970};

/// The day number of a civil date: Julian to 14 October 1582 (the ten days
/// that the reform dropped are read as Julian dates), Gregorian from 15
/// October 1582.
[[nodiscard]] constexpr NumeroJour numero_du_civil(DateCivile d) noexcept
{
    const bool gregorien =
        d.annee > 1582 || (d.annee == 1582 && (d.mois > 10 || (d.mois == 10 && d.jour >= 15)));
    return {(gregorien ? detail::jours_gregoriens(d.annee, d.mois, d.jour)
                       : detail::jours_juliens(d.annee, d.mois, d.jour)) +
            detail::jd_1970};
}

/// The civil date of a day number, Julian before 15 October 1582.
[[nodiscard]] constexpr DateCivile civil_du_numero(NumeroJour n) noexcept
{
    const std::int64_t z = n.valeur - detail::jd_1970;
    return n >= premier_jour_gregorien ? detail::gregorienne(z) : detail::julienne(z);
}

/// The weekday of a day, 1 Sunday .. 7 Chabbat (day 0 was a Monday).
[[nodiscard]] constexpr int jour_semaine(NumeroJour n) noexcept
{
    const std::int64_t r = (n.valeur + 1) % 7;
    return static_cast<int>(r < 0 ? r + 7 : r) + 1;
}

/// The weekday of a civil date, 1 Sunday .. 7 Chabbat.
[[nodiscard]] constexpr int jour_semaine(DateCivile d) noexcept
{
    return jour_semaine(numero_du_civil(d));
}

static_assert(numero_du_civil({2000, 1, 1}).valeur == 2451545);
static_assert(jour_semaine(DateCivile{2000, 1, 1}) == 7);
static_assert(numero_du_civil({1582, 10, 4}).valeur == 2299160);
static_assert(numero_du_civil({1582, 10, 15}).valeur == 2299161);
static_assert(jour_semaine(DateCivile{1582, 10, 4}) == 5 &&
              jour_semaine(DateCivile{1582, 10, 15}) == 6);
static_assert(civil_du_numero({2299160}) == DateCivile{1582, 10, 4});
static_assert(numero_du_civil({-4712, 1, 1}).valeur == 0);

/// "2024-06-21", and "5784-08-15 (hébreu)": dates in messages and in the
/// reports of failed checks.
std::ostream& operator<<(std::ostream& os, const DateCivile& d);
std::ostream& operator<<(std::ostream& os, const DateHebraique& d);

/// Days of civil month `mois` of `annee` (February by the rule of its era;
/// October 1582 keeps its 31 numbers although ten of its days were dropped).
[[nodiscard]] int jours_du_mois_civil(int annee, int mois) noexcept;

/// The next civil day; 4 October 1582 is followed by 15 October.
[[nodiscard]] DateCivile lendemain(DateCivile d) noexcept;

/// The previous civil day; 15 October 1582 is preceded by 4 October.
[[nodiscard]] DateCivile veille(DateCivile d) noexcept;

/// The next Hebrew day: past the end of its month, day 1 of the next month
/// the year has (Nissan after Adar of a common year, Tichri after Eloul).
[[nodiscard]] DateHebraique lendemain(const DateHebraique& d);

/// The previous Hebrew day: before day 1, the last day of the month before.
[[nodiscard]] DateHebraique veille(const DateHebraique& d);

/// The Hebrew date of a civil day (any day from 7 October −3760, 1 Tichri
/// 1, to 31 December 9999).
[[nodiscard]] DateHebraique hebraique_du_civil(DateCivile d);

/// The civil date of a Hebrew day (from 1 Tichri 1 to 28 Hechvan 13760).
[[nodiscard]] DateCivile civil_de_l_hebreu(const DateHebraique& d);

} // namespace orvane::engine
