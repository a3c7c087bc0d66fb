#include "platform/rtf.h"

#include "platform/encoding.h"
#include "platform/text.h"

#include <cstdio>

namespace orvane::platform
{
namespace
{

void ajoute_caractere(std::string& rtf, char32_t c)
{
    if (c == '\\' || c == '{' || c == '}') {
        rtf += '\\';
        rtf += static_cast<char>(c);
    } else if (c == '\t') {
        rtf += "\\tab ";
    } else if (c >= 0x20 && c < 0x7F) {
        rtf += static_cast<char>(c);
    } else if (const auto octet = windows1252_byte(c); octet && c >= 0x80) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\'%02x", *octet);
        rtf += hex;
    } else if (c >= 0x20) {
        // A signed 16-bit number; characters beyond it as their two
        // surrogates, each with "?" for readers without Unicode.
        const auto unite = [&rtf](unsigned v) {
            rtf += "\\u" + std::to_string(static_cast<int>(static_cast<short>(v))) + "?";
        };
        if (c > 0xFFFF) {
            const char32_t v = c - 0x10000;
            unite(0xD800 + (v >> 10));
            unite(0xDC00 + (v & 0x3FF));
        } else {
            unite(static_cast<unsigned>(c));
        }
    }
}

} // namespace

std::string document_rtf(const std::vector<std::string>& lignes)
{
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern Courier New;}}\r\n\\f0\\fs20 ";
    for (const std::string& ligne : lignes) {
        for (const char32_t c : decode_utf8(ligne)) {
            ajoute_caractere(rtf, c);
        }
        rtf += "\\par\r\n";
    }
    rtf += "}\r\n";
    return rtf;
}

} // namespace orvane::platform
