#include "zmanim/sun/soleil.h"

#include <cmath>
#include <limits>

namespace orvane::zmanim
{

namespace
{

/// Whole part toward zero, the "Int" of the theory.
double entier(double x) noexcept
{
    return std::trunc(x);
}

constexpr double epoque_j2000 = 2451545;                  // 2000 January 1.5
constexpr double annees_par_jour = 0.0027378507871321013; // 1/365.25
constexpr double obliquite = 0.4091;                      // radians (23.44°), fixed
constexpr double sideral_vers_solaire = 0.9972696;        // a sidereal day in solar days

// The sun's mean longitude at J2000 (280.46°) and its rate, radians per
// Julian year: one turn a tropical year, so a turn and 28″ in the Julian
// year, 11 minutes longer.
constexpr double longitude_moyenne_j2000 = 4.89496;
constexpr double mouvement_moyen = 6.2833197;

// The equation of centre, the gap between the true and the mean sun on the
// Earth's ellipse: 1.915° times the sine of the mean anomaly (357.53° at
// J2000, one anomalistic turn a year), and 0.020° times the sine of twice
// it, with a phase and rate of its own.
constexpr double centre_premier_terme = 0.03342;
constexpr double anomalie_j2000 = 6.2401;
constexpr double mouvement_anomalistique = 6.283076;
constexpr double centre_second_terme = 0.00035;
constexpr double phase_second_terme = 6.2;
constexpr double mouvement_second_terme = 12.5662;

/// Greenwich sidereal time at 0 h UT of J2000 (6 h 41 min), radians; it
/// gains on the sun one turn a year, at the sun's mean rate.
constexpr double sideral_0h_j2000 = 1.75337;

/// Ecliptic longitude of the sun, radians in 0..2π, T in Julian years from
/// J2000: mean longitude and a two-term equation of centre; the second term
/// keeps its own phase and rate.
double longitude_ecliptique(double t) noexcept
{
    const double lambda =
        (longitude_moyenne_j2000 + mouvement_moyen * t) +
        centre_premier_terme * std::sin(anomalie_j2000 + mouvement_anomalistique * t) +
        centre_second_terme * std::sin(phase_second_terme + mouvement_second_terme * t);
    return reduit_tour(lambda);
}

/// Right ascension from the ecliptic longitude: the principal arctangent,
/// moved back half a turn when it fell in the wrong quadrant.
double ascension_droite(double lambda) noexcept
{
    double alpha = std::atan(std::cos(obliquite) * std::sin(lambda) / std::cos(lambda));
    const double ecart = std::fabs(lambda - alpha);
    if (ecart > 1 && ecart < 6) {
        alpha -= pi;
    }
    return alpha;
}

double declinaison(double lambda) noexcept
{
    const double s = std::sin(obliquite) * std::sin(lambda);
    return std::atan(s / std::sqrt(1 - s * s));
}

/// Where the sun stands at one instant, with the sine and cosine of its
/// declination.
struct Position {
    double ascension_droite = 0;
    double declinaison = 0;
    double sinus_declinaison = 0;
    double cosinus_declinaison = 0;
};

Position position_du_soleil(double jd) noexcept
{
    const double t = (jd - epoque_j2000) * annees_par_jour;
    const double lambda = longitude_ecliptique(t);
    Position p;
    p.ascension_droite = ascension_droite(lambda);
    p.declinaison = declinaison(lambda);
    p.sinus_declinaison = std::sin(p.declinaison);
    p.cosinus_declinaison = std::cos(p.declinaison);
    return p;
}

/// The position of the last instant asked, and the sine and cosine of the
/// last latitude: a day asks the sun of 12 h UT for every one of its
/// altitudes before it asks each at its own instant.
struct DernierCalcul {
    double jd = std::numeric_limits<double>::quiet_NaN();
    Position position;
    double latitude = std::numeric_limits<double>::quiet_NaN();
    double sinus_latitude = 0;
    double cosinus_latitude = 0;

    const Position& position_a(double jour_julien) noexcept
    {
        if (jour_julien != jd) {
            jd = jour_julien;
            position = position_du_soleil(jour_julien);
        }
        return position;
    }

    void prend_latitude(double lat) noexcept
    {
        if (lat != latitude) {
            latitude = lat;
            sinus_latitude = std::sin(lat);
            cosinus_latitude = std::cos(lat);
        }
    }
};

thread_local DernierCalcul dernier_calcul;

/// Hours UT at a place `longitude` west of the instant at which the meridian
/// stands `angle` (radians) east of the sidereal time at 0 h UT.
double heure_de_l_angle(double angle, double longitude) noexcept
{
    return (longitude + angle) * sideral_vers_solaire * heures_par_radian;
}

} // namespace

double reduit_tour(double angle) noexcept
{
    while (angle > deux_pi) {
        angle -= deux_pi;
    }
    while (angle < 0) {
        angle += deux_pi;
    }
    return angle;
}

// Meeus, Astronomical Algorithms, chapter 7: 365.25 days to the Julian year;
// 30.6001 days to the month counted from March (153 days in five months, a
// hair over 30.6 so that whole months do not round down); b the Gregorian
// correction of the century years; 1720995 Meeus's 1720994.5, which gives
// 0 h, moved on half a day to noon.
double jour_julien_midi(const engine::DateCivile& d) noexcept
{
    const auto [annee, mois, jour] = d;
    const double y = mois > 2 ? annee : annee - 1;
    const double m = mois > 2 ? mois : mois + 12;
    const double a = entier(y * 0.01);
    const double b = entier(a * 0.25) + (2 - a);
    return entier(365.25 * y) + entier(30.6001 * (m + 1)) + jour + b + 1720995;
}

PassagesSoleil passages_soleil(const engine::DateCivile& d, double latitude, double longitude,
                               double sinus_hauteur, double decalage_jd) noexcept
{
    PassagesSoleil p;
    const double jd = jour_julien_midi(d) + decalage_jd;
    DernierCalcul& dernier = dernier_calcul;
    const Position& soleil = dernier.position_a(jd);
    dernier.prend_latitude(latitude);
    p.ascension_droite = soleil.ascension_droite;
    p.declinaison = soleil.declinaison;

    const double c = (sinus_hauteur - dernier.sinus_latitude * soleil.sinus_declinaison) /
                     (dernier.cosinus_latitude * soleil.cosinus_declinaison);
    if (c <= -1) {
        p.passage = Passage::toujours_au_dessus;
        return p;
    }
    if (c >= 1) {
        p.passage = Passage::toujours_au_dessous;
        return p;
    }
    double h = std::atan(std::sqrt(1 - c * c) / c); // half the arc, 0..π
    if (h < 0) {
        h += pi;
    }

    const double jd0 = jd - 0.5 - decalage_jd; // 0 h UT of the date
    const double theta0 =
        (jd0 - epoque_j2000) * mouvement_moyen * annees_par_jour + sideral_0h_j2000;
    // The sun stands on the meridian, at its midday, when the sidereal time
    // reaches its right ascension; it crosses the altitude half an arc h
    // before and after. Each angle brought into one turn on its own counts
    // from about the local mean midnight that begins the date, so that a
    // night ending just after the next midnight would be read as the early
    // hours of the date, a night of the day before (Lille, 13 June 2025:
    // night at 16.1° comes at 23.76 h UT, past the 23.73 h where the turn
    // ends, and would be read as −0.17 h). Both crossings belong to the day
    // of their midday instead: the morning one in the half turn before it,
    // the evening one in the half turn after it.
    const double midi = reduit_tour(p.ascension_droite - theta0);
    double matin = reduit_tour(p.ascension_droite - h - theta0);
    double soir = reduit_tour(p.ascension_droite + h - theta0);
    if (matin > midi) {
        matin -= deux_pi;
    }
    if (soir < midi) {
        soir += deux_pi;
    }
    p.lever = heure_de_l_angle(matin, longitude);
    p.coucher = heure_de_l_angle(soir, longitude);
    return p;
}

double sinus_lever_coucher(double refraction, bool centre_soleil) noexcept
{
    const double minutes = centre_soleil ? refraction : refraction + demi_diametre_soleil;
    return -std::sin(minutes * radians_par_degre / 60);
}

double sinus_depression(double degres) noexcept
{
    return -std::sin(degres * radians_par_degre);
}

} // namespace orvane::zmanim
