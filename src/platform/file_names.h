// The name under which a city's pages and files are written: plain
// letters, no character a file name cannot hold, eight characters at most.
#pragma once

#include <string>
#include <string_view>

namespace orvane::platform
{

/// The file name of a city: accented letters made plain (é è ê ë É Ê → e,
/// à â ä Â → a, î ï → i, Ï → I, ù û ü → u, ç → c, ô → o), the apostrophe,
/// parentheses, hyphen, full stop and comma turned into blanks, and also
/// every character that a file name cannot hold (/ \ : * ? " < > | and the
/// control characters); blanks in runs made single, the blanks at both ends
/// dropped, cut to 8 characters. "Saint-Jean-de-Luz" → "Saint Je",
/// "Béziers" → "Beziers", "PARIS (75)" → "PARIS 75".
[[nodiscard]] std::string nom_fichier_ville(std::string_view ville);

} // namespace orvane::platform
