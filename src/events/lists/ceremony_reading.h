// The reading of a Chabbat as the table of the Bar-Mitsva ceremonies writes
// it after the dates.
#pragma once

#include <string>

namespace orvane::events
{

struct LibellesDuJour;

/// The festival or reading, the second reading, the day mark and the short
/// label of a Chabbat (labels completed by paracha_du_jour), their padding
/// turned into blanks and their abbreviations written out ("HolAmoed Soukot"
/// is "Hol Hamoed Soukot"), one blank between words, cut to 40 characters.
/// The count of the Omer is left out; a short label "Chabbat …" is written
/// "Ch. …".
///
///   "Tazria Metsora", "Berèchit", "Mikets Roch Hodech Chekalim"
[[nodiscard]] std::string lecture_de_ceremonie(const LibellesDuJour& l);

} // namespace orvane::events
