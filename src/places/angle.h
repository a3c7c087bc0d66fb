// Angles and offsets as the places files write them.
//
// A latitude, a longitude or an offset from Universal Time is a short text in
// one of these forms (the hemisphere letter N, S, E, O or W is taken off by the
// caller before reading):
//
//   "48.80"  "48,80"   degrees and decimals            48.8
//   "48°52'" "48°52"   degrees and minutes             48.8667
//   "48°"              whole degrees                   48
//   "+1"  "-5"         a signed number (offsets)       1, -5
//
//   lit_angle("48°52'", UniteAngle::degres)  // 48.8667
//   lit_angle("48°52'")                      // 0.85288 (radians)
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace orvane::places
{

/// A text that fits none of the forms of the angle notation. what() is a
/// French sentence naming the text, for a message box.
class ErreurConversion : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// Unit of the value returned by `lit_angle`.
enum class UniteAngle { radians, degres };

/// π/180 as the program has always written it.
inline constexpr double radians_par_degre = 0.017453292519943295;

/// Value of an angle text (without its hemisphere letter), in radians unless
/// `unite` asks for degrees.
///
/// Decimals after a point or comma count as a fraction of a degree ("48.08"
/// is 48.08°, "48.8" and "48.80" are both 48.8°); after "°" the number is in
/// minutes. A leading minus sign makes the whole angle negative, including
/// "-0°30" (-0.5°) and "-0.5". The empty text and a single blank read as 0.
/// Throws ErreurConversion when the text fits no form ("30'", "abc", "4°x").
[[nodiscard]] double lit_angle(std::string_view texte, UniteAngle unite = UniteAngle::radians);

/// Latitude text with its hemisphere letter ("48°52'N", "33°55'S") in
/// degrees, north positive. Throws ErreurConversion when the last letter is
/// not N, S (either case) or the angle does not read.
[[nodiscard]] double latitude_degres(std::string_view texte);

/// Longitude text with its hemisphere letter ("02°20'E", "73°59'W",
/// "01°30'O") in degrees, east positive. Throws ErreurConversion when the
/// last letter is not E, O, W (either case) or the angle does not read.
[[nodiscard]] double longitude_degres_est(std::string_view texte);

/// Angle text of a latitude in degrees, north positive: "48°52'N",
/// "33°55'S" (degrees on two digits, minutes rounded to the nearest).
[[nodiscard]] std::string texte_latitude(double degres);

/// Angle text of a longitude in degrees, east positive: "02°20'E",
/// "73°59'W" (degrees on two digits or three, minutes rounded).
[[nodiscard]] std::string texte_longitude(double degres_est);

/// Offset text in hours: "+1", "-5", "0", "+5.5", "+5.75", "-3.5".
[[nodiscard]] std::string texte_decalage(double heures);

} // namespace orvane::places
