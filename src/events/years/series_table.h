// "LES 61 SERIES": for each series of year types, the first 19-year cycle
// that has it and the signs of its nineteen years. Finding them runs the
// year set-up for some 213,000 years, so the table is kept in the file
// "Iserie.dta" of the program directory once computed.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace orvane::events
{

inline constexpr std::string_view nom_fichier_series = "Iserie.dta";

/// Called while the series are searched: the share done (0..100), the year
/// reached and its series. Returning false stops the search.
using ProgresSeries = std::function<bool(int pourcent, int annee, int serie)>;

/// The lines of the series found, in the order of the series, each written
/// from right to left for the Hebrew font. Empty when stopped. The search
/// makes its own calendar record and sets up every year in it.
[[nodiscard]] std::vector<std::string> calcule_61_series(const ProgresSeries& progres = {});

/// A line of the search written right to left: cut after the first blank of
/// each pair of blanks, the pieces in reverse order after the remainder and
/// two blanks.
[[nodiscard]] std::string ligne_de_droite_a_gauche(std::string_view ligne);

/// The table as shown from the file: a heading and the column line, the
/// lines of the file, and the explanations.
[[nodiscard]] std::vector<std::string> texte_61_series(const std::vector<std::string>& fichier);

/// The explanations that follow the table.
[[nodiscard]] std::vector<std::string> explications_61_series();

/// The lines of the series file of `repertoire` (its name found without
/// regard to case), or the search run and its result written to the file.
/// Empty when the search was stopped. Throws platform::FileError when the
/// file cannot be read or written.
struct Series {
    std::vector<std::string> lignes;
    bool du_fichier = false; // read from the file: show with heading and explanations
};
[[nodiscard]] Series lit_ou_calcule_series(const std::filesystem::path& repertoire,
                                           const ProgresSeries& progres = {});

} // namespace orvane::events
