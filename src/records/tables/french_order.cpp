#include "records/tables/french_order.h"

#include "platform/text.h"

namespace orvane::records
{

std::string cle_francaise(std::string_view texte)
{
    std::string cle;
    cle.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();) {
        const platform::CodePoint c = platform::code_point_at(texte, i);
        i += c.length;
        if (c.value < 0x80) {
            const char a = static_cast<char>(c.value);
            cle += a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a;
            continue;
        }
        switch (c.value) {
        case U'\u0152': // Œ
        case U'\u0153': // œ
            cle += "oe";
            continue;
        case U'\u00C6': // Æ
        case U'\u00E6': // æ
            cle += "ae";
            continue;
        case U'\u00DF': // ß
            cle += "ss";
            continue;
        default:
            break;
        }
        const char32_t lettre = platform::lettre_sans_accent(c.value);
        if (lettre < 0x80) {
            const char a = static_cast<char>(lettre);
            cle += a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a;
        } else {
            cle += platform::to_lower(platform::utf8_of(lettre));
        }
    }
    return cle;
}

bool dans_les_limites(std::string_view cle, std::string_view de, std::string_view a)
{
    return cle >= de && cle.substr(0, a.size()) <= a;
}

} // namespace orvane::records
