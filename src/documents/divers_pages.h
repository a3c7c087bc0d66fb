// The web pages of the "Divers" tables: one page per Hebrew year, its text
// between the templates "Orvanew/ELEMENTS/fic_d?1.htm" and "fic_d?2.htm" of
// the table, as "Orvanew/ELEMENTS/MOLAD/5785.htm". An existing page is never
// rebuilt: deleting it is the way to have it made again.
#pragma once

#include "documents/city_pages.h"
#include "events/divers/divers_modes.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::documents
{

/// Where the page of Hebrew year `annee` goes, relative to the program
/// directory.
[[nodiscard]] std::filesystem::path chemin_page_divers(const events::PagesWeb& web, int annee);

/// The title line of a page: "Moladot de<BR>de l'année juive 5785<BR>Années
/// civiles 2024/2025".
[[nodiscard]] std::string titre_page_divers(const events::PagesWeb& web, int annee);

/// The page of `annee` from the lines of that year, built unless it exists.
/// Throws platform::FileError (a missing template, an unwritable folder);
/// nothing is then written.
ResultatPage page_divers(const std::filesystem::path& repertoire, const events::PagesWeb& web,
                         int annee, const std::vector<std::string>& lignes);

} // namespace orvane::documents
