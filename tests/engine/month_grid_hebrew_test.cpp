// The Hebrew month grid: days in the columns of their weekdays, the months
// of common and leap years, and the changes of date that never reach a month
// the year does not have.

#include "engine/month_grid_hebrew.h"
#include "month_grid_cells.h"
#include "platform/clock.h"
#include "reference_calendar.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane::engine
{
namespace
{

namespace ref = orvane::reference;
using platform::FixedClock;

// Thursday 3 October 2024 is 1 Tichri 5785.
const FixedClock horloge({2024, 10, 3});

using test_support::JourPlace;
using test_support::jours_places;

// --- Hebrew grid -------------------------------------------------------------

TEST(GrilleHebraique, EtatInitial)
{
    const GrilleMoisHebreu g(horloge);
    EXPECT_EQ(g.HYear(), 5785);
    EXPECT_EQ(g.HMonth(), 1);
    EXPECT_EQ(g.HDay(), 1);
    EXPECT_EQ(g.date_creation(), (DateCivile{2024, 10, 3}));
    EXPECT_TRUE(g.UseCurrentDate());
    EXPECT_EQ(g.texte_date(), "1 Tichri  5785");
    EXPECT_EQ(g.jours_ce_mois(), 30);
    EXPECT_EQ(g.texte_case(4, 1), "1"); // Thursday
    EXPECT_EQ(g.case_focus(), (CaseGrille{4, 1}));
}

TEST(GrilleHebraique, NomsDuMoisSixSelonLAnnee)
{
    GrilleMoisHebreu g(horloge);
    g.setDate({5785, 6, 14});
    EXPECT_EQ(g.texte_date(), "14 Adar    5785");
    g.setDate({5784, 6, 14});
    EXPECT_EQ(g.texte_date(), "14 Adar I  5784");
    g.setDate({5784, 7, 14});
    EXPECT_EQ(g.texte_date(), "14 Adar II 5784");
    EXPECT_TRUE(g.est_bissextile(5784));
    EXPECT_FALSE(g.est_bissextile(5785));
}

// Every month of every seventh year: each day once, in the column of its
// weekday, the month's length from the reference.
TEST(GrilleHebraique, ChaqueJourDansLaColonneDeSonJourDeSemaine)
{
    GrilleMoisHebreu g(horloge);
    for (int annee = 3860; annee <= 13759; annee += 7) {
        for (int mois = 1; mois <= 13; ++mois) {
            if (ref::month_length(annee, mois) == 0) {
                continue;
            }
            g.setDate({annee, mois, 1});
            const std::vector<JourPlace> jours = jours_places(g);
            ASSERT_EQ(static_cast<int>(jours.size()), ref::month_length(annee, mois))
                << annee << '-' << mois;
            const int premier = ref::weekday(ref::fixed_from_hebrew({annee, mois, 1}));
            for (const JourPlace& j : jours) {
                const int semaine = (premier + j.jour - 2) % 7 + 1;
                ASSERT_EQ(titre_colonne(j.colonne, 0),
                          titres_jours_grille[static_cast<std::size_t>(semaine)])
                    << annee << '-' << mois << '-' << j.jour;
            }
        }
    }
}

TEST(GrilleHebraique, NavigationAutourDAdarEnAnneeCommune)
{
    GrilleMoisHebreu g(horloge);
    g.setDate({5785, 6, 10});
    EXPECT_TRUE(g.avance_mois());
    EXPECT_EQ(g.HMonth(), 8);
    EXPECT_EQ(g.HDay(), 10);
    EXPECT_TRUE(g.recule_mois());
    EXPECT_EQ(g.HMonth(), 6);
    g.setDate({5784, 6, 10});
    EXPECT_TRUE(g.avance_mois());
    EXPECT_EQ(g.HMonth(), 7);
    g.setDate({5785, 13, 29});
    EXPECT_TRUE(g.avance_mois());
    EXPECT_EQ(g.HYear(), 5786);
    EXPECT_EQ(g.HMonth(), 1);
    EXPECT_TRUE(g.recule_mois());
    EXPECT_EQ(g.HYear(), 5785);
    EXPECT_EQ(g.HMonth(), 13);
    EXPECT_TRUE(g.avance_annee());
    EXPECT_EQ(g.HYear(), 5786);
    EXPECT_TRUE(g.recule_annee());
    EXPECT_EQ(g.HYear(), 5785);
}

TEST(GrilleHebraique, RienAvantTichriDeLAnUn)
{
    GrilleMoisHebreu g(horloge);
    g.setDate({1, 1, 5});
    EXPECT_FALSE(g.recule_mois());
    EXPECT_FALSE(g.recule_annee());
    EXPECT_FALSE(g.setHMonth(0));
    EXPECT_EQ(g.HYear(), 1);
    EXPECT_EQ(g.HMonth(), 1);
}

// The day after 29 Eloul is 1 Tichri of the next year, never a month 14;
// before 1 Tichri comes 29 Eloul of the year before.
TEST(GrilleHebraique, JourApresElouLEstTichriDeLAnneeSuivante)
{
    GrilleMoisHebreu g(horloge);
    g.setDate({5784, 13, 29});
    EXPECT_TRUE(g.setHDay(30));
    EXPECT_EQ(g.texte_date(), "1 Tichri  5785");
    EXPECT_TRUE(g.setHDay(0));
    EXPECT_EQ(g.texte_date(), "29 Eloul   5784");
}

// In a common year the day after 29 Adar is 1 Nissan and the day before
// 1 Nissan is 29 Adar.
TEST(GrilleHebraique, JoursAutourDAdarEnAnneeCommune)
{
    GrilleMoisHebreu g(horloge);
    g.setDate({5785, 6, 29});
    EXPECT_TRUE(g.setHDay(30));
    EXPECT_EQ(g.HMonth(), 8);
    EXPECT_EQ(g.HDay(), 1);
    EXPECT_TRUE(g.setHDay(0));
    EXPECT_EQ(g.HMonth(), 6);
    EXPECT_EQ(g.HDay(), 29);
}

// Month 7 of a common year: 8 when stepping up, 6 when stepping down.
TEST(GrilleHebraique, MoisSeptEnAnneeCommune)
{
    GrilleMoisHebreu g(horloge);
    g.setDate({5785, 6, 3});
    EXPECT_TRUE(g.setHMonth(7));
    EXPECT_EQ(g.HMonth(), 8);
    EXPECT_TRUE(g.setHMonth(7));
    EXPECT_EQ(g.HMonth(), 6);
    EXPECT_FALSE(g.setHMonth(14));
    EXPECT_FALSE(g.setHMonth(6));
    EXPECT_TRUE(g.setHMonth(0));
    EXPECT_EQ(g.HYear(), 5784);
    EXPECT_EQ(g.HMonth(), 13);
    g.setDate({5784, 7, 3});
    EXPECT_TRUE(g.setHYear(5785)); // Adar II into a common year: Adar
    EXPECT_EQ(g.HMonth(), 6);
    g.setDate({5785, 7, 3});
    EXPECT_EQ(g.HMonth(), 6);
}

// The kept day number stays within the new month: 30 Hechvan 5785 into
// 5784, whose Hechvan has 29 days, gives 29 Hechvan.
TEST(GrilleHebraique, LeJourResteDansLeMois)
{
    GrilleMoisHebreu g(horloge);
    g.setDate({5785, 2, 30});
    EXPECT_EQ(g.HDay(), 30);
    EXPECT_TRUE(g.setHYear(5784));
    EXPECT_EQ(g.HDay(), 29);
    g.setDate({5784, 6, 30});
    EXPECT_TRUE(g.avance_mois());
    EXPECT_EQ(g.HMonth(), 7);
    EXPECT_EQ(g.HDay(), 29);
    EXPECT_TRUE(g.recule_mois());
    EXPECT_EQ(g.HDay(), 29);
    for (int annee = 5700; annee <= 5800; ++annee) {
        g.setDate({annee, 1, 30});
        for (int pas = 0; pas < 13; ++pas) {
            g.avance_mois();
            ASSERT_GE(g.jours_ce_mois(), g.HDay()) << annee;
            ASSERT_GT(g.jours_ce_mois(), 0) << annee;
        }
    }
}

TEST(GrilleHebraique, ClicsEtDateDuJour)
{
    GrilleMoisHebreu g(horloge);
    EXPECT_TRUE(g.clique(0, 2)); // Sunday 4 Tichri
    EXPECT_EQ(g.HDay(), 4);
    EXPECT_FALSE(g.UseCurrentDate());
    g.setUseCurrentDate(true);
    EXPECT_EQ(g.HDay(), 1);
    EXPECT_TRUE(g.UseCurrentDate());
}

} // namespace
} // namespace orvane::engine
