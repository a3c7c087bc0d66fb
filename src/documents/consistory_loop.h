// The consistory loop of the annual calendar ("Iphone consistoire"): the
// simplified calendar built one year after another for the chosen place, or
// for every place of "villcons.cal" when the city is "AA_Ville", each build
// handed to the consistory's tables.
#pragma once

#include "documents/calendar_controls.h"
#include "documents/year_page.h"
#include "places/dst.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace orvane::documents
{

/// The city that asks for every place of "villcons.cal".
inline constexpr std::string_view ville_de_la_liste_consistoire = "AA_Ville";
inline constexpr std::string_view fichier_villes_consistoire = "villcons.cal";

/// What the loop hands over after each build: the request of that year and
/// place, and the calendar built ("cal_exl.txt" already written).
using TableConsistoire =
    std::function<void(const DemandeCalendrier& demande, const CalendrierSimplifie& calendrier)>;

/// What the loop did.
struct RapportConsistoire {
    int calendriers = 0;              // builds made
    std::vector<std::string> erreurs; // places whose coordinates were refused
    std::vector<std::string> memo;    // the text area of the last build
    /// The window's place afterwards: the list's marker place for
    /// "AA_Ville", the chosen place otherwise.
    places::Place lieu;
};

/// The loop over the years from `c.annee` (`c.nombre_annees` of them, one
/// build each), with the opinion "Beth Din (France)". For "AA_Ville" every
/// place of "villcons.cal" is built (Tossefet 20 in Israel, 40 in
/// Jerusalem, the box's value elsewhere) and "lieuinim.cal" then keeps the
/// place "AA_Ville" / "AA_Pays" at 0°N 0°E, rule 0. Throws
/// platform::FileError.
RapportConsistoire boucle_consistoire(const ControlesCalendrier& c, const CalculRetenu& r,
                                      const config::ProgramOptions& options,
                                      const config::FichierCles& ciop,
                                      const places::TablesEte& tables,
                                      const std::filesystem::path& repertoire,
                                      const TableConsistoire& table);

} // namespace orvane::documents
