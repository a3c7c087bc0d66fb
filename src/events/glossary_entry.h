// One entry of the glossary file "glossair.dta", as the windows of the
// Jewish-year events show it beside their tables.
#pragma once

#include <filesystem>
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

inline constexpr std::string_view fichier_glossaire = "glossair.dta";

/// What a window's glossary button shows for `cle`: the entry of the
/// program directory's "glossair.dta" (name found without regard to case),
/// or the message of an absent entry. Throws platform::FileError when the
/// file cannot be read.
[[nodiscard]] std::vector<std::string> lignes_du_glossaire(const std::filesystem::path& repertoire,
                                                           std::string_view cle);

} // namespace orvane::events
