// The three longitudes of a town computed after the opinion of Rav
// Rottenberg: its centre, and its eastern and western ends a few minutes of
// arc away (the box "estouest": 5 for Paris, 3 elsewhere). The times of a
// wide town differ from one end to the other; its calendar gives all three.
//
//   longitude_decalee("02°20'E", +5)   // "02°25'E": east of Paris
//   longitude_decalee("02°20'E", -5)   // "02°15'E": west of Paris
//   longitude_decalee("01°30'W", +5)   // "01°25'W": east is nearer Greenwich
//   longitude_decalee("02°58'E", +5)   // "03°03'E": the minutes carry
#pragma once

#include <string>
#include <string_view>

namespace orvane::documents
{

/// True for the opinion of Rav Rottenberg ("Rav Rottenberg …").
[[nodiscard]] bool avis_rav_rottenberg(std::string_view opinion);

/// The longitude `minutes_est` minutes of arc further east (west when
/// negative), written "ddd°mm'L" as the places file writes it. Any notation
/// that the places file accepts is read ("2°20E", "2.3333E", "02°20'E");
/// east of a western longitude is fewer minutes, minutes carry into degrees,
/// and a shift across Greenwich changes the letter ("00°02'W" + 5 →
/// "00°03'E"). A western longitude keeps its letter, "W" or "O". Throws
/// places::ErreurConversion when the text is not a longitude.
[[nodiscard]] std::string longitude_decalee(std::string_view longitude, int minutes_est);

/// The longitudes of the three builds, in their order: the centre as typed,
/// east, west.
struct TroisLongitudes {
    std::string centre;
    std::string est;
    std::string ouest;
};
[[nodiscard]] TroisLongitudes trois_longitudes(std::string_view centre, int minutes_est_ouest);

} // namespace orvane::documents
