// The times by latitude ("toutes latitudes"): how dawn, tefillin, sunrise,
// sunset, the stars, the Sabbath exit and the night move from the equator to
// the polar circle at the two equinoxes and the two solstices, for each of the
// first six opinions of the day page.
//
// One block per opinion: a heading naming the four days, the titles of their
// seven columns, one line per quarter of a degree of latitude from 0°0N to
// 67°45N (272 lines), and a line of one blank. Times are those of Universal
// Time + 1 at the window's longitude (zone "0", summer time forced to 1 in
// this table):
//
//   "0°0N\t05:54\t06:15\t06:55\t19:01\t..."   (longitude 2°20E, "Or Méïr",
//   20 March: dawn, tefillin, sunrise, sunset)
//
// A polar day reads, in the seven columns of that date, "Le", "soleil",
// "est", "toujours", "dessus" (or "sous"), "l'horizon" and nothing, as the
// results grid writes it; a time without a crossing reads "--".
#pragma once

#include "engine/dates.h"
#include "zmanim/day/horaires_jour.h"
#include "zmanim/settings/parametres.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::tables
{

/// The file of the table, in the program directory.
inline constexpr std::string_view nom_fichier_latitudes = "latitude.txt";

/// The four days of the table: the equinoxes and solstices of 2018.
inline constexpr std::array<engine::DateCivile, 4> dates_latitudes = {
    engine::DateCivile{2018, 3, 20}, engine::DateCivile{2018, 6, 21},
    engine::DateCivile{2018, 9, 23}, engine::DateCivile{2018, 12, 21}};

/// Latitudes of the table: quarters of a degree from 0° to 67°45′ north.
inline constexpr int quarts_de_degre = 4;
inline constexpr int lignes_par_opinion = 68 * quarts_de_degre;

/// The latitude text of line `k` (0 … 271): degrees, "°", minutes, "N",
/// without leading zeros: 0 → "0°0N", 1 → "0°15N", 271 → "67°45N".
[[nodiscard]] std::string texte_latitude_table(int k);

/// The lines of "latitude.txt" for a longitude text ("2°20E"), or a refusal.
struct TableLatitudes {
    std::string erreur; // French message of a refused longitude; then no line
    std::vector<std::string> lignes;

    [[nodiscard]] bool refusee() const { return !erreur.empty(); }
};

/// The table for `longitude`, with the parameters `reglages` (angles,
/// rounding) and what the program decides in `contexte` (the Beth Din exit
/// interval "Vaudrel"); the summer time of the table is forced, whatever the
/// program's mode.
[[nodiscard]] TableLatitudes table_latitudes(std::string_view longitude,
                                             const zmanim::ZmanimSettings& reglages,
                                             zmanim::ContexteCalcul contexte = {});

/// Writes the lines to `chemin`, Windows-1252 with CR LF, replacing the file
/// atomically. Throws platform::FileError.
void ecrit_table_latitudes(const std::filesystem::path& chemin, const TableLatitudes& table);

/// Writes "latitude.txt" into `dossier` (the program directory); nothing for
/// a refused table. Throws platform::FileError.
void ecrit_latitudes(const std::filesystem::path& dossier, const TableLatitudes& table);

} // namespace orvane::tables
