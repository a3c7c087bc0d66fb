// The glossary of the calendar, "glossair.dta": chapters (rubriques) of
// paragraphs, each with a name, a subtitle and its lines of text.
//
//   @@Principes du calendrier@           a chapter line: its name between "@@" and "@"
//   @Molad@<TAB>La conjonction moyenne.  a paragraph line: name between the first two "@",
//   Le molad ("naissance") est ...       subtitle after the first tab; then its text
//   ; a comment                          never shown
//   ________________________@            the end mark of the paragraph (begins with "_")
//
// A comment line is only a comment, and an end mark only an end mark, even
// when it holds at signs; the end marks carry one so that the windows that
// show a single entry (events/glossary_entry.h) also stop there.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::reference
{

/// The name of the chapter that `ligne` opens, or nothing.
[[nodiscard]] std::optional<std::string> chapitre_de_la_ligne(std::string_view ligne);

/// The name and subtitle of the paragraph that a line opens.
struct EnTeteParagraphe {
    std::string nom;
    std::string
        sous_titre; // after the first tab, leading tabs dropped; empty when it begins with "@"
};

/// The paragraph that `ligne` opens, or nothing (chapter lines, comments,
/// end marks and text lines open none).
[[nodiscard]] std::optional<EnTeteParagraphe> paragraphe_de_la_ligne(std::string_view ligne);

/// The chapters of the file, each once, in the order of their first line.
[[nodiscard]] std::vector<std::string> chapitres(const std::vector<std::string>& fichier);

/// The names of the paragraphs of `chapitre`: those of the lines after its
/// first chapter line, up to the line of another chapter. Empty when the
/// file has no such chapter.
[[nodiscard]] std::vector<std::string>
paragraphes_du_chapitre(const std::vector<std::string>& fichier, std::string_view chapitre);

/// A paragraph as the glossary window shows it.
struct ParagrapheGlossaire {
    std::string nom;
    std::string sous_titre;
    std::vector<std::string>
        texte; // without comments; empty when the next paragraph follows at once
};

/// The paragraph found at the first line containing "@" + `nom` + "@": its
/// subtitle from the rest of that line, then the lines that follow, comments
/// skipped, up to a line that begins with "@" or "_" or the end of the file.
/// Nothing when no line holds the name.
[[nodiscard]] std::optional<ParagrapheGlossaire> paragraphe(const std::vector<std::string>& fichier,
                                                            std::string_view nom);

/// The lines of the text area for a paragraph: an empty line, then its text.
[[nodiscard]] std::vector<std::string> lignes_du_memo(const ParagrapheGlossaire& p);

/// The printed page of a paragraph from the lines of the text area: four
/// lines of one blank, four blanks and the name, an empty line, then every
/// line of the area from its second, each after eight blanks.
[[nodiscard]] std::vector<std::string> page_a_imprimer(std::string_view nom,
                                                       const std::vector<std::string>& memo);

/// The lines of the program directory's "glossair.dta" (its name found
/// without regard to case); nothing when there is no such file. Throws
/// platform::FileError when it exists but cannot be read.
[[nodiscard]] std::optional<std::vector<std::string>>
lit_glossaire(const std::filesystem::path& repertoire);

/// The warning of "Imprimer la page" with an empty text area.
inline constexpr std::string_view message_memo_vide = "Le memo est vide\rRien à imprimer !";

/// The information of "Imprimer tout": the whole glossary is printed from its RTF document.
inline constexpr std::string_view message_imprimer_tout =
    "Pour imprimer le glossaire complet :\rUtiliser le Menu : Fichier/Ouvrir "
    "'Glossair.rtf'\r\rPuis faire Imprimer !\r";

} // namespace orvane::reference
