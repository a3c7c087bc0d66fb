// The file of the beginning of the tenth hour ("Début de la 10 ème heure"):
// sunrise plus nine seasonal hours (the end of the ninth), from which no
// meal is begun on the eve of Pesach, so that the matsa is eaten with
// appetite. With its box the zmanim table shows the column, and the file keeps
// that column alone for each day, under the folder "NEUVIEME" of the program
// directory: one file per city, named after the year and the city, or one
// file "France.txt" for the list of cities, which receives a block per city.
//
//   DemandeTable d;                              // Paris, 2025
//   d.dixieme_heure = true;
//   FichierDixiemeHeure f(repertoire, d);        // NEUVIEME/2025_PARIS 75.txt
//   SortiesMultiples s({&f, &autre});
//   calcule_table(d, reglages, env, s);
//   f.termine();
#pragma once

#include "platform/streamed_text_file.h"
#include "tables/range_table.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane::tables
{

inline constexpr std::string_view dossier_dixieme_heure = "NEUVIEME";
inline constexpr std::string_view fichier_liste_dixieme_heure = "France.txt";
inline constexpr std::string_view titre_dixieme_heure = "Début de la 10 ème heure";

/// The file of the table, relative to the program directory:
/// "NEUVIEME/2025_PARIS 75.txt" (the year of the year list, Hebrew with the
/// Hebrew reference, and the city's file name), "NEUVIEME/France.txt" for
/// the text pages of the city lists.
[[nodiscard]] std::filesystem::path chemin_dixieme_heure(const DemandeTable& d);

/// Receives a table and writes its tenth-hour file: the place line, the
/// title, the line of the column titles, then for each day its date label
/// and the time (the polar days keep their message). A city's file is
/// replaced whole by `termine()`; the list's file receives the city's block
/// at its end. Without `termine()` nothing is written.
class FichierDixiemeHeure : public SortieTable
{
public:
    /// Creates the folder "NEUVIEME" of `repertoire` when absent. Throws
    /// platform::FileError.
    FichierDixiemeHeure(const std::filesystem::path& repertoire, const DemandeTable& d);

    void ligne(const std::string& texte) override;
    void colonnes(const std::vector<ColonneAffichee>& c) override;
    void rangee(const RangeeTable& r) override;

    /// Puts the file in place. Throws platform::FileError.
    void termine();
    [[nodiscard]] const std::filesystem::path& chemin() const { return chemin_; }

private:
    void ecrit(std::string texte);

    DemandeTable demande_;
    std::filesystem::path chemin_;
    bool liste_;
    std::unique_ptr<platform::StreamedTextFile> fichier_; // a city
    std::vector<std::string> bloc_;                       // the list
    bool lieu_ecrit_ = false;
    std::optional<std::size_t> position_; // of the column among the shown ones
};

} // namespace orvane::tables
