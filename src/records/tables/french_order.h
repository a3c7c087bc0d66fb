// The order of names in French: "Eli", "Élie", "Emma", "émile" come in the
// order of their letters whatever their accents and case, as in a
// directory, and "Œuvre" stands with "Oeuvre".
#pragma once

#include <string>
#include <string_view>

namespace orvane::records
{

/// The key by which a text is sorted: every accented Latin letter replaced
/// by its letter (platform::lettre_sans_accent), capitals made small, the
/// ligatures "Œ", "Æ" and "ß" spelt "oe", "ae" and "ss". Keys compare byte
/// by byte: "eli" < "elie" < "emma".
[[nodiscard]] std::string cle_francaise(std::string_view texte);

/// True when `cle` is within [`de`, `a`] as a range of the table windows:
/// from `de` on, and up to every key that begins with `a` ("z" keeps
/// "zana"). All three are keys (cle_francaise).
[[nodiscard]] bool dans_les_limites(std::string_view cle, std::string_view de, std::string_view a);

} // namespace orvane::records
