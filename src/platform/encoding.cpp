#include "platform/encoding.h"

#include "platform/text.h"

#include <array>
#include <cstdio>
#include <utility>

namespace orvane::platform
{

namespace
{

/// Characters of bytes 0x80-0x9F. The five bytes undefined in the code page
/// keep the C1 control of their own value (0x81 → U+0081 ...).
constexpr std::array<char32_t, 32> high_controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

std::string code_point_label(char32_t character)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(character));
    return buffer;
}

/// Controls and invisible characters are named by their code alone.
bool is_printable(char32_t character) noexcept
{
    return character >= 0x20 && !(character >= 0x7F && character <= 0x9F) &&
           !(character >= 0xD800 && character <= 0xDFFF) && character <= 0x10FFFF;
}

std::string capitalised(std::string clause)
{
    if (!clause.empty() && clause[0] >= 'a' && clause[0] <= 'z') {
        clause[0] = static_cast<char>(clause[0] - 'a' + 'A');
    }
    return clause;
}

std::string invalid_byte_clause(unsigned char byte)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%02X", byte);
    return std::string("l'octet ") + buffer + " ne fait partie d'aucun caractère UTF-8 valide";
}

} // namespace

EncodingError::EncodingError(std::string clause, std::size_t byte_offset)
    : std::runtime_error(capitalised(clause)), clause_(std::move(clause)), byte_offset_(byte_offset)
{
}

char32_t windows1252_char(unsigned char byte) noexcept
{
    if (byte >= 0x80 && byte <= 0x9F) {
        return high_controls[byte - 0x80];
    }
    return byte;
}

std::optional<unsigned char> windows1252_byte(char32_t character) noexcept
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<unsigned char>(character);
    }
    for (std::size_t i = 0; i < high_controls.size(); ++i) {
        if (high_controls[i] == character) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

std::string utf8_from_windows1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += utf8_of(windows1252_char(byte));
        }
    }
    return out;
}

namespace
{

/// Byte offset of the first character that cannot be written, with the
/// clause that says why; none when the whole text fits.
struct Misfit {
    std::size_t byte_offset;
    std::string clause;
};

/// Converts `text`, stopping at the first misfit. `out` may be null when
/// only the check is wanted.
std::optional<Misfit> convert(std::string_view text, std::string* out)
{
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) { // ASCII: the bulk of every file
            if (out) {
                *out += text[i];
            }
            ++i;
            continue;
        }
        const CodePoint c = code_point_at(text, i);
        if (!c.valid) {
            return Misfit{i, invalid_byte_clause(static_cast<unsigned char>(text[i]))};
        }
        const std::optional<unsigned char> byte = windows1252_byte(c.value);
        if (!byte) {
            return Misfit{i, unencodable_character_clause(c.value)};
        }
        if (out) {
            *out += static_cast<char>(*byte);
        }
        i += c.length;
    }
    return std::nullopt;
}

} // namespace

std::string windows1252_from_utf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    if (const std::optional<Misfit> misfit = convert(text, &out)) {
        throw EncodingError(misfit->clause, misfit->byte_offset);
    }
    return out;
}

bool fits_windows1252(std::string_view text)
{
    return !convert(text, nullptr);
}

std::string unencodable_character_clause(char32_t character)
{
    std::string clause = "le caractère ";
    if (is_printable(character)) {
        clause += "« " + utf8_of(character) + " » (" + code_point_label(character) + ")";
    } else {
        clause += code_point_label(character);
    }
    return clause + " ne peut pas être écrit en Windows-1252";
}

std::string utf8_from_file_bytes(std::string_view bytes)
{
    if (is_valid_utf8(bytes)) {
        if (bytes.starts_with(byte_order_mark)) {
            bytes.remove_prefix(byte_order_mark.size());
        }
        return std::string(bytes);
    }
    return utf8_from_windows1252(bytes);
}

} // namespace orvane::platform
