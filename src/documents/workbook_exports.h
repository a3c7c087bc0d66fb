// A workbook of the consistory: one sheet for each export of a calendar
// ("CAL_GrE0.txt", "tset_vil_1.txt" …), its lines in rows and its tab
// fields in columns; the times "07.01" become spreadsheet times, the day
// numbers numbers, the rest stays text.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::documents
{

struct FeuilleExport {
    std::string nom; // the sheet's name: the file's name without ".txt"
    std::vector<std::string> lignes;
};

/// Writes the workbook at `destination` (its folder created), whole or
/// not at all. Throws platform::FileError.
void ecrit_classeur_des_exports(const std::filesystem::path& destination,
                                const std::vector<FeuilleExport>& feuilles);

} // namespace orvane::documents
