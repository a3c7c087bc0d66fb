// The choice of days of the zmanim tables: the items of the list, their
// codes and the days each keeps over a whole week.
#include "tables/day_filter.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orvane::tables
{
namespace
{

TEST(FiltreDesJours, LesItemsDeLaListeDansLeurOrdre)
{
    const auto& choix = choix_des_filtres();
    EXPECT_EQ(choix.front().texte, "Tous les jours de la sem.");
    EXPECT_EQ(choix[1].texte, "Chabbatot et Fêtes");
    EXPECT_EQ(choix[2].texte, "Vendredi & Chabbat");
    EXPECT_EQ(choix[9].texte, "Chabbat");
    EXPECT_EQ(choix.back().texte, "Semaines_en_colonnes");
    std::set<std::string_view> vus;
    for (const ChoixFiltre& c : choix) {
        EXPECT_TRUE(vus.insert(c.texte).second) << c.texte;
        EXPECT_EQ(filtre_du_texte(c.texte), c.filtre) << c.texte;
        EXPECT_EQ(texte_du_filtre(c.filtre), c.texte);
    }
    // A keyword typed in the box is not an item: every day.
    EXPECT_EQ(filtre_du_texte("Grilles_1janv_31dec"), FiltreJours::tous);
    EXPECT_TRUE(est_hebdomadaire(filtre_du_texte("Semaines_dim_a_vend")));
    EXPECT_FALSE(est_hebdomadaire(FiltreJours::chabbat));
}

TEST(FiltreDesJours, ChaqueCodeGardeSesJours)
{
    for (int j = 1; j <= 7; ++j) {
        EXPECT_TRUE(garde_le_jour(FiltreJours::tous, j, false));
        EXPECT_TRUE(garde_le_jour(FiltreJours::semaines, j, false));
        for (int code = 1; code <= 7; ++code) {
            EXPECT_EQ(garde_le_jour(static_cast<FiltreJours>(code), j, true), code == j);
        }
        EXPECT_EQ(garde_le_jour(FiltreJours::vendredi_et_chabbat, j, false), j == 6 || j == 7);
        EXPECT_EQ(garde_le_jour(FiltreJours::chabbatot_et_fetes, j, false), j == 7);
        EXPECT_TRUE(garde_le_jour(FiltreJours::chabbatot_et_fetes, j, true));
    }
}

} // namespace
} // namespace orvane::tables
