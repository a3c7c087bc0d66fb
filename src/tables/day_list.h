// The times of one day for every city of a list ("Zemanim du jour pour liste
// de villes (villactu.cal)"): a heading naming the day and the checked
// moments, then one line per city, the city without its parenthesised part
// and its times as hours ":" minutes, each after a tab:
//
//   "Mercredi 15 Janvier 2025\tAube : Cha'har            \t…"
//   "PARIS \t06:37\t…"
//
// The same lines go to "cal_exl.txt" of the program directory and to the
// results memo. With "Actuj" the moments are first reduced to five: the
// tefillin, sunrise, the Sabbath entry, sunset and the Sabbath exit.
#pragma once

#include "engine/dates.h"
#include "places/place.h"
#include "tables/range_table.h"
#include "zmanim/settings/parametres.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::tables
{

/// The file of the list, in the program directory.
inline constexpr std::string_view nom_fichier_liste_du_jour = "cal_exl.txt";

/// The list of cities the command reads, in the program directory.
inline constexpr std::string_view liste_villes_du_jour = "villactu.cal";

struct DemandeListeDuJour {
    engine::DateCivile date{2025, 1, 1};
    std::string opinion = "Or Méïr";
    bool actuj = false; // "Actuj": the five moments of the day's notice board
};

struct ListeDuJour {
    std::vector<std::string> lignes;   // the heading, then one line per city
    std::vector<std::string> messages; // the cities refused by the computation
};

/// Whether a line of a city list is computed: a city name that is not blank
/// (" " marks an empty slot), with a latitude, a longitude and an offset
/// (the runs over the city lists pass the others over).
[[nodiscard]] bool ville_a_calculer(const places::Place& lieu);

/// "Actuj": only the tefillin, sunrise, Sabbath entry, sunset and Sabbath
/// exit boxes stay checked.
void reduit_aux_moments_actuj(zmanim::ZmanimSettings& reglages);

/// The city as the list shows it: from its opening parenthesis to one
/// character after the closing one taken away, "PARIS (75)" → "PARIS ",
/// "NEUILLY (92) SUR SEINE" → "NEUILLY SUR SEINE"; a name without both
/// parentheses, in that order, is kept whole.
[[nodiscard]] std::string ville_sans_parenthese(std::string_view ville);

/// The heading: day name, day, month name and year, then a tab and the
/// caption of each checked box ("Mercredi 15 Janvier 2025\tAube : …").
[[nodiscard]] std::string entete_liste_du_jour(const engine::DateCivile& date,
                                               const zmanim::ZmanimSettings& reglages,
                                               std::string_view opinion);

/// The list for `villes`: each city computed afresh for the day (its summer
/// time from the tables of `env`), a polar day giving its city the polar
/// message, a city refused by the computation its message. Lines with an
/// empty latitude, longitude or offset, or a city of one blank, are passed
/// over. With `d.actuj` the boxes of `reglages` are reduced first.
[[nodiscard]] ListeDuJour liste_du_jour_des_villes(const std::vector<places::Place>& villes,
                                                   const DemandeListeDuJour& d,
                                                   zmanim::ZmanimSettings& reglages,
                                                   const EnvironnementTable& env);

/// Writes "cal_exl.txt" into `repertoire`, Windows-1252 with CR LF,
/// replacing it whole. Throws platform::FileError.
void ecrit_liste_du_jour(const std::filesystem::path& repertoire, const ListeDuJour& liste);

} // namespace orvane::tables
