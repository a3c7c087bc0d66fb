// What the glossary buttons of the Omer window and of the Shemita/Yovel
// window show, from the lines of "glossair.dta".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane::events
{

/// Keys of the two entries of the Shemita/Yovel window, in their order.
inline constexpr std::string_view cle_glossaire_chemita = "Chemita@";
inline constexpr std::string_view cle_glossaire_yovel = "Yovel@";

/// The entry whose first line contains "Compte du 'Omer": that line whole,
/// then its lines (entree_glossaire); the message of an absent entry when
/// no line holds the key.
[[nodiscard]] std::vector<std::string> glossaire_omer(const std::vector<std::string>& fichier);

/// The entries "Chemita@" then "Yovel@", each first line without its last
/// character; an absent entry gives its message in its place.
[[nodiscard]] std::vector<std::string> glossaire_yovel(const std::vector<std::string>& fichier);

} // namespace orvane::events
