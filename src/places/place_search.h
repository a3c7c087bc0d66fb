// Finding a city typed by a person: the exact name first, then the same name
// without regard to case and accents ("paris (75)", "Beer Sheva" for
// "BEER SHEVA"), and when nothing matches, the nearest names to suggest.
//
//   cherche_ville({&lieux}, "jerusalem", "")   // the place "Jérusalem"
//   villes_proches({&lieux}, "Pariss", 3)       // {"PARIS (75)", ...}
#pragma once

#include "places/places.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::places
{

/// The city `ville` of the first of `listes` that has it: the exact name
/// (in `pays` when given; else, as the places window chooses, the last line
/// of that name), then the name without regard to case and accents. A given
/// country must match, compared the same way.
[[nodiscard]] std::optional<Place> cherche_ville(const std::vector<const ListesLieux*>& listes,
                                                 std::string_view ville, std::string_view pays);

/// At most `nombre` city names of `listes` near `ville`: those that begin
/// with it, then the closest by edits (insertions, deletions, changes of one
/// letter, without regard to case and accents, a department or state in
/// parentheses at the end of a name left aside), ties in alphabetical order;
/// names further than a third of the typed length (at least 2) are left out.
[[nodiscard]] std::vector<std::string> villes_proches(const std::vector<const ListesLieux*>& listes,
                                                      std::string_view ville, std::size_t nombre);

} // namespace orvane::places
