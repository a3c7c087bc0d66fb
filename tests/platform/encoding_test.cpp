#include "platform/encoding.h"
#include "platform/text.h"

#include <iconv.h>

#include <gtest/gtest.h>

#include <optional>
#include <set>

namespace orvane::platform
{
namespace
{

/// The C library's own CP1252 converter, an independent reference; none
/// for the bytes it leaves undefined.
std::optional<std::string> iconv_utf8_of(unsigned char byte)
{
    const iconv_t converter = iconv_open("UTF-8", "CP1252");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* in_ptr = in;
    char* out_ptr = out;
    std::size_t in_left = 1;
    std::size_t out_left = sizeof out;
    const std::size_t result = iconv(converter, &in_ptr, &in_left, &out_ptr, &out_left);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    return std::string(out, sizeof out - out_left);
}

bool is_undefined_in_1252(int byte)
{
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

TEST(Windows1252, AgreesWithTheCLibraryOnEveryDefinedByte)
{
    int compared = 0;
    for (int byte = 0; byte < 256; ++byte) {
        if (is_undefined_in_1252(byte)) {
            continue;
        }
        const std::optional<std::string> expected = iconv_utf8_of(static_cast<unsigned char>(byte));
        if (!expected) {
            GTEST_SKIP() << "no CP1252 converter in the C library";
        }
        EXPECT_EQ(utf8_of(windows1252_char(static_cast<unsigned char>(byte))), *expected) << byte;
        ++compared;
    }
    EXPECT_EQ(compared, 251);
}

TEST(Windows1252, UndefinedBytesReadAsTheC1ControlOfTheirValue)
{
    for (const int byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(windows1252_char(static_cast<unsigned char>(byte)), static_cast<char32_t>(byte));
        EXPECT_EQ(windows1252_byte(static_cast<char32_t>(byte)), byte);
    }
}

TEST(Windows1252, WellKnownBytes)
{
    EXPECT_EQ(utf8_from_windows1252("F\xE9vrier"), "Février");
    EXPECT_EQ(utf8_from_windows1252("\x80 \x8C\x9C \x85 \x96 \x9F"), "€ Œœ … – Ÿ");
    EXPECT_EQ(utf8_from_windows1252("Isra\xEBl"), "Israël");
    EXPECT_EQ(windows1252_from_utf8("Fête des garçons"), "F\xEAte des gar\xE7ons");
    EXPECT_EQ(windows1252_from_utf8("«48°52'N»"), "\xAB"
                                                  "48\xB0"
                                                  "52'N\xBB");
}

// Exactly 256 code points have a byte, one each, and each byte's character
// is the one that gives that byte back.
TEST(Windows1252, IsABijectionBetween256CharactersAndTheBytes)
{
    std::set<unsigned char> bytes;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (const std::optional<unsigned char> byte = windows1252_byte(cp)) {
            ASSERT_TRUE(bytes.insert(*byte).second) << std::hex << static_cast<unsigned>(cp);
            ASSERT_EQ(windows1252_char(*byte), cp);
        }
    }
    EXPECT_EQ(bytes.size(), 256u);
}

TEST(Windows1252, EveryByteStringSurvivesTheRoundTrip)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::string text = utf8_from_windows1252(all);
    EXPECT_TRUE(is_valid_utf8(text));
    EXPECT_EQ(char_count(text), 256u);
    EXPECT_TRUE(fits_windows1252(text));
    EXPECT_EQ(windows1252_from_utf8(text), all);
}

TEST(Windows1252, RefusesACharacterOutsideTheCodePageAndNamesIt)
{
    try {
        (void)windows1252_from_utf8("Chalom א");
        FAIL() << "no error";
    } catch (const EncodingError& error) {
        EXPECT_STREQ(error.what(),
                     "Le caractère « א » (U+05D0) ne peut pas être écrit en Windows-1252");
        EXPECT_EQ(error.clause(),
                  "le caractère « א » (U+05D0) ne peut pas être écrit en Windows-1252");
        EXPECT_EQ(error.byte_offset(), 7u);
    }
    EXPECT_FALSE(fits_windows1252("Chalom א"));
}

TEST(Windows1252, NamesInvisibleCharactersByTheirCodeOnly)
{
    try {
        (void)windows1252_from_utf8("a\u0080b"); // C1 control: byte 0x80 is the euro
        FAIL() << "no error";
    } catch (const EncodingError& error) {
        EXPECT_STREQ(error.what(), "Le caractère U+0080 ne peut pas être écrit en Windows-1252");
        EXPECT_EQ(error.byte_offset(), 1u);
    }
}

TEST(Windows1252, RefusesEveryOtherCharacter)
{
    for (const char* text : {"\u0100", "\u05E9", "\u2248", "\U0001F600", "\u00A0\u0301"}) {
        EXPECT_THROW((void)windows1252_from_utf8(text), EncodingError) << text;
        EXPECT_FALSE(fits_windows1252(text)) << text;
    }
    EXPECT_TRUE(fits_windows1252(""));
}

TEST(Windows1252, RefusesTextThatIsNotUtf8)
{
    try {
        (void)windows1252_from_utf8("F\xE9vrier");
        FAIL() << "no error";
    } catch (const EncodingError& error) {
        EXPECT_STREQ(error.what(), "L'octet 0xE9 ne fait partie d'aucun caractère UTF-8 valide");
        EXPECT_EQ(error.byte_offset(), 1u);
    }
    EXPECT_FALSE(fits_windows1252("F\xE9vrier"));
}

TEST(FileBytes, ValidUtf8IsReadAsUtf8)
{
    EXPECT_EQ(utf8_from_file_bytes("Février"), "Février");
    EXPECT_EQ(utf8_from_file_bytes("\xEF\xBB\xBF"
                                   "Février"),
              "Février");
    EXPECT_EQ(utf8_from_file_bytes("\xEF\xBB\xBF"), "");
    EXPECT_EQ(utf8_from_file_bytes("אב"), "אב");
}

TEST(FileBytes, AnythingElseIsReadAsWindows1252)
{
    EXPECT_EQ(utf8_from_file_bytes("F\xE9vrier"), "Février");
    // One stray byte makes the whole file Windows-1252, even its UTF-8 part.
    EXPECT_EQ(utf8_from_file_bytes("\xC3\xA9t\xE9"), "Ã©té");
    // A byte-order mark in a Windows-1252 file is three ordinary characters.
    EXPECT_EQ(utf8_from_file_bytes("\xEF\xBB\xBF\xE9"), "ï»¿é");
}

} // namespace
} // namespace orvane::platform
