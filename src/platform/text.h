// Character-counting text helpers.
//
// Text inside the program is UTF-8. Every width, cut and position of the
// program counts characters (Unicode code points), never bytes: "Février" is
// 7 characters wide although it takes 8 bytes. All positions are 0-based.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform
{

/// Number of characters of a UTF-8 text. A byte that does not begin a valid
/// sequence counts as one character.
[[nodiscard]] std::size_t char_count(std::string_view text) noexcept;

/// Byte offset of the character at position `pos`; the byte length of the
/// text when `pos` is at or past its end.
[[nodiscard]] std::size_t byte_offset(std::string_view text, std::size_t pos) noexcept;

/// The first `n` characters (the whole text when it is shorter).
[[nodiscard]] std::string left(std::string_view text, std::size_t n);

/// The last `n` characters (the whole text when it is shorter).
[[nodiscard]] std::string right(std::string_view text, std::size_t n);

/// `n` characters from position `pos` (fewer at the end of the text, none
/// past it).
[[nodiscard]] std::string mid(std::string_view text, std::size_t pos,
                              std::size_t n = std::string_view::npos);

/// The text completed with `fill` at the end up to `width` characters; a
/// text already as wide is returned unchanged.
[[nodiscard]] std::string pad_right(std::string_view text, std::size_t width, char fill = ' ');

/// The text completed with `fill` in front up to `width` characters; a text
/// already as wide is returned unchanged.
[[nodiscard]] std::string pad_left(std::string_view text, std::size_t width, char fill = ' ');

/// The text cut to at most `n` characters (same as `left`).
[[nodiscard]] inline std::string cut(std::string_view text, std::size_t n)
{
    return left(text, n);
}

/// The text without blanks (spaces and tabs) at both ends.
[[nodiscard]] std::string trim(std::string_view text);

/// The text without blanks at its end.
[[nodiscard]] std::string trim_right(std::string_view text);

/// True when the bytes form well-formed UTF-8 (no overlong forms, no
/// surrogates, nothing above U+10FFFF).
[[nodiscard]] bool is_valid_utf8(std::string_view bytes) noexcept;

/// One character of a UTF-8 text, as `code_point_at` finds it.
struct CodePoint {
    char32_t value;     // U+FFFD when the bytes there are not valid UTF-8
    std::size_t length; // bytes taken, at least 1 (exactly 1 when invalid)
    bool valid;         // false for a byte that begins no valid sequence
};

/// The character that starts at byte `i` of `text` (`i` inside the text).
[[nodiscard]] CodePoint code_point_at(std::string_view text, std::size_t i) noexcept;

/// The UTF-8 bytes of one code point; those of U+FFFD for a surrogate or a
/// value past U+10FFFF, which have no UTF-8 form.
[[nodiscard]] std::string utf8_of(char32_t code_point);

/// The text with every byte that begins no valid UTF-8 sequence, and every
/// control character but the tab and the line feed, written "\xNN" (two hexadecimal digits),
/// so that a typed text is shown on a terminal as it was, never raw.
[[nodiscard]] std::string escape_for_display(std::string_view text);

/// The letter without its accent, case kept: the accented Latin letters of
/// U+00C0 to U+017F ("É" → "E", "ñ" → "n", "Ł" → "L"); any other character
/// as it is.
[[nodiscard]] char32_t lettre_sans_accent(char32_t c) noexcept;

/// The code points of a UTF-8 text; an invalid byte gives U+FFFD.
[[nodiscard]] std::u32string decode_utf8(std::string_view text);

/// Lower-case form for comparisons: ASCII letters and the accented Latin
/// letters of Windows-1252 (É → é, À → à ...); other characters unchanged.
[[nodiscard]] std::string to_lower(std::string_view text);

/// Upper-case form, the inverse of `to_lower` on the same letters.
[[nodiscard]] std::string to_upper(std::string_view text);

/// True when the two texts are equal without regard to case (`to_lower`).
[[nodiscard]] bool equals_ignoring_case(std::string_view a, std::string_view b);

/// The text with "&", "<" and ">" written as entities: a text of the data
/// (a city, a day line) put into an HTML page.
[[nodiscard]] std::string echappe_html(std::string_view texte);

/// A whole number written in a file: blanks around it and a leading "+"
/// allowed; nothing for any other text.
[[nodiscard]] std::optional<int> nombre_entier(std::string_view texte);

} // namespace orvane::platform
