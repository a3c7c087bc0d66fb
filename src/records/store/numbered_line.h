// The record number at the head of each line of the two files: the number,
// a tab, then the content of the line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::records
{

/// A line of a store file cut at its first tab.
struct LigneNumerotee {
    std::optional<int> numero; // none when the line does not begin with a number
    std::string_view contenu;  // after the first tab
};

/// The number and the content of a line: "12\tCOR\tM." gives 12 and
/// "COR\tM."; a line without a tab is its number alone ("12" gives 12 and
/// no content) or no number at all.
[[nodiscard]] LigneNumerotee separe_numero(std::string_view ligne);

/// `numero`, a tab, `contenu`.
[[nodiscard]] std::string ligne_numerotee(int numero, std::string_view contenu);

/// True for a line that holds nothing but blanks and tabs: it is no record.
[[nodiscard]] bool ligne_vide(std::string_view ligne) noexcept;

} // namespace orvane::records
