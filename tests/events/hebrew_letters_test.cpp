#include "events/hebrew_letters.h"

#include <gtest/gtest.h>

namespace orvane::events
{
namespace
{

TEST(LettresHebraiques, MotsDuProgramme)
{
    // Stored in the left-to-right order of the glyphs: read right to left.
    EXPECT_EQ(lettres_hebraiques("hfwcp"), "הטושפ");
    EXPECT_EQ(lettres_hebraiques("trbwum"), "תרבועמ");
    EXPECT_EQ(lettres_hebraiques("rmuh tryps"), "רמעה תריפס");
    EXPECT_EQ(lettres_hebraiques("ach"), "אשה");
}

TEST(LettresHebraiques, FinalesEtCaracteresGardes)
{
    EXPECT_EQ(lettres_hebraiques("\\wy"), "םוי");
    EXPECT_EQ(lettres_hebraiques("}"), "ן");
    EXPECT_EQ(lettres_hebraiques("{"), "ץ");
    EXPECT_EQ(lettres_hebraiques("B\"H 5785, (A)"), "B\"H 5785, (A)");
    EXPECT_EQ(lettres_hebraiques("é"), "é");
}

TEST(LettresHebraiques, ChaqueLettreUneFois)
{
    const std::string latines = "abgdhwzjfyklmnsupxqrc t\\}{";
    std::u32string vues;
    for (char c : latines) {
        const char32_t h = lettre_hebraique(c);
        if (c == ' ') {
            EXPECT_EQ(h, 0u);
            continue;
        }
        ASSERT_GE(h, U'\u05D0') << c;
        ASSERT_LE(h, U'\u05EA') << c;
        ASSERT_EQ(vues.find(h), std::u32string::npos) << c;
        vues += h;
    }
    EXPECT_EQ(vues.size(), 25u);
    EXPECT_EQ(lettre_hebraique('A'), 0u);
    EXPECT_EQ(lettre_hebraique('5'), 0u);
}

TEST(LettresHebraiques, AffichageDeGaucheADroite)
{
    EXPECT_EQ(lettres_hebraiques_affichees("ach"), "\u202Dאשה\u202C");
}

} // namespace
} // namespace orvane::events
