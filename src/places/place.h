// A place of the places files: a city, its country, its coordinates and the
// offset of its standard time from Universal Time, all as texts the way the
// files and the coordinate boxes hold them.
//
//   Place paris{"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
//   latitude_degres(paris.latitude)   // 48.8667
#pragma once

#include <string>

namespace orvane::places
{

/// Longest city, country or coordinate text a place keeps, in characters.
inline constexpr std::size_t longueur_champ_lieu = 30;

struct Place {
    std::string ville;     // "PARIS (75)"
    std::string pays;      // "France"
    std::string latitude;  // "48°52'N": angle notation and N or S
    std::string longitude; // "02°20'E": angle notation and E, O or W
    std::string decalage;  // "+1": hours from Universal Time, standard time

    friend bool operator==(const Place&, const Place&) = default;
};

/// True when the place can be saved as the home place: country, city and
/// longitude are not empty, the latitude ends with N or S and the longitude
/// with E, O or W (either case).
[[nodiscard]] bool lieu_enregistrable(const Place& lieu);

/// True when the country is Israel ("Israël", compared on its first six
/// characters as every window does), which selects the Israel rules.
[[nodiscard]] bool est_israel(const std::string& pays);

} // namespace orvane::places
