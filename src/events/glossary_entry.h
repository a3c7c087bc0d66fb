// One entry of the glossary file "glossair.dta", as the windows of the
// Jewish-year events show it beside their tables.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::events
{

/// The entry that starts at the first line containing `cle`: that line
/// without its last character, then the following lines except those that
/// begin with "@", up to a line that contains "@" (or "___" when
/// `fin_soulignee`) or the end of the file. Nothing when no line holds the key.
[[nodiscard]] std::optional<std::vector<std::string>>
entree_glossaire(const std::vector<std::string>& fichier, std::string_view cle,
                 bool fin_soulignee = false);

/// Key of the year-type entry.
inline constexpr std::string_view cle_glossaire_type = "Type de l'ann";
/// Key of the festivals entry.
inline constexpr std::string_view cle_glossaire_fetes = "@Fêtes";

/// The message shown when the glossary has no such entry.
[[nodiscard]] std::string message_glossaire_absent(std::string_view cle);

} // namespace orvane::events
