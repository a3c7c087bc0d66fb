// The place of a day read from typed texts: what every window and command
// gives to the computation.

#include "places/places.h"
#include "zmanim/day/horaires_jour.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane::zmanim
{
namespace
{

bool refuse(std::string_view lat, std::string_view lon, std::string_view zone)
{
    return lit_lieu(lat, lon, zone).refuse;
}

// Coordinates no place of the Earth has, typed by hand, are refused with a
// message naming them, never computed into times such as 26.01 h.
TEST(LitLieu, CoordonneesHorsLimitesRefusees)
{
    EXPECT_FALSE(refuse("48°52N", "2°20E", "+1"));
    const LieuLu minutes = lit_lieu("48°99N", "2°20E", "+1");
    EXPECT_TRUE(minutes.refuse);
    EXPECT_NE(minutes.message.find("48°99N"), std::string::npos) << minutes.message;
    EXPECT_TRUE(refuse("48°52N", "2°60E", "+1"));
    const LieuLu longitude = lit_lieu("48°52N", "200E", "+1");
    EXPECT_TRUE(longitude.refuse);
    EXPECT_NE(longitude.message.find("180°"), std::string::npos) << longitude.message;
    EXPECT_TRUE(refuse("48°52N", "720E", "+1"));
    EXPECT_FALSE(refuse("48°52N", "180E", "+12"));
    EXPECT_FALSE(refuse("-13°50S", "171°45W", "+13"));
    for (const char* zone : {"+15", "+25", "-13", "+100", "1e308", "-1e308", "nan", "inf"}) {
        const LieuLu l = lit_lieu("48°52N", "2°20E", zone);
        EXPECT_TRUE(l.refuse) << zone;
        // The typed text is quoted apart from the words around it.
        EXPECT_NE(l.message.find("« " + std::string(zone) + " »"), std::string::npos) << l.message;
    }
    const LieuLu sans_lettre = lit_lieu("48°52", "2°20E", "+1");
    EXPECT_NE(sans_lettre.message.find("« 48°52 » : Nord (N)"), std::string::npos)
        << sans_lettre.message;
    for (const char* zone : {"-12", "+14", "+5.75", "0"}) {
        EXPECT_FALSE(refuse("48°52N", "2°20E", zone)) << zone;
    }
}

// Every place the program delivers reads without refusal.
TEST(LitLieu, ToutesLesVillesLivreesSontLues)
{
    const std::filesystem::path data = std::filesystem::path(ORVANE_SOURCE_DIR) / "data";
    for (std::string_view fichier : {places::fichier_lieux_court, places::fichier_lieux_long}) {
        const places::ListesLieux listes = places::lit_fichier_lieux(data, fichier);
        ASSERT_GT(listes.lieux.size(), 1000u) << fichier;
        for (const places::Place& p : listes.lieux) {
            const LieuLu l = lit_lieu(p.latitude, p.longitude, p.decalage);
            ASSERT_FALSE(l.refuse) << p.ville << " (" << p.pays << ") : " << l.message;
            ASSERT_TRUE(std::isfinite(l.latitude) && std::isfinite(l.longitude));
        }
    }
}

} // namespace
} // namespace orvane::zmanim
