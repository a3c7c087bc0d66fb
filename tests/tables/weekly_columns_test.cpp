// The weeks laid out in columns: January 2025 of Paris, each week from its
// Sunday (the first from Wednesday 1st), every time of the table under its
// day, byte for byte with the golden file.
#include "golden_file.h"
#include "table_test_support.h"
#include "tables/weekly_columns.h"

#include <gtest/gtest.h>

namespace orvane::tables
{
namespace
{

using namespace test;

TEST(ColonnesDesSemaines, JanvierDeParis)
{
    DemandeTable d = paris_janvier();
    d.filtre = FiltreJours::semaines_en_colonnes;
    d.ete_jour_par_jour = true;
    zmanim::ZmanimSettings reglages;
    ColonnesDesSemaines colonnes;
    Rangees rangees;
    SortiesMultiples deux({&colonnes, &rangees});
    ASSERT_FALSE(calcule_table(d, reglages, environnement(), deux).refuse);
    const std::vector<std::string> l = colonnes.lignes();
    const std::size_t par_semaine = 2 + rangees.titres.size() + 1;
    ASSERT_EQ(l.size(), 5 * par_semaine);
    EXPECT_EQ(l[0], "Semaine du 01/01/25 au 04/01/25");
    EXPECT_EQ(l[1], "\t\t\t\tMer 01/01\tJeu 02/01\tVen 03/01\tChab 04/01");
    EXPECT_EQ(l[par_semaine], "Semaine du 05/01/25 au 11/01/25");
    EXPECT_EQ(l[4 * par_semaine], "Semaine du 26/01/25 au 31/01/25");
    // Sunrise of Sunday 5 January, as the text row has it.
    const std::string& lever = l[par_semaine + 2 + 2];
    EXPECT_EQ(lever.rfind("L. sol\t08:44\t", 0), 0u) << lever;
    std::string tout;
    for (const std::string& x : l) {
        tout += x + "\n";
    }
    orvane::test::compare_au_golden(tout, dossier_golden, "colonnes_paris_2025_01.txt");
}

} // namespace
} // namespace orvane::tables
