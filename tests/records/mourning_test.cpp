// The mourning dates after a death and a burial.

#include "records/day_lines.h"
#include "records/mourning.h"

#include <gtest/gtest.h>

namespace orvane::records
{
namespace
{

using engine::DateCivile;
using engine::DateHebraique;

std::vector<std::string> libelles(const std::vector<DateDeDeuil>& dates)
{
    std::vector<std::string> l;
    for (const DateDeDeuil& d : dates) {
        l.push_back(d.libelle);
    }
    return l;
}

// Death and burial on 25 Av 5784 (Thursday 29 August 2024).
TEST(DatesDeDeuil, InhumationLe25Av)
{
    const DateCivile jour = jour_de_l_hebreu({5784, 12, 25}).civile;
    ASSERT_EQ(jour, (DateCivile{2024, 8, 29}));
    const std::vector<DateDeDeuil> d = dates_de_deuil({jour, "J"}, {jour, ""}, {2024, 9, 1});
    // 5784 is leap and Av comes after Adar II: twelve months make the year,
    // and the first anniversary is the death carried to 5785.
    const std::vector<std::string> attendu = {
        "    Inhumation :  ", "    7 jours : ", "   30 jours : ", "   11 mois  : ",
        "    1 année : ",     "   12 mois  : ", "   1è année : "};
    EXPECT_EQ(libelles(d), attendu);
    EXPECT_EQ(d[1].jour.hebraique, (DateHebraique{5784, 13, 1}));
    EXPECT_EQ(d[2].jour.hebraique, (DateHebraique{5784, 13, 24}));
    EXPECT_EQ(d[3].jour.hebraique, (DateHebraique{5785, 11, 25}));
    EXPECT_EQ(d[4].jour, d[5].jour);
    EXPECT_EQ(d[5].jour.hebraique, (DateHebraique{5785, 12, 25}));
    EXPECT_EQ(d[6].jour.hebraique, (DateHebraique{5785, 12, 25}));
    EXPECT_EQ(d[0].ligne, "    Inhumation :  Jeudi    29 Août      2024 --> 25 Av      5784 x");
    EXPECT_EQ(d[1].ligne, "    7 jours : Mercredi 4  Septembre 2024 --> 1  Eloul   5784");
    EXPECT_TRUE(d[0].passe);
    EXPECT_FALSE(d[1].passe);
}

// Death on 10 Chevat 5784, a leap year, before Adar II: the twelve months
// alone, then the anniversary thirteen months on.
TEST(DatesDeDeuil, AnneeEmbolismiqueAvantAdarII)
{
    const DateCivile deces = jour_de_l_hebreu({5784, 5, 10}).civile;
    const DateCivile inhumation = jour_de_l_hebreu({5784, 5, 11}).civile;
    const std::vector<DateDeDeuil> d = dates_de_deuil({deces, ""}, {inhumation, ""}, deces);
    const std::vector<std::string> attendu = {
        "    Inhumation :  ", "    7 jours : ", "   30 jours : ",
        "   11 mois  : ",     "   12 mois  : ", "   1è année : "};
    EXPECT_EQ(libelles(d), attendu);
    EXPECT_EQ(d[4].jour.hebraique, (DateHebraique{5785, 4, 11}));
    EXPECT_EQ(d[5].jour.hebraique, (DateHebraique{5785, 5, 10}));
}

// A common year of death: no "1è année" line.
TEST(DatesDeDeuil, AnneeCommune)
{
    const DateCivile deces = jour_de_l_hebreu({5785, 1, 20}).civile;
    const std::vector<DateDeDeuil> d = dates_de_deuil({deces, ""}, {deces, ""}, deces);
    ASSERT_EQ(d.size(), 6u);
    EXPECT_EQ(d[4].libelle, "    1 année : ");
    EXPECT_EQ(d[5].jour.hebraique, (DateHebraique{5786, 1, 20}));
}

// A burial at night belongs to the next Hebrew day and says so; its line
// names the weekday of its civil date.
TEST(DatesDeDeuil, InhumationDeNuit)
{
    const std::vector<DateDeDeuil> d =
        dates_de_deuil({{2024, 10, 1}, ""}, {{2024, 10, 2}, "N"}, {2024, 10, 1});
    EXPECT_EQ(d[0].jour.hebraique, (DateHebraique{5785, 1, 1}));
    EXPECT_EQ(d[0].ligne,
              "    Inhumation :  Mercredi 2  Octobre   2024 --> 1  Tichri  5785 (La nuit)");
    EXPECT_EQ(d[1].jour.hebraique, (DateHebraique{5785, 1, 7}));
}

TEST(DatesDeDeuil, ReglesImprimees)
{
    EXPECT_EQ(regles_du_deuil.front(),
              "    La 1e année, il y a plusieurs dates, à célébrer à partir de l'inhumation :");
    EXPECT_EQ(regles_du_deuil.back(),
              "    en référer à une autorité rabbinique pour les modalités d'application.");
}

} // namespace
} // namespace orvane::records
