// The page files of the annual calendars: the page of one year for the
// chosen city, with or without the times, and the pages of every city of a
// list with the list page that links them. Pages are assembled from the
// templates delivered under "Orvanew" (templates.h); an existing page is
// never rebuilt: deleting it is the way to have it made again.
//
//   DemandeCalendrier d;                      // Paris, civil, with the times
//   page_une_ville(repertoire, d, 2025, tables);
//   // repertoire/CAL_CIVL/2025/PARIS 75.txt
#pragma once

#include "documents/calendar_request.h"
#include "places/dst.h"
#include "platform/file_names.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::documents
{

/// The data folder of the pages and its template folders.
inline constexpr std::string_view dossier_donnees = "Orvanew";

/// "txt", or "htm" with "Web".
[[nodiscard]] std::string_view extension_pages(const DemandeCalendrier& d);

using platform::nom_fichier_ville;

/// The slot of the `index`-th line (from 0) of a city list on the list page
/// of five columns of 58: down the columns, 0, 5, …, 285 for the first 58
/// lines, then 1, 6, …; past the 290 slots of the columns, the slots go on
/// one after another (290, 291, …) so that no city takes another's.
[[nodiscard]] int emplacement_ville(int index);

/// The page of one year (`demande.annee` is ignored) where "Fic ville
/// ci-dessus" writes it: "Orvanew/Dates/Civhebtx/2025.txt" (or Hebciv…,
/// Civheb, Hebciv) without the times, "CAL_CIVL/2025/PARIS 75.txt" (or
/// CAL_HEBR) with them; relative to the program directory.
[[nodiscard]] std::filesystem::path chemin_page_une_ville(const DemandeCalendrier& demande,
                                                          int annee);

struct ResultatPage {
    std::filesystem::path page; // absolute
    bool construite = false;    // false: it existed and was left as it was
};

/// The page of `annee` for the city of `demande` ("Fic ville ci-dessus"),
/// built unless it exists. Throws platform::FileError (a missing template,
/// an unwritable folder).
ResultatPage page_une_ville(const std::filesystem::path& repertoire,
                            const DemandeCalendrier& demande, int annee,
                            const places::TablesEte& tables);

/// The pages of the years asked, from the driving year upward.
std::vector<ResultatPage> pages_une_ville(const std::filesystem::path& repertoire,
                                          const DemandeCalendrier& demande,
                                          const places::TablesEte& tables);

/// The two lines of a city's slot in "ville_OK.txt" (one when it has no
/// file): Villes[5]= "PARIS (75)"; and Fic_Villes[5] = "PARIS 75.htm";
/// (the city written as a string of the page's script).
[[nodiscard]] std::vector<std::string> lignes_emplacement(int emplacement, std::string_view ville,
                                                          std::string_view fichier,
                                                          std::string_view extension);

/// What the run over a list of cities did.
struct RapportListe {
    std::vector<ResultatPage> pages;
    std::vector<std::string> messages;     // "Erreur dans les coordonnées de la ville …"
    std::vector<std::string> emplacements; // the lines of "ville_OK.txt"
    std::filesystem::path page_liste;      // "Orvanew/Calendri/calendri.htm"
    bool interrompu = false;               // stopped by the progress callback
};

/// Called after each city of a list with its file name (the spreadsheet
/// variant copies its workbook then).
using ApresVille = std::function<void(const std::string& nom_fichier)>;

/// Called after the page of each city whose coordinates read, with the
/// request of that city (its place, Tossefet and Diaspora rules) and its
/// file name: the spreadsheet variant writes the city's workbook then.
using ApresPageVille =
    std::function<void(const DemandeCalendrier& demande_ville, const std::string& nom_fichier)>;

/// Called before each city with the number of cities done and their total;
/// false stops the run (the list page is then made of the cities done).
using ProgresListe = std::function<bool(int faites, int total)>;

/// `prepare_page_calendrier` over the lines of a list of cities (in the
/// format of the places file): the page of `annee` of every city into
/// `dossier` + year + "/" (relative to the program directory; "CAL_CIVL" or
/// "CAL_HEBR" by default), "Orvanew/Calendri/ville_OK.txt" with the slots,
/// "ville_HS.txt" with the cities whose coordinates are refused (they keep
/// their slot, and get no page), then the list page "calendri." + ext.
/// Two cities whose names fold to the same eight letters get distinct file
/// names ("NEUILLY", "NEUILLY2"), and the report says so.
/// Throws platform::FileError.
RapportListe
pages_liste_villes(const std::filesystem::path& repertoire, const DemandeCalendrier& demande,
                   int annee, const std::vector<std::string>& lignes_liste,
                   const places::TablesEte& tables, const std::filesystem::path& dossier = {},
                   const ApresVille& apres_ville = {}, const ApresPageVille& apres_page = {},
                   const ProgresListe& progres = {});

/// The lines the text area gets after a file run: "CONSTRUCTION DES PAGES
/// WEB TERMINEE pour 2 année(s)", the years and where the files are.
[[nodiscard]] std::vector<std::string> rapport_pages(const DemandeCalendrier& demande, int premiere,
                                                     int derniere);

} // namespace orvane::documents
