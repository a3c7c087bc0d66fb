// The order of Hebrew first names ("PREH", "PREH_DC"): by their letters as
// they are read, from right to left, in the order of the alphabet (alef,
// bet, guimel ...), a final letter as its letter. The names are stored as
// Latin letters in the left-to-right order of the glyphs
// (events/hebrew_letters.h), so "\hrba" (אברהם) is read from its last
// character: alef, bet, resh, he, mem.
#pragma once

#include <string>
#include <string_view>

namespace orvane::records
{

/// The key by which a Hebrew name is sorted: its characters from the last
/// to the first, each Hebrew letter replaced by a byte of its rank in the
/// alphabet (a final letter by its letter's), after the blanks, digits and
/// signs, any other character by its French key (cle_francaise). Keys
/// compare byte by byte: אברהם < דוד < יעקב < יצחק < משה.
[[nodiscard]] std::string cle_hebraique(std::string_view glyphes);

} // namespace orvane::records
