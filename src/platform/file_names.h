// The name under which a city's pages and files are written: plain
// letters, no character a file name cannot hold, eight characters at most.
#pragma once

#include <filesystem>
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

/// A person's name or any typed text made a file name that every system
/// accepts: the characters a file name cannot hold (/ \ : * ? " < > | and
/// the control characters) become "_", the blanks and full stops at both
/// ends are dropped, and an empty result is "_". Accents are kept.
[[nodiscard]] std::string nom_de_fichier_sur(std::string_view texte);

/// The path `dossier`/`base` + `extension` when no file has that name
/// (compared without regard to case), otherwise the first of `base` + "_2",
/// "_3" … that is free, so that a new file never replaces another one.
[[nodiscard]] std::filesystem::path chemin_libre(const std::filesystem::path& dossier,
                                                 std::string_view base, std::string_view extension);

} // namespace orvane::platform
