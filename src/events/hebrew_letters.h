// Hebrew-script texts are stored as Latin letters, one letter for each
// Hebrew glyph, in the left-to-right order of the glyphs. Files keep them so;
// the screen shows them as Unicode Hebrew letters through this mapping.
#pragma once

#include <string>
#include <string_view>

namespace orvane::events
{

/// The Unicode Hebrew letter of a stored Latin letter, or 0 when the
/// character stands for itself: a=א b=ב g=ג d=ד h=ה w=ו z=ז j=ח f=ט y=י k=כ
/// l=ל m=מ n=נ s=ס u=ע p=פ x=צ q=ק r=ר c=ש t=ת, "\" final mem ם, "}" final
/// nun ן, "{" final tsadi ץ. Capitals, digits and punctuation are unchanged.
[[nodiscard]] char32_t lettre_hebraique(char latin) noexcept;

/// A stored text as UTF-8 Hebrew letters in the same visual order:
/// "hfwcp" gives "פשוטה" read from right to left, that is the glyphs ה ט ו ש פ
/// from left to right. Characters other than the mapped letters are kept.
[[nodiscard]] std::string lettres_hebraiques(std::string_view latin);

/// The same wrapped in a left-to-right override (U+202D … U+202C), so that a
/// widget draws the glyphs left to right as stored, without reordering them.
[[nodiscard]] std::string lettres_hebraiques_affichees(std::string_view latin);

} // namespace orvane::events
