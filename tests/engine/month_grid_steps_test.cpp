// Steps between Hebrew months and days: never onto Adar II of a common year,
// Eloul followed by Tichri of the next year.

#include "engine/month_grid_steps.h"
#include "reference_calendar.h"

#include <gtest/gtest.h>

namespace orvane::engine
{
namespace
{

namespace ref = orvane::reference;

// 5784 is a leap year, 5785 a common one.
TEST(PasDeMois, ExemplesAutourDAdar)
{
    EXPECT_EQ(mois_suivant({5785, 6}), (MoisHebreu{5785, 8}));
    EXPECT_EQ(mois_precedent({5785, 8}), (MoisHebreu{5785, 6}));
    EXPECT_EQ(mois_suivant({5784, 6}), (MoisHebreu{5784, 7}));
    EXPECT_EQ(mois_suivant({5784, 7}), (MoisHebreu{5784, 8}));
    EXPECT_EQ(mois_precedent({5784, 8}), (MoisHebreu{5784, 7}));
    EXPECT_EQ(mois_suivant({5784, 13}), (MoisHebreu{5785, 1}));
    EXPECT_EQ(mois_precedent({5785, 1}), (MoisHebreu{5784, 13}));
    // Adar II asked of a common year is passed over in either direction.
    EXPECT_EQ(mois_suivant({5785, 7}), (MoisHebreu{5785, 8}));
    EXPECT_EQ(mois_precedent({5785, 7}), (MoisHebreu{5785, 6}));
    EXPECT_EQ(mois_existant(5785, 7, true), 8);
    EXPECT_EQ(mois_existant(5785, 7, false), 6);
    EXPECT_EQ(mois_existant(5784, 7, true), 7);
    EXPECT_EQ(mois_existant(5785, 6, true), 6);
}

// Twelve or thirteen steps make a year, every month reached exists, and the
// steps back retrace the steps forward.
TEST(PasDeMois, UneAnneeDeMoisExistantsPourToutesLesAnnees)
{
    for (int annee = 3860; annee <= 13759; ++annee) {
        const int nb_mois = ref::hebrew_leap(annee) ? 13 : 12;
        MoisHebreu m{annee, 1};
        for (int pas = 1; pas <= nb_mois; ++pas) {
            const MoisHebreu suivant = mois_suivant(m);
            ASSERT_EQ(mois_precedent(suivant), m) << annee << " mois " << m.mois;
            ASSERT_GT(ref::month_length(suivant.annee, suivant.mois), 0)
                << annee << " mois " << m.mois;
            m = suivant;
        }
        ASSERT_EQ(m, (MoisHebreu{annee + 1, 1})) << annee;
    }
}

TEST(LongueursDesMois, SuiventLaReferencePourToutesLesAnnees)
{
    for (int annee = 3860; annee <= 13759; ++annee) {
        const MoisDeLAnnee m = mois_de_l_annee(annee);
        ASSERT_EQ(m.embolismique(), ref::hebrew_leap(annee)) << annee;
        for (int mois = 1; mois <= 13; ++mois) {
            ASSERT_EQ(m.jours(mois), ref::month_length(annee, mois)) << annee << " mois " << mois;
        }
    }
    EXPECT_EQ(mois_de_l_annee(5785).jours(0), 0);
    EXPECT_EQ(mois_de_l_annee(5785).jours(14), 0);
}

TEST(PasDeJours, ExemplesDeFinsDeMois)
{
    EXPECT_EQ(lendemain(DateHebraique{5784, 13, 29}), (DateHebraique{5785, 1, 1}));
    EXPECT_EQ(veille(DateHebraique{5785, 1, 1}), (DateHebraique{5784, 13, 29}));
    EXPECT_EQ(lendemain(DateHebraique{5785, 6, 29}), (DateHebraique{5785, 8, 1}));
    EXPECT_EQ(veille(DateHebraique{5785, 8, 1}), (DateHebraique{5785, 6, 29}));
    EXPECT_EQ(lendemain(DateHebraique{5784, 6, 30}), (DateHebraique{5784, 7, 1}));
    EXPECT_EQ(lendemain(DateHebraique{5784, 7, 29}), (DateHebraique{5784, 8, 1}));
    // 5785 has 355 days (Hechvan of 30 days), 5784 has 383 (Hechvan and
    // Kislev of 29 days).
    EXPECT_EQ(lendemain(DateHebraique{5785, 2, 29}), (DateHebraique{5785, 2, 30}));
    EXPECT_EQ(lendemain(DateHebraique{5784, 2, 29}), (DateHebraique{5784, 3, 1}));
    EXPECT_EQ(lendemain(DateHebraique{5784, 3, 29}), (DateHebraique{5784, 4, 1}));
    // Burial on 25 Av: the seventh day is 1 Eloul, the thirtieth 24 Eloul.
    EXPECT_EQ(decale_jours_hebreu({5784, 12, 25}, 6), (DateHebraique{5784, 13, 1}));
    EXPECT_EQ(decale_jours_hebreu({5784, 12, 25}, 29), (DateHebraique{5784, 13, 24}));
    EXPECT_EQ(decale_jours_hebreu({5784, 13, 24}, -29), (DateHebraique{5784, 12, 25}));
}

// Every day of a century steps as the reference counts, and back.
TEST(PasDeJours, SuiventLaReferenceJourApresJour)
{
    DateHebraique d{5700, 1, 1};
    std::int64_t fixe = ref::fixed_from_hebrew({5700, 1, 1});
    while (d.annee < 5800) {
        ASSERT_TRUE(date_hebraique_existe(d)) << d.annee << '-' << d.mois << '-' << d.jour;
        const DateHebraique suivant = lendemain(d);
        ASSERT_EQ(veille(suivant), d);
        const ref::Ymd attendu = ref::hebrew_from_fixed(++fixe);
        ASSERT_EQ(suivant, (DateHebraique{attendu.y, attendu.m, attendu.d}))
            << d.annee << '-' << d.mois << '-' << d.jour;
        d = suivant;
    }
}

TEST(DatesExistantes, MoisEtJoursManquants)
{
    EXPECT_TRUE(date_hebraique_existe({5784, 7, 29}));
    EXPECT_FALSE(date_hebraique_existe({5784, 7, 30}));
    EXPECT_FALSE(date_hebraique_existe({5785, 7, 1}));
    EXPECT_FALSE(date_hebraique_existe({5785, 6, 30}));
    EXPECT_TRUE(date_hebraique_existe({5784, 6, 30}));
    EXPECT_FALSE(date_hebraique_existe({5785, 14, 1}));
    EXPECT_FALSE(date_hebraique_existe({5785, 1, 0}));
}

} // namespace
} // namespace orvane::engine
