#include "places/angle.h"
#include "places/place.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane::places
{
namespace
{

struct CasAngle {
    const char* texte;
    double degres;
};

// Every form of the notation, with the values the places files rely on.
TEST(LitAngle, LitChaqueFormeDeLaNotation)
{
    const CasAngle cas[] = {
        {"48.80", 48.8},
        {"48.8", 48.8},
        {"48.08", 48.08},
        {"48,80", 48.8},
        {"-5.5", -5.5},
        {"48°52'", 48 + 52.0 / 60},
        {"48°52", 48 + 52.0 / 60},
        {"48°", 48.0},
        {"+1", 1.0},
        {"-5", -5.0},
        {"0", 0.0},
        {"", 0.0},
        {" ", 0.0},
        {"48.", 48.0},
        {"+5.75", 5.75},
        {"-3.5", -3.5},
        {"02°20'", 2 + 20.0 / 60},
        {"  12°30  ", 12.5},
        {"-73°59'", -(73 + 59.0 / 60)},
    };
    for (const CasAngle& c : cas) {
        EXPECT_NEAR(lit_angle(c.texte, UniteAngle::degres), c.degres, 1e-12) << c.texte;
        EXPECT_NEAR(lit_angle(c.texte), c.degres * radians_par_degre, 1e-12) << c.texte;
    }
}

// Written "-0°30" or "-0.5", the angle is below zero although its degrees are 0.
TEST(LitAngle, UnSigneMoinsDevantZeroDegreRendLAngleNegatif)
{
    EXPECT_DOUBLE_EQ(lit_angle("-0°30", UniteAngle::degres), -0.5);
    EXPECT_DOUBLE_EQ(lit_angle("-0.5", UniteAngle::degres), -0.5);
    EXPECT_DOUBLE_EQ(lit_angle("-0,30", UniteAngle::degres), -0.3);
}

TEST(LitAngle, RefuseLesTextesHorsNotation)
{
    for (const char* texte :
         {"30'", "abc", "4°x", "48°52.5'", ".5", "48.x", "1.2,3", "°30", "48°-5"}) {
        EXPECT_THROW((void)lit_angle(texte), ErreurConversion) << texte;
    }
    try {
        (void)lit_angle("30'");
    } catch (const ErreurConversion& e) {
        EXPECT_STREQ(e.what(), "« 30' » n'est pas un angle valide");
    }
}

// Every latitude and longitude to the minute is written and read back.
TEST(TexteAngle, ChaqueMinuteSEcritEtSeRelit)
{
    for (int minutes = -89 * 60 - 59; minutes <= 89 * 60 + 59; ++minutes) {
        const double degres = minutes / 60.0;
        ASSERT_NEAR(latitude_degres(texte_latitude(degres)), degres, 1e-9)
            << texte_latitude(degres);
    }
    for (int minutes = -179 * 60 - 59; minutes <= 179 * 60 + 59; minutes += 7) {
        const double degres = minutes / 60.0;
        ASSERT_NEAR(longitude_degres_est(texte_longitude(degres)), degres, 1e-9)
            << texte_longitude(degres);
    }
}

TEST(TexteAngle, FormeDesFichiersDeLieux)
{
    EXPECT_EQ(texte_latitude(48 + 52.0 / 60), "48°52'N");
    EXPECT_EQ(texte_longitude(2 + 20.0 / 60), "02°20'E");
    EXPECT_EQ(texte_latitude(-33.9), "33°54'S");
    EXPECT_EQ(texte_longitude(-73.99), "73°59'W");
    EXPECT_EQ(texte_longitude(151.21), "151°13'E");
    EXPECT_EQ(texte_latitude(31.9999), "32°00'N");
}

TEST(TexteAngle, DecalagesSigneesRelus)
{
    const std::pair<double, const char*> cas[] = {
        {1, "+1"},      {-5, "-5"},        {0, "0"},       {5.5, "+5.5"}, {5.75, "+5.75"},
        {-3.5, "-3.5"}, {12.75, "+12.75"}, {-9.5, "-9.5"}, {14, "+14"}};
    for (const auto& [heures, texte] : cas) {
        EXPECT_EQ(texte_decalage(heures), texte);
        EXPECT_DOUBLE_EQ(lit_angle(texte, UniteAngle::degres), heures) << texte;
    }
}

TEST(Hemisphere, LettresDesDeuxHemispheres)
{
    EXPECT_NEAR(latitude_degres("48°52'N"), 48.8667, 1e-4);
    EXPECT_NEAR(latitude_degres("33°55's"), -(33 + 55.0 / 60), 1e-12);
    EXPECT_NEAR(longitude_degres_est("02°20'E"), 2 + 20.0 / 60, 1e-12);
    EXPECT_NEAR(longitude_degres_est("1°30O"), -1.5, 1e-12);
    EXPECT_NEAR(longitude_degres_est("73.5w"), -73.5, 1e-12);
    EXPECT_THROW((void)latitude_degres("48°52'X"), ErreurConversion);
    EXPECT_THROW((void)longitude_degres_est("02°20'N"), ErreurConversion);
    EXPECT_THROW((void)latitude_degres(""), ErreurConversion);
}

TEST(Place, EnregistrableSeulementAvecSesLettres)
{
    Place paris{"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
    EXPECT_TRUE(lieu_enregistrable(paris));
    Place p = paris;
    p.latitude = "48°52'";
    EXPECT_FALSE(lieu_enregistrable(p));
    p = paris;
    p.longitude = "02°20'w";
    EXPECT_TRUE(lieu_enregistrable(p));
    p.longitude = "02°20'X";
    EXPECT_FALSE(lieu_enregistrable(p));
    p = paris;
    p.ville.clear();
    EXPECT_FALSE(lieu_enregistrable(p));
    p = paris;
    p.pays.clear();
    EXPECT_FALSE(lieu_enregistrable(p));
}

TEST(Place, IsraelSurSesSixPremiersCaracteres)
{
    EXPECT_TRUE(est_israel("Israël"));
    EXPECT_TRUE(est_israel("Israël (Galilée)"));
    EXPECT_FALSE(est_israel("Israel"));
    EXPECT_FALSE(est_israel("France"));
    EXPECT_FALSE(est_israel(""));
}

} // namespace
} // namespace orvane::places
