// The clock of the main window: the line with the halakim, the full hours
// and the Sabbath stars.
#include "shell/main_form/clock_line.h"

#include <gtest/gtest.h>

namespace orvane::shell
{
namespace
{

using platform::LocalTime;

TEST(LigneHorloge, ExemplesAvecHalakim)
{
    EXPECT_EQ(ligne_horloge({10, 5, 7}), "10 h 05 mn 07 sec = 10 h 92.1 halakim ");
    EXPECT_EQ(ligne_horloge({9, 0, 0}), "9 h 00 mn 00 sec = 9 h 0.0 halakim ");
    EXPECT_EQ(ligne_horloge({15, 10, 20}), "15 h 10 mn 20 sec = 15 h 186.0 halakim ");
    EXPECT_EQ(ligne_horloge({23, 59, 59}), "23 h 59 mn 59 sec = 23 h 1079.7 halakim ");
    EXPECT_EQ(ligne_horloge({0, 30, 10}), "0 h 30 mn 10 sec = 0 h 543.0 halakim ");
}

// An hour has 1080 halakim: the count runs from 0 to just below 1080 and
// grows with every second.
TEST(LigneHorloge, LesHalakimDUneHeure)
{
    double avant = -1;
    for (int m = 0; m < 60; ++m) {
        for (int s = 0; s < 60; ++s) {
            const double h = halakim_de_l_heure(m, s);
            ASSERT_GT(h, avant);
            ASSERT_LT(h, 1080.0);
            avant = h;
        }
    }
    EXPECT_DOUBLE_EQ(halakim_de_l_heure(1, 0), 18.0);
}

TEST(LigneHorloge, TexteDeLHeure)
{
    EXPECT_EQ(texte_heure({9, 5, 3}), " 09:05:03");
    EXPECT_EQ(secondes_du_jour({10, 0, 1}), 36001);
}

// The times are computed again at 10:00:00, not at 10:00:01.
TEST(LigneHorloge, HeurePleine)
{
    EXPECT_TRUE(heure_pleine({10, 0, 0}));
    EXPECT_FALSE(heure_pleine({10, 0, 1}));
    EXPECT_FALSE(heure_pleine({9, 59, 59}));
    EXPECT_TRUE(heure_pleine({0, 0, 0}));
}

TEST(LigneHorloge, EtoilesDuChabbat)
{
    EXPECT_TRUE(etoiles_chabbat("Vendredi", "Monday").entree);
    EXPECT_FALSE(etoiles_chabbat("Vendredi", "Monday").sortie);
    EXPECT_TRUE(etoiles_chabbat("Lundi", "Friday").entree);
    EXPECT_TRUE(etoiles_chabbat("Chabbat", "Monday").sortie);
    EXPECT_TRUE(etoiles_chabbat("Lundi", "Saturday").sortie);
    const EtoilesChabbat aucune = etoiles_chabbat("Mardi", "Tuesday");
    EXPECT_FALSE(aucune.entree || aucune.sortie);
    EXPECT_EQ(jour_anglais(6), "Friday");
    EXPECT_EQ(jour_anglais(7), "Saturday");
}

} // namespace
} // namespace orvane::shell
