// One computation of the zmanim window (`CalculClick2`): the table of the
// place and range, written to its text file ("zemanim.txt", or
// "wemanim.txt" for the web pages and city lists) and to "semaines.txt" in
// the program directory, and kept for the results window.
#pragma once

#include "tables/range_table.h"
#include "tables/table_files.h"

#include <filesystem>

namespace orvane::tables
{

/// "zemanim.txt" for the memo and the books, "wemanim.txt" for the web
/// pages and the city lists.
[[nodiscard]] std::string nom_du_corps(const DemandeTable& d);

struct TableEcrite {
    ResultatTable resultat;
    MemoDeTable memo;
};

/// Computes the table into the files of `repertoire`; `autre` receives the
/// lines and rows too (the 'Hamets block, a workbook). Both files are put in
/// place whatever the end (a refusal keeps the lines written before it).
/// Throws platform::FileError when a file cannot be written.
[[nodiscard]] TableEcrite ecrit_table(const std::filesystem::path& repertoire,
                                      const DemandeTable& d, zmanim::ZmanimSettings& reglages,
                                      const EnvironnementTable& env, SortieTable* autre = nullptr);

} // namespace orvane::tables
