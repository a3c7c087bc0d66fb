// The fifteen days around a date.

#include "records/fifteen_days.h"

#include <gtest/gtest.h>

namespace orvane::records
{
namespace
{

// Saturday 26 October 2024 is 24 Tichri 5785, Berèchit.
TEST(QuinzeJours, SeptJoursDeChaqueCote)
{
    const std::vector<std::string> l = quinze_jours({2024, 10, 26}, true);
    ASSERT_EQ(l.size(), 17u);
    EXPECT_EQ(l[7], "------------------");
    EXPECT_EQ(l[9], "------------------");
    EXPECT_EQ(l[8], "Chabbat   26 Octo 2024        Berèchit 24 Tichri  5785");
    EXPECT_EQ(l[0].substr(0, 22), "Chabbat   19 Octo 2024");
    EXPECT_EQ(l[16].substr(0, 22), "Chabbat    2 Nove 2024");
    EXPECT_EQ(l[10].substr(0, 22), "Dimanche  27 Octo 2024");
}

TEST(QuinzeJours, FetesEtLectures)
{
    EXPECT_EQ(fete_ou_lecture({2024, 4, 23}, true), "Pessa'h"); // 15 Nissan 5784
    EXPECT_EQ(fete_ou_lecture({2025, 5, 3}, true), "Tazria Metsora");
    EXPECT_EQ(fete_ou_lecture({2024, 10, 28}, true), "");
    EXPECT_EQ(ligne_quinze_jours({2024, 4, 23}, true),
              "Mardi     23 Avri 2024         Pessa'h 15 Nissan  5784");
}

TEST(QuinzeJours, Titres)
{
    EXPECT_EQ(titre_quinze_jours_naissance("Bar-Mitsva"), "Les 15 jours autour de la Bar-Mitsva :");
    EXPECT_EQ(titre_quinze_jours_deces, "Les 15 jours autour du prochain anniversaire du décès :");
}

} // namespace
} // namespace orvane::records
