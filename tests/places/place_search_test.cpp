#include "places/place_search.h"

#include <gtest/gtest.h>

namespace orvane::places
{
namespace
{

const ListesLieux courts = listes_des_lignes({
    "PARIS (75)\t\tFrance\t48°52'N\t02°20'E\t+1",
    "Valence\t\tEspagne\t39°28'N\t00°23'W\t+1",
    "Valence\t\tFrance\t44°56'N\t04°54'E\t+1",
    "Jérusalem\t\tIsraël\t31°46'N\t35°13'E\t+2",
});
const ListesLieux longs = listes_des_lignes({
    "Beer-Sheva\t\tIsraël\t31°15'N\t34°47'E\t+2",
    "Paris\t\tÉtats-Unis\t33°39'N\t95°33'W\t-6",
    "Pari\t\tItalie\t42°42'N\t11°10'E\t+1",
    "Paraiso\t\tMexique\t18°23'N\t93°13'W\t-6",
});
const std::vector<const ListesLieux*> les_deux{&courts, &longs};

std::string ville_pays(const std::optional<Place>& p)
{
    return p ? p->ville + " / " + p->pays : "(aucune)";
}

TEST(ChercheVille, LeNomExactPuisSansCasseNiAccents)
{
    EXPECT_EQ(ville_pays(cherche_ville(les_deux, "PARIS (75)", "")), "PARIS (75) / France");
    EXPECT_EQ(ville_pays(cherche_ville(les_deux, "paris (75)", "")), "PARIS (75) / France");
    EXPECT_EQ(ville_pays(cherche_ville(les_deux, "jerusalem", "")), "Jérusalem / Israël");
    EXPECT_EQ(ville_pays(cherche_ville(les_deux, "JÉRUSALEM", "israel")), "Jérusalem / Israël");
    // The exact name of the second list wins over a near one of the first.
    EXPECT_EQ(ville_pays(cherche_ville(les_deux, "Paris", "")), "Paris / États-Unis");
    EXPECT_EQ(ville_pays(cherche_ville(les_deux, "beer-sheva", "")), "Beer-Sheva / Israël");
}

TEST(ChercheVille, LePaysDonneDoitConvenir)
{
    EXPECT_EQ(ville_pays(cherche_ville(les_deux, "Valence", "France")), "Valence / France");
    EXPECT_EQ(ville_pays(cherche_ville(les_deux, "Valence", "")), "Valence / France"); // the last
    EXPECT_EQ(ville_pays(cherche_ville(les_deux, "valence", "espagne")), "Valence / Espagne");
    EXPECT_EQ(ville_pays(cherche_ville(les_deux, "Valence", "Italie")), "(aucune)");
    EXPECT_EQ(ville_pays(cherche_ville(les_deux, "Atlantide", "")), "(aucune)");
}

TEST(VillesProches, LesNomsQuiCommencentPuisLesPlusProches)
{
    EXPECT_EQ(villes_proches(les_deux, "Pariss", 3),
              (std::vector<std::string>{"PARIS (75)", "Paris", "Paraiso"}));
    EXPECT_EQ(villes_proches(les_deux, "Jerusalm", 5), (std::vector<std::string>{"Jérusalem"}));
    EXPECT_EQ(villes_proches(les_deux, "beer sheva", 5), (std::vector<std::string>{"Beer-Sheva"}));
    EXPECT_EQ(villes_proches(les_deux, "Val", 5), (std::vector<std::string>{"Valence"}));
    EXPECT_TRUE(villes_proches(les_deux, "Tombouctou", 5).empty());
    EXPECT_EQ(villes_proches(les_deux, "Par", 2).size(), 2u);
}

} // namespace
} // namespace orvane::places
