#include "platform/text.h"

#include <charconv>
#include <utility>

namespace orvane::platform
{

namespace
{

struct Decoded {
    char32_t code_point; // U+FFFD for an invalid sequence
    std::size_t length;  // bytes used, at least 1
};

constexpr char32_t replacement = 0xFFFD;

bool is_continuation(unsigned char byte) noexcept
{
    return (byte & 0xC0) == 0x80;
}

/// Decodes the sequence starting at byte `i` (which must be inside `text`).
Decoded decode_at(std::string_view text, std::size_t i) noexcept
{
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return {replacement, 1};
    }
    if (i + length > text.size()) {
        return {replacement, 1};
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[i + k]);
        if (!is_continuation(byte)) {
            return {replacement, 1};
        }
        cp = (cp << 6) | (byte & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return {replacement, 1};
    }
    return {cp, length};
}

bool decodes_cleanly(std::string_view text, std::size_t i) noexcept
{
    const Decoded d = decode_at(text, i);
    return d.code_point != replacement || text.substr(i, 3) == "\xEF\xBF\xBD";
}

char32_t lower_of(char32_t c) noexcept
{
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    switch (c) {
    case 0x152:
        return 0x153; // Œ
    case 0x160:
        return 0x161; // Š
    case 0x17D:
        return 0x17E; // Ž
    case 0x178:
        return 0xFF; // Ÿ
    default:
        return c;
    }
}

char32_t upper_of(char32_t c) noexcept
{
    if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return c - 0x20;
    }
    switch (c) {
    case 0x153:
        return 0x152;
    case 0x161:
        return 0x160;
    case 0x17E:
        return 0x17D;
    case 0xFF:
        return 0x178;
    default:
        return c;
    }
}

template <typename Map>
std::string map_code_points(std::string_view text, Map map)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Decoded d = decode_at(text, i);
        if (d.code_point == replacement && !decodes_cleanly(text, i)) {
            out += text[i]; // keep stray bytes as they are
        } else {
            out += utf8_of(map(d.code_point));
        }
        i += d.length;
    }
    return out;
}

bool is_blank(char c) noexcept
{
    return c == ' ' || c == '\t';
}

} // namespace

std::size_t char_count(std::string_view text) noexcept
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += decode_at(text, i).length) {
        ++count;
    }
    return count;
}

std::size_t byte_offset(std::string_view text, std::size_t pos) noexcept
{
    std::size_t i = 0;
    for (std::size_t k = 0; k < pos && i < text.size(); ++k) {
        i += decode_at(text, i).length;
    }
    return i;
}

std::string left(std::string_view text, std::size_t n)
{
    return std::string(text.substr(0, byte_offset(text, n)));
}

std::string right(std::string_view text, std::size_t n)
{
    const std::size_t count = char_count(text);
    return count <= n ? std::string(text) : std::string(text.substr(byte_offset(text, count - n)));
}

std::string mid(std::string_view text, std::size_t pos, std::size_t n)
{
    const std::size_t start = byte_offset(text, pos);
    const std::string_view rest = text.substr(start);
    return n == std::string_view::npos ? std::string(rest) : left(rest, n);
}

std::string pad_right(std::string_view text, std::size_t width, char fill)
{
    std::string out(text);
    const std::size_t count = char_count(text);
    if (count < width) {
        out.append(width - count, fill);
    }
    return out;
}

std::string pad_left(std::string_view text, std::size_t width, char fill)
{
    const std::size_t count = char_count(text);
    if (count >= width) {
        return std::string(text);
    }
    return std::string(width - count, fill).append(text);
}

std::string trim_right(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && is_blank(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(0, end));
}

std::string trim(std::string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size() && is_blank(text[begin])) {
        ++begin;
    }
    return trim_right(text.substr(begin));
}

bool is_valid_utf8(std::string_view bytes) noexcept
{
    for (std::size_t i = 0; i < bytes.size();) {
        if (!decodes_cleanly(bytes, i)) {
            return false;
        }
        i += decode_at(bytes, i).length;
    }
    return true;
}

CodePoint code_point_at(std::string_view text, std::size_t i) noexcept
{
    const Decoded d = decode_at(text, i);
    return {d.code_point, d.length, d.code_point != replacement || decodes_cleanly(text, i)};
}

std::string utf8_of(char32_t cp)
{
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        cp = replacement;
    }
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::u32string decode_utf8(std::string_view text)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const Decoded d = decode_at(text, i);
        out += d.code_point;
        i += d.length;
    }
    return out;
}

std::string to_lower(std::string_view text)
{
    return map_code_points(text, lower_of);
}

std::string to_upper(std::string_view text)
{
    return map_code_points(text, upper_of);
}

bool equals_ignoring_case(std::string_view a, std::string_view b)
{
    return to_lower(a) == to_lower(b);
}

std::string escape_for_display(std::string_view text)
{
    static constexpr char chiffres[] = "0123456789ABCDEF";
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const CodePoint c = code_point_at(text, i);
        const bool control =
            c.valid && (c.value < 0x20 || c.value == 0x7F) && c.value != '\t' && c.value != '\n';
        if (!c.valid || control) {
            const auto b = static_cast<unsigned char>(text[i]);
            shown += "\\x";
            shown += chiffres[b >> 4];
            shown += chiffres[b & 0xF];
        } else {
            shown.append(text.substr(i, c.length));
        }
        i += c.length;
    }
    return shown;
}

char32_t lettre_sans_accent(char32_t c) noexcept
{
    // The base letter of each code point from U+00C0 to U+017F; "?" for
    // those without one (Æ, ×, ß, Þ ...), which stay as they are.
    static constexpr std::string_view bases =
        "AAAAAA?CEEEEIIII?NOOOOO?OUUUUY??aaaaaa?ceeeeiiii?nooooo?ouuuuy?"
        "yAaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKk?LlLlLl??LlNnNnNn???OoOoOo??"
        "RrRrRrSsSsSsSsTtTt??UuUuUuUuUuUuWwYyYZzZzZz?";
    if (c < 0xC0 || c >= 0xC0 + bases.size()) {
        return c;
    }
    const char b = bases[c - 0xC0];
    return b == '?' ? c : static_cast<char32_t>(b);
}

std::string echappe_html(std::string_view texte)
{
    std::string t;
    for (char c : texte) {
        switch (c) {
        case '&':
            t += "&amp;";
            break;
        case '<':
            t += "&lt;";
            break;
        case '>':
            t += "&gt;";
            break;
        default:
            t += c;
        }
    }
    return t;
}

std::optional<int> nombre_entier(std::string_view texte)
{
    const std::string t = trim(texte);
    std::string_view v = t;
    if (!v.empty() && v.front() == '+') {
        v.remove_prefix(1);
    }
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(v.data(), v.data() + v.size(), valeur);
    if (v.empty() || erreur != std::errc{} || fin != v.data() + v.size()) {
        return std::nullopt;
    }
    return valeur;
}

} // namespace orvane::platform
