// The workbooks of the Bar-Mitsva calendar and table: a sheet a month of
// births, a row a birth day with its civil and Hebrew dates, (in the table)
// the civil and Hebrew dates of the ceremony, the Chabbat and its reading;
// the births on a Chabbat shaded. Portrait A4, one page wide, the titles
// repeated on every page.
//
//   PageBarMitsva page = construit_page_calendrier_bm(p, 2011, 12, tables);
//   std::filesystem::path x = ecrit_classeur_bar_mitsva(repertoire, page);
//   // repertoire/Orvanew/Cal_Bar/Civheb/2011.xlsx ("…/Tab_Bar/…" for the table)
#pragma once

#include "documents/bar_mitsva_pages.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::documents
{

/// The titles of the columns of a sheet, in order.
[[nodiscard]] std::vector<std::string> colonnes_classeur_bar_mitsva(ModeBarMitsva mode, bool fille);

/// Where the workbook of a page goes, relative to the program directory:
/// beside its HTML page, named as it is ("Orvanew/Cal_Bar/Civheb/2011F.xlsx").
[[nodiscard]] std::filesystem::path chemin_classeur_bar_mitsva(const ParametresBarMitsva& p,
                                                               int annee);

/// Writes the workbook of `page` at `destination` (replaced whole).
/// Throws platform::FileError.
void ecrit_classeur_bar_mitsva(const std::filesystem::path& destination, const PageBarMitsva& page);

/// The same at `chemin_classeur_bar_mitsva` in `repertoire`, its folders
/// made; returns its absolute path.
std::filesystem::path ecrit_classeur_bar_mitsva_dans(const std::filesystem::path& repertoire,
                                                     const PageBarMitsva& page);

} // namespace orvane::documents
