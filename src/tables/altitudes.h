// The sun altitude table of the results window: for one day and one place,
// the times at which the centre of the sun stands at each altitude of a range
// in the morning and in the evening, with their seconds and rounded to the
// minute. At −16.1° the morning time is the dawn of the halachic tables, near
// −0.83° (−0°50) the visible sunrise; the table shows how fast the twilight
// runs at a place and a season.
//
//   Paris, 20 March 2018, −16.1° to −1° by 0.1°: 151 lines, from
//   "-16.1    \t05:19:29 \t05:19    \t20:38:05 \t20:38"  (times of zone +1)
//   to the line of −1.1°.
//
// A table has |maximum − minimum| / increment lines (whole lines only), the
// altitudes running from the minimum by index, minimum + i × increment, so
// that steps of 0.1° do not drift: added one by one, 151 tenths from −16.1
// reach −1.00000000000004. A sun that never stands at an altitude that day
// (it stays above it all night, or never climbs so high) leaves "--".
#pragma once

#include "engine/dates.h"
#include "places/place.h"
#include "zmanim/settings/parametres.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::tables
{

/// Most altitude lines the memo shows; a longer table is refused.
inline constexpr int lignes_altitudes_max = 750;

/// The file that receives the table, in the program directory.
inline constexpr std::string_view nom_fichier_aube = "aube.txt";

/// One computation of the altitude panel.
struct DemandeAltitudes {
    places::Place lieu; // the place of the zmanim window
    engine::DateCivile date{2018, 3, 20};
    std::string minimum{"-16.1"}; // Edit1, degrees (angle notation: "-16.1", "-16°06")
    std::string maximum{"-1"};    // Edit2
    std::string increment{"0.1"}; // Edit3
    std::string choix_arrondi;    // caption of the rounding box checked; empty when none
};

/// What the panel shows and writes.
struct TableAltitudes {
    /// A refusal for a message box (unreadable or impossible field, place
    /// not defined); the memo and the file are then left as they were.
    std::string erreur;
    /// `Memo3`: the title block, the column titles and the lines, or the
    /// message of a table too long.
    std::vector<std::string> memo;
    /// "aube.txt": every line of the memo after four blanks; empty when the
    /// table was refused or too long (nothing computed, nothing written).
    std::vector<std::string> fichier;

    [[nodiscard]] bool refusee() const { return !erreur.empty(); }
};

/// The caption of the rounding box of `reglages` that is checked ("Houmra -
/// arrondis à 1/59 ou 29/30 sec" or "Arrondis 29/30 sec"); empty when none is.
[[nodiscard]] std::string choix_arrondi(const zmanim::ZmanimSettings& reglages);

/// The table of `demande`. The fields are read as degrees; bounds given in
/// the wrong order are swapped; an increment of zero or less, a field that
/// is not an angle or lies beyond ±90°, and a place the times of the day
/// refuse give `erreur`. The times are those of the zone of the place
/// (no summer time); `reglages` gives "Itération" (each crossing with the
/// sun of its own instant) and the rounding thresholds.
[[nodiscard]] TableAltitudes table_altitudes(const DemandeAltitudes& demande,
                                             const zmanim::ZmanimSettings& reglages);

/// The two crossings of the altitude `degres` (negative below the horizon) by
/// the centre of the sun on `date`, hours UT; nothing for a crossing the sun
/// does not make that day. `latitude` radians north positive, `longitude`
/// radians WEST positive. With `iteration` each crossing is evaluated again
/// with the sun of its own instant, as the times of the day are.
struct CroisementsAltitude {
    std::optional<double> matin;
    std::optional<double> soir;
};
[[nodiscard]] CroisementsAltitude croisements_altitude(const engine::DateCivile& date,
                                                       double latitude, double longitude,
                                                       double degres, bool iteration);

/// Writes the file lines of `table` to `chemin`, Windows-1252 with CR LF,
/// replacing the file atomically. Throws platform::FileError.
void ecrit_table_altitudes(const std::filesystem::path& chemin, const TableAltitudes& table);

/// Writes "aube.txt" into `dossier` (the program directory); nothing when the
/// table has no file lines. Throws platform::FileError.
void ecrit_aube(const std::filesystem::path& dossier, const TableAltitudes& table);

} // namespace orvane::tables
