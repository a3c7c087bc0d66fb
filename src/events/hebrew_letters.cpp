#include "events/hebrew_letters.h"

#include "platform/text.h"

namespace orvane::events
{

char32_t lettre_hebraique(char latin) noexcept
{
    switch (latin) {
    case 'a':
        return U'\u05D0'; // alef
    case 'b':
        return U'\u05D1'; // bet
    case 'g':
        return U'\u05D2'; // gimel
    case 'd':
        return U'\u05D3'; // dalet
    case 'h':
        return U'\u05D4'; // he
    case 'w':
        return U'\u05D5'; // vav
    case 'z':
        return U'\u05D6'; // zayin
    case 'j':
        return U'\u05D7'; // het
    case 'f':
        return U'\u05D8'; // tet
    case 'y':
        return U'\u05D9'; // yod
    case 'k':
        return U'\u05DB'; // kaf
    case 'l':
        return U'\u05DC'; // lamed
    case '\\':
        return U'\u05DD'; // final mem
    case 'm':
        return U'\u05DE'; // mem
    case '}':
        return U'\u05DF'; // final nun
    case 'n':
        return U'\u05E0'; // nun
    case 's':
        return U'\u05E1'; // samekh
    case 'u':
        return U'\u05E2'; // ayin
    case 'p':
        return U'\u05E4'; // pe
    case '{':
        return U'\u05E5'; // final tsadi
    case 'x':
        return U'\u05E6'; // tsadi
    case 'q':
        return U'\u05E7'; // qof
    case 'r':
        return U'\u05E8'; // resh
    case 'c':
        return U'\u05E9'; // shin
    case 't':
        return U'\u05EA'; // tav
    default:
        return 0;
    }
}

std::string lettres_hebraiques(std::string_view latin)
{
    std::string texte;
    texte.reserve(latin.size() * 2);
    for (char c : latin) {
        const char32_t h = lettre_hebraique(c);
        if (h != 0) {
            texte += platform::utf8_of(h);
        } else {
            texte += c;
        }
    }
    return texte;
}

std::string lettres_hebraiques_affichees(std::string_view latin)
{
    return "\u202D" + lettres_hebraiques(latin) + "\u202C";
}

} // namespace orvane::events
