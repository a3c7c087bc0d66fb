// The spreadsheet outputs of the annual calendar: the year is built for
// the kind asked, "cal_exl.txt" is written as every year page writes it,
// and the workbook of the kind is laid out from the same days.
//
// With the opinion of Rav Rottenberg the town is built three times, at its
// centre and at its eastern and western ends (`DemandeCalendrier::est_ouest`
// minutes of arc away): "cal_exl_centre.txt", "cal_exl_est.txt" and
// "cal_exl_ouest.txt" hold the three exports, "cal_exl.txt" ends as the
// centre's, and the workbook sets the three times side by side.
//
//   DemandeCalendrier d;                       // Paris, civil year 2025
//   std::filesystem::path p =
//       construit_classeur(Classeur::complet, d, tables, repertoire);
//   // repertoire/CAL_CIVL/2025/PARIS 75 complet.xlsx
#pragma once

#include "documents/calendar_controls.h"
#include "documents/calendar_request.h"
#include "documents/city_pages.h"
#include "documents/workbook_kinds.h"
#include "places/dst.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::documents
{

/// The workbook of a kind of output of the window, or nothing for the
/// kinds that have none.
[[nodiscard]] std::optional<Classeur> classeur_de_la_sortie(Sortie sortie);

/// A workbook that cannot be built from this request; what() is the French
/// message for the user.
class RefusClasseur : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// Why the workbook cannot be built: the printers' calendars have no layout
/// for the three longitudes of Rav Rottenberg. Nothing when it can.
[[nodiscard]] std::optional<std::string> refus_classeur(Classeur classeur,
                                                        const DemandeCalendrier& demande);

/// Names of the export files of the three longitudes, beside "cal_exl.txt".
inline constexpr std::string_view fichier_export_centre = "cal_exl_centre.txt";
inline constexpr std::string_view fichier_export_est = "cal_exl_est.txt";
inline constexpr std::string_view fichier_export_ouest = "cal_exl_ouest.txt";

/// Where the workbook of `classeur` goes, relative to the program
/// directory: "CAL_CIVL/2025/PARIS 75 complet.xlsx" ("CAL_HEBR" for a
/// Hebrew year; "… complet RR.xlsx" with Rav Rottenberg).
[[nodiscard]] std::filesystem::path chemin_classeur(Classeur classeur,
                                                    const DemandeCalendrier& demande);

/// The days of the workbook of `classeur` for one year (`demande.annee`),
/// with the three longitudes for Rav Rottenberg; nothing is written.
/// Throws RefusClasseur (the refusal above, or the place's coordinates
/// refused) and platform::FileError.
[[nodiscard]] DonneesClasseur donnees_classeur(Classeur classeur, const DemandeCalendrier& demande,
                                               const places::TablesEte& tables);

/// Writes the workbook of `classeur` from its days at `destination`.
void ecrit_classeur(Classeur classeur, const DonneesClasseur& donnees,
                    const std::filesystem::path& destination);

/// The spreadsheet build of the window and of the command line: the year
/// built, "cal_exl.txt" and "lieuinim.cal" written into `repertoire` (with
/// the three files of Rav Rottenberg), and the workbook written at
/// `destination`, or at `chemin_classeur` in `repertoire` when it is empty
/// (its folders created). Returns the workbook's path, for the caller to
/// open. Throws RefusClasseur and platform::FileError.
std::filesystem::path construit_classeur(Classeur classeur, const DemandeCalendrier& demande,
                                         const places::TablesEte& tables,
                                         const std::filesystem::path& repertoire,
                                         const std::filesystem::path& destination = {});

/// The folder of the spreadsheet variant of the list run:
/// "Orvanew/Calendri/Civhebxl" (civil) or "Orvanew/Calendri/Hebcivxl".
[[nodiscard]] std::filesystem::path dossier_liste_tableur(const DemandeCalendrier& demande);

/// What the spreadsheet variant of the list run did: the pages and slots of
/// the list run, and a complete-calendar workbook for every city whose
/// coordinates read, beside its page ("…/Civhebxl/2025/PARIS 75.xlsx").
struct RapportListeTableur {
    RapportListe liste;
    std::vector<std::filesystem::path> classeurs;
};

/// The list run of `annee` over `lignes_liste` into `dossier_liste_tableur`,
/// with a workbook for each city. Throws platform::FileError.
RapportListeTableur classeurs_liste_villes(const std::filesystem::path& repertoire,
                                           const DemandeCalendrier& demande, int annee,
                                           const std::vector<std::string>& lignes_liste,
                                           const places::TablesEte& tables);

} // namespace orvane::documents
