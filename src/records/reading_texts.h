// The texts read on the day of a yahrzeit: for each letter of the name of
// the deceased, the stanza of Psalm 119 that begins with it ("tehilim.dta")
// or mishnayot that begin with it ("michna.dta"); the record sheet shows
// them on its right.
//
// Each file begins with the attribution of its source, then holds one
// section per letter: a line "@" followed by the letter ("@a" alef ... "@t"
// tav, the Latin letters of events/hebrew_letters.h; "@ncmh" for the word
// נשמה in "michna.dta"), then its lines, in Hebrew stored as Latin letters in
// the left-to-right order of the glyphs, each line to be shown aligned on
// the right with the Hebrew font.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::records
{

inline constexpr std::string_view fichier_tehilim = "tehilim.dta";
inline constexpr std::string_view fichier_michna = "michna.dta";

/// The section of "michna.dta" read after the letters of the name: the
/// mishnayot whose initials spell נשמה ("soul").
inline constexpr std::string_view section_nechama = "ncmh";

/// The lines of the section `lettre` of a reading file: those after its
/// line "@" + `lettre`, up to the next line that begins with "@". A final
/// letter reads the section of its letter ("\" final mem → "m", "}" final
/// nun → "n", "{" final tsadi → "x"). No line when the file has no such
/// section. Throws platform::FileError when the file cannot be read.
[[nodiscard]] std::vector<std::string> lignes_de_la_lettre(const std::filesystem::path& fichier,
                                                           std::string_view lettre);

/// The sections of the letters of a Hebrew name stored in the order of its
/// glyphs ("dwd", דוד; "\hrba", אברהם), one after the other in the order in
/// which the name is read, from its last character to its first; characters
/// that are not letters (blanks, hyphens) are passed over. Throws
/// platform::FileError.
[[nodiscard]] std::vector<std::string> lignes_du_nom(const std::filesystem::path& fichier,
                                                     std::string_view nom);

} // namespace orvane::records
