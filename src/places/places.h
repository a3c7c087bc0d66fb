// The places files ("lieu.cal", about 1300 cities, and "lieu_all.cal", more
// than 13000), the lists every window offers, and the choice of a country
// and of a city. One line a place, fields separated by tabs, two tabs after
// the city:
//
//   PARIS (75)<TAB><TAB>France<TAB>48°52'N<TAB>02°20'E<TAB>+1
//
// Readers make the first double tab single before splitting, so a line with
// one tab after the city reads the same.
#pragma once

#include "places/place.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::places
{

inline constexpr std::string_view fichier_lieux_court = "lieu.cal";
inline constexpr std::string_view fichier_lieux_long = "lieu_all.cal";

/// The lists built from the places file in use, for the whole run.
struct ListesLieux {
    std::vector<std::string> lignes; // every non-empty line, in file order
    std::vector<Place> lieux;        // the same lines split into places
    std::vector<std::string> pays;   // countries, sorted, each once
    std::vector<std::string> villes; // cities, sorted, each once
};

/// The place of one line of a places file: city, country, latitude and
/// longitude up to their tab (30 characters each), offset the first 10
/// characters of the rest (up to a tab). Missing fields are empty.
[[nodiscard]] Place decoupe_ligne_lieu(std::string_view ligne);

/// The line of a place in the canonical form (two tabs after the city).
[[nodiscard]] std::string ligne_lieu(const Place& lieu);

/// The key of a name without regard to case and accents: "Égypte" and
/// "EGYPTE" both give "egypte".
[[nodiscard]] std::u32string cle_de_tri(std::string_view texte);

/// Order of the lists: without regard to case and accents ("Égypte" beside
/// "Egypte", before "France"), then byte order.
[[nodiscard]] bool avant_dans_la_liste(std::string_view a, std::string_view b);

/// The lists of the lines of a places file.
[[nodiscard]] ListesLieux listes_des_lignes(const std::vector<std::string>& lignes);

/// The lists of the places file `fichier` of the program directory (name
/// found without regard to case); empty lists when the file is missing.
/// Throws platform::FileError when it exists but cannot be read.
[[nodiscard]] ListesLieux lit_fichier_lieux(const std::filesystem::path& repertoire,
                                            std::string_view fichier);

/// What the choice of a country gives: its cities in file order, and the
/// coordinates of the first of them.
struct ChoixPays {
    std::vector<std::string> villes;
    std::optional<Place> premier_lieu;
};

/// `choix_pays`: the cities whose country field is exactly `pays` (choosing
/// "Guinée" lists no city of "Papouasie-Nouvelle-Guinée").
[[nodiscard]] ChoixPays choix_pays(const ListesLieux& listes, std::string_view pays);

/// `choix_ville`: the place of the city named exactly `ville`. When the name
/// exists in several countries, the line of `pays` (the country chosen
/// before) is taken; otherwise, or without a country, the last line of that
/// name in the file.
[[nodiscard]] std::optional<Place> choix_ville(const ListesLieux& listes, std::string_view ville,
                                               std::string_view pays = {});

} // namespace orvane::places
