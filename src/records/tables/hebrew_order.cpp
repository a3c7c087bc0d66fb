#include "records/tables/hebrew_order.h"

#include "events/hebrew_letters.h"
#include "platform/text.h"
#include "records/tables/french_order.h"

namespace orvane::records
{

namespace
{

/// The byte of alef in a key, less one: "@", so that the letters follow the
/// blanks, digits and signs.
constexpr int premier_rang = 0x40;

/// The rank of a Hebrew letter in the alphabet, 1 (alef) to 22 (tav), from
/// its Unicode letter (final forms among them: U+05DA final kaf comes before
/// kaf, U+05DD final mem before mem ...).
int rang(char32_t lettre)
{
    static constexpr char32_t finales[] = {U'\u05DA', U'\u05DD', U'\u05DF', U'\u05E3', U'\u05E5'};
    static constexpr char32_t lettres[] = {U'\u05DB', U'\u05DE', U'\u05E0', U'\u05E4', U'\u05E6'};
    for (int i = 0; i < 5; ++i) {
        if (lettre == finales[i]) {
            lettre = lettres[i];
        }
    }
    // U+05D0 alef .. U+05EA tav, the final forms standing among them.
    int r = 0;
    for (char32_t c = U'\u05D0'; c <= lettre; ++c) {
        const bool finale =
            c == U'\u05DA' || c == U'\u05DD' || c == U'\u05DF' || c == U'\u05E3' || c == U'\u05E5';
        r += finale ? 0 : 1;
    }
    return r;
}

} // namespace

std::string cle_hebraique(std::string_view glyphes)
{
    const std::u32string caracteres = platform::decode_utf8(glyphes);
    std::string cle;
    cle.reserve(caracteres.size());
    for (auto it = caracteres.rbegin(); it != caracteres.rend(); ++it) {
        const char32_t lettre = *it < 0x80 ? events::lettre_hebraique(static_cast<char>(*it)) : 0;
        if (lettre != 0) {
            // After the blanks, digits and signs, as letters are in French.
            cle += static_cast<char>(premier_rang + rang(lettre));
        } else {
            cle += cle_francaise(platform::utf8_of(*it));
        }
    }
    return cle;
}

} // namespace orvane::records
