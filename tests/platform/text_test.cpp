#include "platform/encoding.h"
#include "platform/text.h"

#include <gtest/gtest.h>

namespace orvane::platform
{
namespace
{

// Each accented Latin letter of U+00C0..U+017F loses its accent and keeps
// its case; the letters without a base letter and every other character
// stay as they are.
TEST(LettreSansAccent, LatinAccentue)
{
    const std::u32string accentuees = U"ÀÉîõÜçÑŁłŚźŽĞ";
    const std::u32string bases = U"AEioUcNLlSzZG";
    for (std::size_t i = 0; i < accentuees.size(); ++i) {
        EXPECT_EQ(static_cast<unsigned>(lettre_sans_accent(accentuees[i])),
                  static_cast<unsigned>(bases[i]))
            << i;
    }
    for (char32_t c : std::u32string(U"aZ9 Æßþ×÷אЖ€")) {
        EXPECT_EQ(static_cast<unsigned>(lettre_sans_accent(c)), static_cast<unsigned>(c));
    }
    // Over the whole block, a letter that changes becomes an ASCII letter
    // of the same case.
    for (char32_t c = 0xC0; c < 0x180; ++c) {
        const char32_t b = lettre_sans_accent(c);
        if (b != c) {
            EXPECT_TRUE((b >= U'A' && b <= U'Z') || (b >= U'a' && b <= U'z'))
                << std::hex << static_cast<unsigned>(c);
        }
    }
}

TEST(CharCount, CountsCharactersNotBytes)
{
    EXPECT_EQ(char_count(""), 0u);
    EXPECT_EQ(char_count("Adar"), 4u);
    EXPECT_EQ(char_count("Février"), 7u);           // 8 bytes
    EXPECT_EQ(char_count("Fête des garçons"), 16u); // 18 bytes
    EXPECT_EQ(char_count("Œuvre €"), 7u);           // Œ 2 bytes, € 3 bytes
    EXPECT_EQ(char_count("שלום"), 4u);              // 8 bytes
    EXPECT_EQ(char_count("\xF0\x9F\x98\x80"), 1u);  // one 4-byte character
}

TEST(CharCount, EveryStrayByteIsOneCharacter)
{
    EXPECT_EQ(char_count("F\xE9vrier"), 7u);   // Windows-1252 é
    EXPECT_EQ(char_count("\xC3"), 1u);         // truncated sequence
    EXPECT_EQ(char_count("\xC0\x80"), 2u);     // overlong form of NUL
    EXPECT_EQ(char_count("\xED\xA0\x80"), 3u); // a surrogate
    EXPECT_EQ(char_count("a\x80\x80z"), 4u);   // lone continuations
}

TEST(LeftRightMid, CutOnCharacters)
{
    EXPECT_EQ(left("Février", 2), "Fé");
    EXPECT_EQ(left("Février", 0), "");
    EXPECT_EQ(left("été", 10), "été");
    EXPECT_EQ(right("Février", 3), "ier");
    EXPECT_EQ(right("Février", 6), "évrier");
    EXPECT_EQ(right("été", 3), "été");
    EXPECT_EQ(right("été", 10), "été");
    EXPECT_EQ(right("été", 0), "");
    EXPECT_EQ(mid("Février", 1, 3), "évr");
    EXPECT_EQ(mid("Février", 1), "évrier");
    EXPECT_EQ(mid("Février", 6, 5), "r");
    EXPECT_EQ(mid("Février", 7, 1), "");
    EXPECT_EQ(mid("Février", 100, 1), "");
    EXPECT_EQ(mid("Février", 2, 0), "");
    EXPECT_EQ(mid("", 0, 3), "");
    EXPECT_EQ(cut("Hébreu", 3), "Héb");
}

TEST(LeftRightMid, PiecesAddUpToTheWholeText)
{
    const std::string text = "Ḥanoukka à Jérusalem — 5785 ✡";
    const std::size_t n = char_count(text);
    for (std::size_t k = 0; k <= n + 1; ++k) {
        const std::size_t rest = k <= n ? n - k : 0;
        EXPECT_EQ(left(text, k) + mid(text, k), text) << k;
        EXPECT_EQ(left(text, k) + right(text, rest), text) << k;
        EXPECT_EQ(char_count(left(text, k)), std::min(k, n)) << k;
        EXPECT_TRUE(is_valid_utf8(left(text, k))) << k;
    }
}

TEST(Padding, CountsAccentedLettersAsOneColumn)
{
    EXPECT_EQ(pad_right("été", 5), "été  ");
    EXPECT_EQ(char_count(pad_right("été", 5)), 5u);
    EXPECT_EQ(pad_left("é", 3, '0'), "00é");
    EXPECT_EQ(pad_left("Tévet", 7), "  Tévet");
    EXPECT_EQ(pad_right("Février", 7), "Février");
    EXPECT_EQ(pad_right("Février", 3), "Février"); // never cut
    EXPECT_EQ(pad_left("Février", 3), "Février");
    EXPECT_EQ(pad_right("", 2, '*'), "**");
}

TEST(Trim, RemovesSpacesAndTabsOnly)
{
    EXPECT_EQ(trim(" \t Paris\t "), "Paris");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim("a b"), "a b");
    EXPECT_EQ(trim("\u00A0é\u00A0"), "\u00A0é\u00A0"); // no-break spaces are kept
    EXPECT_EQ(trim_right("  Lyon  \t"), "  Lyon");
    EXPECT_EQ(trim_right("x\r"), "x\r");
}

TEST(Utf8, ValidityFollowsTheStandard)
{
    EXPECT_TRUE(is_valid_utf8(""));
    EXPECT_TRUE(is_valid_utf8("Février א €"));
    EXPECT_TRUE(is_valid_utf8("\xEF\xBF\xBD"));          // U+FFFD itself
    EXPECT_TRUE(is_valid_utf8("\xF4\x8F\xBF\xBF"));      // U+10FFFF
    EXPECT_FALSE(is_valid_utf8("\xE9"));                 // Latin-1 é
    EXPECT_FALSE(is_valid_utf8("\xC0\xAF"));             // overlong '/'
    EXPECT_FALSE(is_valid_utf8("\xE0\x80\xAF"));         // overlong '/'
    EXPECT_FALSE(is_valid_utf8("\xED\xA0\x80"));         // surrogate D800
    EXPECT_FALSE(is_valid_utf8("\xF4\x90\x80\x80"));     // past U+10FFFF
    EXPECT_FALSE(is_valid_utf8("\xE2\x82"));             // truncated €
    EXPECT_FALSE(is_valid_utf8("\xF8\x88\x80\x80\x80")); // 5-byte form
}

TEST(Utf8, EveryCodePointEncodesAndDecodesBack)
{
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            continue;
        }
        const std::string bytes = utf8_of(cp);
        const std::size_t expected = cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
        ASSERT_EQ(bytes.size(), expected) << std::hex << static_cast<unsigned>(cp);
        ASSERT_TRUE(is_valid_utf8(bytes)) << std::hex << static_cast<unsigned>(cp);
        ASSERT_EQ(decode_utf8(bytes), std::u32string(1, cp))
            << std::hex << static_cast<unsigned>(cp);
        const CodePoint found = code_point_at(bytes, 0);
        ASSERT_TRUE(found.valid && found.value == cp && found.length == expected)
            << std::hex << static_cast<unsigned>(cp);
    }
}

TEST(Utf8, CodePointsWithoutUtf8FormBecomeTheReplacementCharacter)
{
    EXPECT_EQ(utf8_of(0xD800), "\xEF\xBF\xBD");
    EXPECT_EQ(utf8_of(0xDFFF), "\xEF\xBF\xBD");
    EXPECT_EQ(utf8_of(0x110000), "\xEF\xBF\xBD");
    EXPECT_EQ(utf8_of(0xFFFFFFFF), "\xEF\xBF\xBD");
}

TEST(Utf8, InvalidBytesDecodeOneByOneToTheReplacementCharacter)
{
    EXPECT_EQ(decode_utf8("a\xE9z"), U"a\uFFFDz");
    EXPECT_EQ(decode_utf8("\xE2\x82"), U"\uFFFD\uFFFD");
    const CodePoint stray = code_point_at("\xE9t\xE9", 0);
    EXPECT_FALSE(stray.valid);
    EXPECT_EQ(stray.length, 1u);
    const CodePoint real = code_point_at("\xEF\xBF\xBD", 0);
    EXPECT_TRUE(real.valid);
    EXPECT_EQ(real.value, 0xFFFDu);
}

TEST(Case, AccentedLatinLettersChangeCase)
{
    EXPECT_EQ(to_lower("ÉCOLE À PARIS"), "école à paris");
    EXPECT_EQ(to_upper("école à paris"), "ÉCOLE À PARIS");
    EXPECT_EQ(to_lower("ŒUVRE ŠŽŸ"), "œuvre šžÿ");
    EXPECT_EQ(to_upper("œuvre šžÿ"), "ŒUVRE ŠŽŸ");
    EXPECT_EQ(to_upper("ß × ÷ µ"), "ß × ÷ µ"); // no single upper-case form in the code page
    EXPECT_EQ(to_lower("שלום 5785"), "שלום 5785");
    EXPECT_EQ(to_lower("F\xC9VRIER"), "f\xC9vrier"); // a stray byte is kept as it is
    EXPECT_TRUE(equals_ignoring_case("Éphémérides.TXT", "éPHÉMÉRIDES.txt"));
    EXPECT_FALSE(equals_ignoring_case("ete", "été"));
}

// Case changes never leave the code page of the files, and lower-casing is
// stable: the lower form of the upper form of a letter is its lower form.
TEST(Case, StaysInsideWindows1252AndIsStable)
{
    for (int byte = 0; byte < 256; ++byte) {
        const std::string c = utf8_of(windows1252_char(static_cast<unsigned char>(byte)));
        const std::string lower = to_lower(c);
        const std::string upper = to_upper(c);
        EXPECT_TRUE(fits_windows1252(lower)) << byte;
        EXPECT_TRUE(fits_windows1252(upper)) << byte;
        EXPECT_EQ(to_lower(upper), lower) << byte;
        EXPECT_EQ(char_count(lower), 1u) << byte;
    }
}

// Typed texts echoed in messages: invalid bytes and terminal controls are
// shown as \xNN, never sent raw; valid text, tabs and line feeds stay.
TEST(EscapeForDisplay, InvalidBytesAndControlsAreWrittenInHexadecimal)
{
    EXPECT_EQ(escape_for_display("Jérusalem\t5785\n"), "Jérusalem\t5785\n");
    EXPECT_EQ(escape_for_display("2024-13-\xff"
                                 "1"),
              "2024-13-\\xFF1");
    EXPECT_EQ(escape_for_display("\x1b[31mrouge"), "\\x1B[31mrouge");
    EXPECT_EQ(escape_for_display("\xc3"), "\\xC3"); // a sequence cut short
    EXPECT_EQ(escape_for_display(std::string("a\0b", 3)), "a\\x00b");
    EXPECT_EQ(escape_for_display("\x7f"), "\\x7F");
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string shown = escape_for_display(std::string(1, static_cast<char>(b)));
        EXPECT_TRUE(is_valid_utf8(shown)) << b;
        EXPECT_EQ(shown.size(), 4u) << b;
    }
}

} // namespace
} // namespace orvane::platform
