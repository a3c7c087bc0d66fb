// Finding the groups of a record line by their markers.
//
// The program writes every group at a fixed place: its marker ("COR",
// "ADR", "NAIS", "ANI" …) as a field of its own, then a known number of
// fields. The reader takes each marker at that place when it is there, so
// that a name or a note that happens to read "ADR" is never taken for a
// marker; in a line written by hand, with fields missing or added, it
// looks for the marker further on instead.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace orvane::records
{

/// A group of a line: its marker and the number of fields after it in a
/// line the program writes; `variable` for a group whose fields run to the
/// next marker (to the end of the line for the last group).
struct Marqueur {
    std::string_view mot;
    int taille;
};
inline constexpr int variable = -1;

/// A group as found.
struct GroupeLu {
    bool trouve = false;                  // its marker is in the line
    std::vector<std::string_view> champs; // the fields after the marker
};

/// The groups of `disposition`, in its order, in the fields of a line. The
/// fields of a group end at the next marker found; those of the last group
/// run to the end of the line. Fields before the first marker, or between a
/// group of the expected size and a marker found further on, belong to no
/// group.
[[nodiscard]] std::vector<GroupeLu> lit_groupes(std::span<const std::string_view> champs,
                                                std::span<const Marqueur> disposition);

/// The field `i` of a group, or the empty text when the group is shorter.
[[nodiscard]] std::string_view champ(const std::vector<std::string_view>& champs, std::size_t i);

} // namespace orvane::records
