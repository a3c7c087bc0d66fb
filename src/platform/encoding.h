// Windows-1252, the 8-bit Western European code page of the program's files.
//
// Bytes 0x00-0x7F are ASCII and bytes 0xA0-0xFF are Latin-1 (U+00A0-U+00FF).
// Bytes 0x80-0x9F hold 27 typographic characters (€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž
// ‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ); the five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control of the same value, as
// Windows itself reads them. So every byte reads as exactly one character, and
// exactly 256 characters can be written back.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvane::platform
{

/// A text that cannot be written in Windows-1252: a character outside the
/// code page, or bytes that are not UTF-8 at all. what() is a French sentence
/// naming the character, e.g. "Le caractère « א » (U+05D0) ne peut pas être
/// écrit en Windows-1252".
class EncodingError : public std::runtime_error
{
public:
    /// `clause` is the lower-case reason ("le caractère « א » (U+05D0) ne
    /// peut pas être écrit en Windows-1252"); what() is it capitalised.
    EncodingError(std::string clause, std::size_t byte_offset);
    /// The reason in lower case, to go inside a longer sentence.
    [[nodiscard]] const std::string& clause() const noexcept { return clause_; }
    /// Where the offending character starts in the UTF-8 text.
    [[nodiscard]] std::size_t byte_offset() const noexcept { return byte_offset_; }

private:
    std::string clause_;
    std::size_t byte_offset_;
};

/// The character that Windows-1252 byte `byte` stands for.
[[nodiscard]] char32_t windows1252_char(unsigned char byte) noexcept;

/// The Windows-1252 byte of a character; none for a character outside the code page.
[[nodiscard]] std::optional<unsigned char> windows1252_byte(char32_t character) noexcept;

/// UTF-8 text of Windows-1252 bytes (every byte sequence is valid 1252).
[[nodiscard]] std::string utf8_from_windows1252(std::string_view bytes);

/// Windows-1252 bytes of a UTF-8 text. Throws EncodingError at the first
/// character the code page cannot hold; nothing is ever replaced by '?'.
[[nodiscard]] std::string windows1252_from_utf8(std::string_view text);

/// True when every character of the UTF-8 text can be written in Windows-1252.
[[nodiscard]] bool fits_windows1252(std::string_view text);

/// Lower-case French clause saying why `character` cannot be written, e.g.
/// "le caractère « א » (U+05D0) ne peut pas être écrit en Windows-1252".
[[nodiscard]] std::string unencodable_character_clause(char32_t character);

/// UTF-8 text of the bytes of a text file: a file that is valid UTF-8 is read
/// as UTF-8 (a leading byte-order mark dropped), any other as Windows-1252.
/// ASCII reads the same either way.
[[nodiscard]] std::string utf8_from_file_bytes(std::string_view bytes);

} // namespace orvane::platform
