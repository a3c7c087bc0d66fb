// The RTF documents of the saves: the layout of a small document byte for
// byte, and every character of Windows-1252 and of the Hebrew block read
// back by a reader of the RTF control words written here from the format's
// rules (\par, \tab, \'hh in the ANSI code page 1252, \uN with one fallback
// character), so that what a word processor shows is what the window showed.
#include "platform/encoding.h"
#include "platform/rtf.h"
#include "platform/text.h"

#include <gtest/gtest.h>

#include <cctype>

namespace orvane::platform
{
namespace
{

/// The paragraphs of the body of an RTF document written with one font
/// table, as a reader that knows only the control words we use would see
/// them. Fails the test on anything else.
std::vector<std::string> lit_rtf(const std::string& rtf)
{
    const std::string debut = "\\f0\\fs20 ";
    const std::size_t corps = rtf.find(debut);
    EXPECT_NE(corps, std::string::npos);
    std::vector<std::string> paragraphes;
    std::u32string courant;
    std::size_t i = corps + debut.size();
    while (i < rtf.size() && rtf[i] != '}') {
        const char c = rtf[i];
        if (c == '\r' || c == '\n') {
            ++i;
        } else if (c != '\\') {
            EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "octet " << int(c);
            courant += static_cast<char32_t>(c);
            ++i;
        } else if (rtf[i + 1] == '\\' || rtf[i + 1] == '{' || rtf[i + 1] == '}') {
            courant += static_cast<char32_t>(rtf[i + 1]);
            i += 2;
        } else if (rtf[i + 1] == '\'') {
            courant += windows1252_char(
                static_cast<unsigned char>(std::stoi(rtf.substr(i + 2, 2), nullptr, 16)));
            i += 4;
        } else {
            std::size_t fin = i + 1;
            while (fin < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[fin]))) {
                ++fin;
            }
            const std::string mot = rtf.substr(i + 1, fin - i - 1);
            if (mot == "par") {
                std::string texte;
                for (char32_t u : courant) {
                    texte += utf8_of(u);
                }
                paragraphes.push_back(texte);
                courant.clear();
                i = fin;
            } else if (mot == "tab") {
                courant += U'\t';
                i = fin + 1; // the blank that ends the word
            } else if (mot == "u") {
                std::size_t apres = 0;
                const int n = std::stoi(rtf.substr(fin), &apres);
                char32_t u = static_cast<char16_t>(static_cast<short>(n));
                i = fin + apres;
                EXPECT_EQ(rtf[i], '?'); // the one fallback character
                ++i;
                if (u >= 0xD800 && u < 0xDC00) { // a surrogate pair
                    EXPECT_EQ(rtf.substr(i, 2), "\\u");
                    const int bas = std::stoi(rtf.substr(i + 2), &apres);
                    u = 0x10000 + ((u - 0xD800) << 10) +
                        (static_cast<char16_t>(static_cast<short>(bas)) - 0xDC00);
                    i += 2 + apres + 1;
                }
                courant += u;
            } else {
                ADD_FAILURE() << "mot de commande inattendu : " << mot;
                return paragraphes;
            }
        }
    }
    return paragraphes;
}

TEST(DocumentRtf, MiseEnPage)
{
    EXPECT_EQ(document_rtf({"Lever : 05:47", "{a\\b}\tc"}),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern Courier New;}}\r\n"
              "\\f0\\fs20 Lever : 05:47\\par\r\n"
              "\\{a\\\\b\\}\\tab c\\par\r\n"
              "}\r\n");
    EXPECT_EQ(document_rtf({"Été", "בס\"ד"}),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern Courier New;}}\r\n"
              "\\f0\\fs20 \\'c9t\\'e9\\par\r\n"
              "\\u1489?\\u1505?\"\\u1491?\\par\r\n"
              "}\r\n");
}

TEST(DocumentRtf, ChaqueCaractereRelu)
{
    std::vector<std::string> lignes;
    std::string ligne;
    for (unsigned b = 0x20; b <= 0xFF; ++b) {
        if (b != 0x7F && windows1252_char(static_cast<unsigned char>(b)) != 0xFFFD) {
            ligne += utf8_of(windows1252_char(static_cast<unsigned char>(b)));
        }
        if (b % 32 == 31) {
            lignes.push_back(ligne);
            ligne.clear();
        }
    }
    for (char32_t h = 0x0590; h <= 0x05FF; ++h) {
        ligne += utf8_of(h);
    }
    lignes.push_back(ligne + "\t€ 𝄞 ★");
    lignes.emplace_back();
    const std::string rtf = document_rtf(lignes);
    for (char c : rtf) {
        ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80) << "pas de l'ASCII";
    }
    EXPECT_EQ(lit_rtf(rtf), lignes);
}

} // namespace
} // namespace orvane::platform
