// The consistory's series of calendars: "Calendrier ciop" and "Tables
// horaires ciop" build, for each Hebrew year Y, twenty-four simplified
// calendars of Y, Y − 1 and Y + 1 (Greenwich, and the town at its centre,
// its east and its west, after "Or Méïr" and after the Rav Rottenberg, dawn
// at 16.1° then at the angle of the fasts, "taanit") and keep each export
// under its own name ("CAL_GrE0.txt" … "CAL_M_W2.txt"); the nightfall
// tables ("Tables Tset Hakokhavim Admour Hazaken (6,54°)") build a civil
// year for each town of "villetset.txt" with the stars at 6.54° and keep
// "tset_vil_1.txt", "tset_vil_2.txt" …. Both end in a workbook of ours,
// one sheet a file.
//
//   SeriesCiop s = series_ciop(demande, Sortie::calendrier_ciop, ciop, tables, repertoire);
//   // repertoire/CAL_GrE0.txt … CAL_M_W2.txt,
//   // repertoire/CALENDRIER_CIOP_5786/CALENDRIER_CIOP_5786_PARIS.xlsx
#pragma once

#include "config/config.h"
#include "documents/calendar_controls.h"
#include "documents/calendar_request.h"
#include "places/dst.h"

#include <array>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::documents
{

/// A series that cannot be built; what() is the French message for the
/// user (a missing festival file, "villetset.txt" missing, a place
/// refused).
class RefusSerie : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// One build of the consistory series: the copy of the export, the place
/// (Greenwich, centre, east, west), the opinion, the year's offset from the
/// driving year and the dawn of the fasts.
enum class LieuSerie { greenwich, centre, est, ouest };
struct ConstructionCiop {
    std::string_view fichier;
    LieuSerie lieu;
    std::string_view opinion;
    int decalage_annee; // 0, −1 or +1
    bool aube_taanit;   // dawn at "taanit", else at 16.1°
};

/// The twenty-four builds of one year, in their order.
[[nodiscard]] const std::array<ConstructionCiop, 24>& constructions_ciop();

/// The dawn of the fasts: "taanit" of "config_ciop.txt" in tenths of a
/// degree, 12.0° when the key is absent or unreadable.
[[nodiscard]] double aube_taanit(const config::FichierCles& ciop);

/// The festival file of the consistory for Hebrew year `annee`, made by the
/// festivals window: "fetes_ciop/b_fetes_ciop_5786.txt".
[[nodiscard]] std::filesystem::path chemin_fetes_ciop(int annee);

/// Where the workbook of a year goes, relative to the program directory:
/// "CALENDRIER_CIOP_5786/CALENDRIER_CIOP_5786_PARIS.xlsx" or
/// "CALENDRIER_CIOP_5786/TABLES_CIOP_5786_PARIS.xlsx".
[[nodiscard]] std::filesystem::path chemin_classeur_ciop(Sortie sortie, int annee,
                                                         std::string_view ville);

/// Says how far a long series went: builds made of the total; false stops it.
using ProgresSerie = std::function<bool(int faites, int total)>;

struct SeriesCiop {
    std::vector<std::filesystem::path> fichiers;  // the copies, every year
    std::vector<std::filesystem::path> classeurs; // one per year
    std::vector<std::string> memo;                // the lines for the window
    bool interrompu = false;
};

/// The series of `demande.nombre_annees` Hebrew years from `demande.annee`
/// at the place of `demande`, with its east-west minutes. Checks the
/// festival files of Y and Y + 1 first (RefusSerie with the window's
/// message). Rewrites "lieuinim.cal" with the place and "Or Méïr", copies
/// the festival file of Y to "b_molad_ciop.txt". Throws RefusSerie and
/// platform::FileError.
SeriesCiop series_ciop(const DemandeCalendrier& demande, Sortie sortie,
                       const config::FichierCles& ciop, const places::TablesEte& tables,
                       const std::filesystem::path& repertoire, const ProgresSerie& progres = {});

inline constexpr std::string_view fichier_villes_tset = "villetset.txt";
inline constexpr double degres_etoiles_admour = 6.54;

/// One line of "villetset.txt": city, country, latitude, longitude, and
/// the offset in the first ten characters of the rest.
[[nodiscard]] places::Place lieu_tset(std::string_view ligne);

/// The nightfall tables: the civil year `demande.annee` for every town of
/// "villetset.txt", opinion "Or Méïr", stars at 6.54°, each export copied
/// to "tset_vil_<n>.txt" (those of an earlier run removed first), and the
/// workbook "TSET_ADMOUR_<year>.xlsx". Throws RefusSerie ("Il manque le
/// fichier villetset.txt.") and platform::FileError.
SeriesCiop tables_tset(const DemandeCalendrier& demande, const places::TablesEte& tables,
                       const std::filesystem::path& repertoire, const ProgresSerie& progres = {});

} // namespace orvane::documents
