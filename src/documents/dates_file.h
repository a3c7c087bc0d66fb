// The file of civil/Hebrew date pairs ("Tables dates civiles-hébraïques"):
// every day of a span of years, one tab-separated line per day, the civil
// date and the Hebrew date side by side, in the order of the direction.
// Ten thousand years make 3.65 million lines: the file is written as its
// lines come, never held whole in memory.
//
//   ANNEE(S) 2025              (first line; " à 2026" for two years)
//
//   ANNEE 2025
//
//   Mercredi <TAB>01<TAB>Janvier  <TAB>2025<TAB>=<TAB>01<TAB>Tevet  <TAB>5785
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvane::documents
{

/// The two directions of the window, for this file.
enum class SensDates { civil_hebreu, hebreu_civil };

/// What the text area shows after a dates file was written.
struct FichierDates {
    std::filesystem::path chemin;
    std::vector<std::string> message; // an empty line, then the line naming the file
};

/// "Dates_" + first + "_" + last + ".txt".
[[nodiscard]] std::string nom_fichier_dates(int premiere, int derniere);

/// Each line of the file for `nombre` years from the driving year `annee`
/// (civil or Hebrew after `sens`), in order, handed to `ligne`.
void pour_chaque_ligne_dates(SensDates sens, int annee, int nombre,
                             const std::function<void(const std::string&)>& ligne);

/// The same lines gathered (a span of a few years).
[[nodiscard]] std::vector<std::string> lignes_dates(SensDates sens, int annee, int nombre);

/// Why the span cannot be written (outside the years of the calendar, or not
/// a positive number of years); nothing when it can.
[[nodiscard]] std::optional<std::string> refus_dates(SensDates sens, int annee, int nombre);

/// Writes the file in the folder "DATES" of the program directory (created
/// when missing), line by line into a temporary file renamed onto its name
/// when complete. Throws platform::FileError; an existing file of that name
/// then stays as it was.
FichierDates ecrit_fichier_dates(const std::filesystem::path& repertoire, SensDates sens, int annee,
                                 int nombre);

} // namespace orvane::documents
