// The web page of the festivals and fasts of a Hebrew year: the lines of the
// festivals window between the page templates "Orvanew/Fetes/fic_f1.htm"
// and "fic_f2.htm", as "Orvanew/Fetes/FETES/5785.htm". An existing page is
// never rebuilt: deleting it is the way to have it made again.
#pragma once

#include "documents/city_pages.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::documents
{

/// Where the page of Hebrew year `annee` goes, relative to the program
/// directory.
[[nodiscard]] std::filesystem::path chemin_page_fetes(int annee);

/// The page of `annee` from the lines of its list (the window's first text
/// area for that year), built unless it exists. Throws platform::FileError
/// (a missing template, an unwritable folder); nothing is then written.
ResultatPage page_fetes(const std::filesystem::path& repertoire, int annee,
                        const std::vector<std::string>& lignes);

} // namespace orvane::documents
