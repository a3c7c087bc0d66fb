// The moves of the two calendar windows: every step over whole ranges of
// days against the day count, the months the years do not have, the days
// dropped in 1582 and the two ends of the era.

#include "engine/arithmetic.h"
#include "engine/date_validity.h"
#include "engine/dates.h"
#include "engine/month_grid_steps.h"
#include "shell/calendars/civil_moves.h"
#include "shell/calendars/hebrew_moves.h"

#include <gtest/gtest.h>

namespace orvane::shell
{
namespace
{

using engine::DateCivile;
using engine::DateHebraique;

std::int64_t numero(const DateHebraique& d)
{
    return engine::numero_du_civil(engine::civil_de_l_hebreu(d)).valeur;
}

// From one day to the next and back, by the buttons of a day, over the
// first and the last centuries of the era and the centuries of the reform.
TEST(DeplacementsHebreux, UnJourEstUnJourDuCompte)
{
    for (const auto& [debut, fin] :
         {std::pair{DateHebraique{1, 1, 1}, DateHebraique{120, 1, 1}},
          std::pair{DateHebraique{5300, 1, 1}, DateHebraique{5400, 1, 1}},
          std::pair{DateHebraique{13700, 1, 1}, engine::dernier_jour_ere_hebreu}}) {
        DateHebraique d = debut;
        while (d < fin) {
            const std::optional<DateHebraique> suivant = deplace_jours(d, 1);
            ASSERT_TRUE(suivant) << d;
            ASSERT_TRUE(engine::date_hebraique_existe(*suivant)) << d;
            ASSERT_EQ(numero(*suivant), numero(d) + 1) << d;
            ASSERT_EQ(deplace_jours(*suivant, -1), d) << *suivant;
            d = *suivant;
        }
    }
}

TEST(DeplacementsHebreux, Adar29DUneAnneeCommuneEtNissan)
{
    EXPECT_EQ(deplace_jours({5785, 6, 29}, 1), (DateHebraique{5785, 8, 1}));
    EXPECT_EQ(deplace_jours({5785, 8, 1}, -1), (DateHebraique{5785, 6, 29}));
    EXPECT_EQ(deplace_jours({5784, 6, 30}, 1), (DateHebraique{5784, 7, 1})) << "leap year";
    EXPECT_EQ(deplace_mois({5785, 6, 29}, 1), (DateHebraique{5785, 8, 29}));
    EXPECT_EQ(deplace_mois({5785, 8, 10}, -1), (DateHebraique{5785, 6, 10}));
    EXPECT_EQ(deplace_mois({5784, 13, 29}, 1), (DateHebraique{5785, 1, 29}));
}

// Every jump of years from every month of every year of a long range, on
// the 30th: never a month the year lacks, never a day beyond the month,
// Adar II always taken as Adar.
TEST(DeplacementsHebreux, LesSautsDAnneesTombentSurDesDatesExistantes)
{
    for (int annee = 4000; annee <= 4400; ++annee) {
        for (int mois = 1; mois <= 13; ++mois) {
            if (mois == 7 && !engine::annee_hebr_embolismique(annee)) {
                continue;
            }
            for (int n : {1, -1, 10, -10, 100, -100, 1000, -1000}) {
                const std::optional<DateHebraique> d = deplace_annees({annee, mois, 30}, n);
                ASSERT_TRUE(d);
                EXPECT_TRUE(engine::date_hebraique_existe(*d)) << annee << '/' << mois << ' ' << n;
                EXPECT_EQ(d->annee, annee + n);
                EXPECT_EQ(d->mois, mois == 7 ? 6 : mois) << annee << ' ' << n;
            }
        }
    }
    EXPECT_EQ(deplace_annees({5784, 7, 29}, 1000), (DateHebraique{6784, 6, 29}));
    EXPECT_EQ(deplace_annees({5784, 6, 30}, 1), (DateHebraique{5785, 6, 29})) << "Adar I → Adar";
}

TEST(DeplacementsHebreux, RienHorsDeLEre)
{
    EXPECT_FALSE(deplace_jours({1, 1, 1}, -1));
    EXPECT_FALSE(deplace_mois({1, 1, 15}, -1));
    EXPECT_FALSE(deplace_annees({1, 5, 1}, -1));
    EXPECT_FALSE(deplace_annees({9, 5, 1}, -10));
    EXPECT_FALSE(deplace_annees({999, 5, 1}, -1000));
    EXPECT_EQ(deplace_annees({1000, 5, 1}, -999), (DateHebraique{1, 5, 1}));
    EXPECT_FALSE(deplace_jours(engine::dernier_jour_ere_hebreu, 1));
    EXPECT_EQ(deplace_mois({13760, 1, 1}, 1), (DateHebraique{13760, 2, 1}));
    EXPECT_FALSE(deplace_mois({13760, 1, 29}, 1)) << "29 Hechvan 13760 is past 31 December 9999";
    EXPECT_FALSE(deplace_mois({13760, 2, 1}, 1));
    EXPECT_TRUE(deplace_mois({13759, 13, 28}, 1));
    EXPECT_FALSE(deplace_annees({13759, 3, 1}, 1)) << "1 Kislev 13760 is past 31 December 9999";
    EXPECT_FALSE(deplace_annees({12761, 1, 1}, 1000));
}

TEST(SaisiesHebraiques, Jour)
{
    EXPECT_EQ(date_du_jour_saisi({1, 1, 1}, 0), (DateHebraique{1, 1, 1}));
    EXPECT_EQ(date_du_jour_saisi({1, 1, 5}, -3), (DateHebraique{1, 1, 1}));
    EXPECT_EQ(date_du_jour_saisi({5785, 6, 29}, 30), (DateHebraique{5785, 8, 1}));
    EXPECT_EQ(date_du_jour_saisi({5785, 1, 1}, 0), (DateHebraique{5784, 13, 29}));
    EXPECT_EQ(date_du_jour_saisi({5785, 8, 1}, 0), (DateHebraique{5785, 6, 29}));
    EXPECT_EQ(date_du_jour_saisi({5785, 8, 1}, 12), (DateHebraique{5785, 8, 12}));
    EXPECT_EQ(date_du_jour_saisi(engine::dernier_jour_ere_hebreu, 29),
              engine::dernier_jour_ere_hebreu);
}

TEST(SaisiesHebraiques, MoisEtAnnee)
{
    EXPECT_EQ(date_du_mois_saisi({5785, 13, 5}, 14), (DateHebraique{5786, 1, 5}));
    EXPECT_EQ(date_du_mois_saisi({5785, 1, 5}, 0), (DateHebraique{5784, 13, 5}));
    EXPECT_EQ(date_du_mois_saisi({5785, 6, 10}, 7), (DateHebraique{5785, 8, 10}));
    EXPECT_EQ(date_du_mois_saisi({5785, 8, 10}, 7), (DateHebraique{5785, 6, 10}));
    EXPECT_EQ(date_du_mois_saisi({5784, 6, 10}, 7), (DateHebraique{5784, 7, 10}));
    EXPECT_EQ(date_du_mois_saisi({1, 1, 5}, 0), (DateHebraique{1, 1, 1}));
    EXPECT_EQ(date_du_mois_saisi({13760, 2, 5}, 5), engine::dernier_jour_ere_hebreu);
    EXPECT_EQ(date_de_l_annee_saisie({5784, 7, 10}, 5785), (DateHebraique{5785, 6, 10}));
    EXPECT_EQ(date_de_l_annee_saisie({5784, 6, 30}, 5785), (DateHebraique{5785, 6, 29}));
    EXPECT_EQ(date_de_l_annee_saisie({5784, 6, 30}, 0), (DateHebraique{1, 6, 29}))
        << "year 1 is common";
    EXPECT_EQ(date_de_l_annee_saisie({5784, 6, 30}, 20000), engine::dernier_jour_ere_hebreu);
}

TEST(DeplacementsCivils, UnJourEstUnJourDuCompte)
{
    for (const auto& [debut, fin] : {std::pair{engine::premier_jour_ere, DateCivile{-3600, 1, 1}},
                                     std::pair{DateCivile{-10, 1, 1}, DateCivile{10, 1, 1}},
                                     std::pair{DateCivile{1500, 1, 1}, DateCivile{1700, 1, 1}},
                                     std::pair{DateCivile{9900, 1, 1}, engine::dernier_jour_ere}}) {
        DateCivile d = debut;
        while (d < fin) {
            const std::optional<DateCivile> suivant = deplace_jours_civils(d, 1);
            ASSERT_TRUE(suivant) << d;
            ASSERT_EQ(engine::numero_du_civil(*suivant), engine::numero_du_civil(d) + 1) << d;
            ASSERT_EQ(deplace_jours_civils(*suivant, -1), d) << *suivant;
            d = *suivant;
        }
    }
}

TEST(DeplacementsCivils, LaReformeDe1582)
{
    EXPECT_EQ(deplace_jours_civils({1582, 10, 4}, 1), (DateCivile{1582, 10, 15}));
    EXPECT_EQ(deplace_jours_civils({1582, 10, 15}, -1), (DateCivile{1582, 10, 4}));
    EXPECT_EQ(deplace_mois_civil({1582, 9, 10}, 1), (DateCivile{1582, 10, 15}));
    EXPECT_EQ(deplace_mois_civil({1582, 11, 10}, -1), (DateCivile{1582, 10, 4}));
    EXPECT_EQ(deplace_mois_civil({1582, 9, 20}, 1), (DateCivile{1582, 10, 20}));
    EXPECT_EQ(deplace_annees_civiles({1581, 10, 10}, 1), (DateCivile{1582, 10, 15}));
    EXPECT_EQ(deplace_annees_civiles({1583, 10, 10}, -1), (DateCivile{1582, 10, 4}));
    EXPECT_EQ(deplace_annees_civiles({1482, 10, 14}, 100), (DateCivile{1582, 10, 15}));
}

TEST(DeplacementsCivils, LesJoursDesMois)
{
    EXPECT_EQ(deplace_mois_civil({2024, 1, 31}, 1), (DateCivile{2024, 2, 29}));
    EXPECT_EQ(deplace_mois_civil({2024, 12, 31}, 1), (DateCivile{2025, 1, 31}));
    EXPECT_EQ(deplace_mois_civil({2025, 1, 15}, -1), (DateCivile{2024, 12, 15}));
    EXPECT_EQ(deplace_annees_civiles({2024, 2, 29}, 1), (DateCivile{2025, 2, 28}));
    EXPECT_EQ(deplace_annees_civiles({1500, 2, 29}, 100), (DateCivile{1600, 2, 29}))
        << "Julian 1500, Gregorian 1600";
    EXPECT_EQ(deplace_annees_civiles({1600, 2, 29}, 100), (DateCivile{1700, 2, 28}));
    EXPECT_EQ(deplace_annees_civiles({4, 2, 29}, -4), (DateCivile{0, 2, 29})) << "year 0 is leap";
}

TEST(DeplacementsCivils, RienHorsDeLEre)
{
    EXPECT_FALSE(deplace_jours_civils(engine::premier_jour_ere, -1));
    EXPECT_FALSE(deplace_mois_civil({-3760, 11, 3}, -1)) << "3 October −3760 is before 1 Tichri 1";
    EXPECT_EQ(deplace_mois_civil({-3760, 11, 8}, -1), (DateCivile{-3760, 10, 8}));
    EXPECT_FALSE(deplace_mois_civil({-3760, 10, 20}, -1));
    EXPECT_FALSE(deplace_annees_civiles({-3759, 10, 5}, -1));
    EXPECT_EQ(deplace_annees_civiles({-3759, 10, 8}, -1), (DateCivile{-3760, 10, 8}));
    EXPECT_FALSE(deplace_annees_civiles({-3750, 12, 1}, -1000));
    EXPECT_FALSE(deplace_jours_civils(engine::dernier_jour_ere, 1));
    EXPECT_FALSE(deplace_mois_civil({9999, 12, 1}, 1));
    EXPECT_FALSE(deplace_annees_civiles({9990, 1, 1}, 10));
    EXPECT_EQ(deplace_annees_civiles({8999, 1, 1}, 1000), (DateCivile{9999, 1, 1}));
}

TEST(SaisiesCiviles, JourMoisAnnee)
{
    EXPECT_EQ(date_du_jour_civil_saisi({-3760, 10, 10}, 3), engine::premier_jour_ere);
    EXPECT_EQ(date_du_jour_civil_saisi({-3760, 10, 7}, 6), engine::premier_jour_ere);
    EXPECT_EQ(date_du_jour_civil_saisi({1582, 10, 4}, 5), (DateCivile{1582, 10, 15}));
    EXPECT_EQ(date_du_jour_civil_saisi({1582, 10, 15}, 14), (DateCivile{1582, 10, 4}));
    EXPECT_EQ(date_du_jour_civil_saisi({2024, 12, 31}, 32), (DateCivile{2025, 1, 1}));
    EXPECT_EQ(date_du_jour_civil_saisi({2025, 1, 1}, 0), (DateCivile{2024, 12, 31}));
    EXPECT_EQ(date_du_jour_civil_saisi(engine::dernier_jour_ere, 32), engine::dernier_jour_ere);

    EXPECT_EQ(date_du_mois_civil_saisi({-3760, 12, 1}, 9), engine::premier_jour_ere);
    EXPECT_EQ(date_du_mois_civil_saisi({-3760, 12, 20}, 9), (DateCivile{-3760, 10, 20}));
    EXPECT_EQ(date_du_mois_civil_saisi({2024, 12, 5}, 13), (DateCivile{2025, 1, 5}));
    EXPECT_EQ(date_du_mois_civil_saisi({1582, 9, 10}, 10), (DateCivile{1582, 10, 15}));
    EXPECT_EQ(date_du_mois_civil_saisi({2024, 3, 31}, 4), (DateCivile{2024, 4, 30}));

    EXPECT_EQ(date_de_l_annee_civile_saisie({2024, 5, 5}, -4000), engine::premier_jour_ere);
    EXPECT_EQ(date_de_l_annee_civile_saisie({2024, 5, 5}, 12000), (DateCivile{9999, 5, 5}));
    EXPECT_EQ(date_de_l_annee_civile_saisie({2024, 2, 29}, 2023), (DateCivile{2023, 2, 28}));
    EXPECT_EQ(date_de_l_annee_civile_saisie({1583, 10, 10}, 1582), (DateCivile{1582, 10, 15}));
}

// Written years have no year 0: −1 is the astronomical year 0.
TEST(SaisiesCiviles, AnneeEcriteEtAstronomique)
{
    EXPECT_EQ(annee_astronomique(2025, 2024), 2025);
    EXPECT_EQ(annee_astronomique(-1, -2), 0);
    EXPECT_EQ(annee_astronomique(-3761, -3760), -3760);
    EXPECT_EQ(annee_astronomique(0, 1), 0) << "stepping down from 1 reaches −1";
    EXPECT_EQ(annee_astronomique(0, -1), 1) << "stepping up from −1 reaches 1";
}

} // namespace
} // namespace orvane::shell
