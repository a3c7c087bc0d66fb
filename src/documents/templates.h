// The page templates: a page is a head template, a body and a foot template
// put end to end, and a head template is made the page's own by replacing
// the line that follows a marker line. A template thus holds, for each
// value to personalise, a marker line (often an HTML comment) followed by
// one line that carries the current value:
//
//   <!-- Dates C -->
//   de l'année 2024            ← replaced by "de l'année 2025"
//
// Pages whose name ends in ".htm" are written in UTF-8 (their templates
// declare it), the others in Windows-1252; both with CR LF.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::documents
{

/// The lines with the line after each line containing `marque` replaced by
/// `valeur` (its old content dropped whole); reading goes on after the
/// replaced line. A marker on the last line has nothing to replace.
[[nodiscard]] std::vector<std::string> remplace_ligne_marquee(std::vector<std::string> lignes,
                                                              std::string_view marque,
                                                              std::string_view valeur);

/// The page file of a short name of the other windows ("h" "horaires.htm",
/// "c2" "calendh2.htm", "c5", "c6", "l" "lune.htm", "s" "calsel.htm", "e5"
/// "halakha5.htm", "e6"), or nothing for a name that is none of them.
[[nodiscard]] std::optional<std::string_view> page_du_nom_court(std::string_view nom);

/// `remplace_ligne_marquee` on a file: `page` (a short name, or a path
/// under `repertoire`, found without regard to case) is read, its marked
/// lines replaced and written back. Nothing happens when it does not exist.
/// Throws platform::FileError when it cannot be read or written.
void remplace_ligne_marquee(const std::filesystem::path& repertoire, std::string_view page,
                            std::string_view marque, std::string_view valeur);

/// Writes a page: UTF-8 for a name ending in ".htm" or ".html", Windows-1252
/// otherwise, CR LF after each line, atomically; its folders are created.
/// Throws platform::FileError.
void ecrit_page(const std::filesystem::path& chemin, const std::vector<std::string>& lignes);

/// `assemble_page`: the page made of every line of the head file, of the
/// body file and of the foot file, in that order. Throws platform::FileError
/// (a missing template among them), and then the page is left as it was.
void assemble_page(const std::filesystem::path& tete, const std::filesystem::path& corps,
                   const std::filesystem::path& pied, const std::filesystem::path& page);

/// `ecrit_entete_simple`: the file rewritten with two lines, the text and a
/// line of one space (the head of a text page).
void ecrit_entete_simple(const std::filesystem::path& fichier, std::string_view texte);

/// The head of a text page, as `ecrit_entete_simple` writes it.
[[nodiscard]] std::vector<std::string> entete_simple(std::string_view texte);

/// `deplace_corps`: the destination deleted when it exists, the source
/// renamed to it, and unless `garde` the source created again, empty. A
/// missing source leaves an empty destination. Throws platform::FileError.
void deplace_corps(const std::filesystem::path& source, const std::filesystem::path& destination,
                   bool garde);

} // namespace orvane::documents
