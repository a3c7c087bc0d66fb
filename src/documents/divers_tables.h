// The computation of a "Divers" table: the header and the table of its mode
// for the inputs given, and its web pages when they are asked. The window
// and the command line both run it.
#pragma once

#include "events/divers/divers_modes.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace orvane::places
{
class TablesEte;
}

namespace orvane::documents
{

/// Called as the work goes on: the share done (0..100) and a short text of
/// where it stands. Returning false stops it.
using ProgresDivers = std::function<bool(int pourcent, const std::string& etape)>;

struct ContexteDivers {
    std::filesystem::path repertoire;              // the program directory
    const places::TablesEte* tables_ete = nullptr; // France's summer time (Birkat Halévana)
    bool diaspora = true;                          // the readings of the Bar-Mitsva Sabbaths
    bool levana_israel = false;                    // the Israel table of Birkat Halévana
    ProgresDivers progres;
};

struct ResultatDivers {
    std::vector<std::string> lignes; // the text shown
    std::vector<std::filesystem::path> pages_construites;
    bool calcule = false;    // false: nothing computed (negative year, last year below the first)
    bool arrete = false;     // stopped before its end
    bool du_fichier = false; // "LES 61 SERIES" read from its file
};

/// The text of the mode for the inputs: the header, then the table. With
/// web pages asked, each year's page is made from the text of that year, and
/// the text shown is that of the last year, as the window clears its text
/// before each year. A year or a number of years beyond the mode's bounds
/// is brought within them. Throws platform::FileError for a page, a template
/// or the series file that cannot be read or written.
[[nodiscard]] ResultatDivers calcule_divers(events::ModeDivers mode, const events::EntreesDivers& e,
                                            const ContexteDivers& contexte);

/// The Hebrew years a table walks: from the first, stepping by the
/// increment, as many as asked and never beyond the mode's last year.
[[nodiscard]] std::vector<int> annees_de_la_table(events::ModeDivers mode,
                                                  const events::EntreesDivers& e);

/// The glossary lines of the mode from the program directory's glossary
/// (the entries of its keys, one after the other).
[[nodiscard]] std::vector<std::string> glossaire_divers(events::ModeDivers mode,
                                                        const std::filesystem::path& repertoire);

} // namespace orvane::documents
