// The sun's rising and setting across a chosen altitude, by a low-precision
// analytic theory: a two-term equation of centre, a fixed obliquity and a
// linear sidereal time, evaluated at one instant of the day.
//
// Every time of the Jewish day comes from here by choosing the altitude:
// sunrise and sunset at −50′ (34′ of refraction and the sun's 16′ radius),
// dawn at 16.1° below the horizon, the stars at 7.08°, and so on. Times are
// hours of Universal Time of the civil date, not reduced to 0..24 h: a place
// east of Greenwich may rise at −0.5 h, a place far west set at 25 h. Each
// crossing is the day's own, counted from its midday (the sun on the
// meridian): the morning one in the 12 hours before it, the evening one in the
// 12 hours after it, so that a night ending after midnight comes at 24 h and
// more (Lille, 13 June 2025: night at 16.1° at 23.76 h UT, 01:46 the next
// morning in summer time, never −0.17 h, the night of the 12th).
// Longitudes count positive to the WEST.
//
//   Paris, 21 June 2024, −50′, evaluated at noon UT:
//   passages_soleil({2024, 6, 21}, 0.85289, -0.04072, -sin(50′), 0)
//     → lever ≈ 3.808 h UT, coucher ≈ 19.946 h UT
//   evaluated again at those instants (offset (t − 12)/24 days), they give
//   05:47 and 21:58 of French summer time (UT + 2).
#pragma once

#include "engine/dates.h"

namespace orvane::zmanim
{

/// π and the factors of the routine, as the program has always written them.
inline constexpr double pi = 3.14159265358979323846;
inline constexpr double deux_pi = 2 * pi;
inline constexpr double radians_par_degre = pi / 180;
inline constexpr double degres_par_radian = 180 / pi;
inline constexpr double heures_par_radian = 12 / pi;

/// Semi-diameter of the sun, arc-minutes: its upper limb touches the
/// horizon that much before its centre.
inline constexpr double demi_diametre_soleil = 16;

/// Markers left in the morning crossing when there is none. +500: the sun
/// stays above the altitude all day (polar day, or a white night for a
/// depression angle); −500: it stays below (polar night). Any value beyond
/// ±25 h is read as a marker.
inline constexpr double toujours_au_dessus = 500.0;
inline constexpr double toujours_au_dessous = -500.0;
inline constexpr double limite_marqueur = 25.0;

/// True when a morning crossing is one of the two markers above.
[[nodiscard]] constexpr bool est_marqueur(double heure_lever) noexcept
{
    return heure_lever > limite_marqueur || heure_lever < -limite_marqueur;
}

/// Whether the sun crosses the altitude on the day.
enum class Passage {
    normal,             // two crossings
    toujours_au_dessus, // the sun never goes down to the altitude (+500)
    toujours_au_dessous // the sun never rises to the altitude (−500)
};

/// The two crossings of one evaluation, and the sun's place at the instant
/// of evaluation.
struct PassagesSoleil {
    Passage passage = Passage::normal;
    double lever = 0;            // morning crossing, hours UT (when passage is normal)
    double coucher = 0;          // evening crossing, hours UT (when passage is normal)
    double ascension_droite = 0; // radians, not reduced to one turn
    double declinaison = 0;      // radians
};

/// An angle (radians) brought into 0..2π by whole turns, subtracting while
/// above and then adding while below, as the theory reduces it.
[[nodiscard]] double reduit_tour(double angle) noexcept;

/// The evaluation offset of `passages_soleil` that puts the sun at the
/// instant `heure_ut` (hours UT of the date): days from 12 h UT. Sunrise at
/// 4 h UT gives −1/3 day.
[[nodiscard]] constexpr double decalage_jd_de_l_heure(double heure_ut) noexcept
{
    return (heure_ut - 12) / 24;
}

/// Julian day at 12 h UT of a civil date, Gregorian correction applied to
/// every date, as the routine counts it: January and February count as months
/// 13 and 14 of the year before, so that 28 February and 1 March follow.
/// 1 January 2000 gives 2451545.
[[nodiscard]] double jour_julien_midi(const engine::DateCivile& d) noexcept;

/// The crossings of the altitude whose sine is `sinus_hauteur` (negative
/// below the horizon) by the sun's centre on a civil date, for a place at
/// `latitude` (radians, north positive) and `longitude` (radians, WEST
/// positive). The sun is evaluated at 12 h UT of the date plus
/// `decalage_jd` days; the crossings are hours UT of the date, the morning
/// one within the half turn of the Earth before the sun's passage on the
/// meridian, the evening one within the half turn after it.
[[nodiscard]] PassagesSoleil passages_soleil(const engine::DateCivile& d, double latitude,
                                             double longitude, double sinus_hauteur,
                                             double decalage_jd) noexcept;

/// Sine of the altitude of the visible sunrise and sunset for a refraction of
/// `refraction` arc-minutes: −sin(r′ + 16′) for the sun's upper limb, −sin(r′)
/// for its centre. The default 34′ gives −sin(50′).
[[nodiscard]] double sinus_lever_coucher(double refraction, bool centre_soleil) noexcept;

/// Sine of the altitude of a depression of `degres` below the horizon.
[[nodiscard]] double sinus_depression(double degres) noexcept;

} // namespace orvane::zmanim
