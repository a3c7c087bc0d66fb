// The Hebrew date of an event by day or by night, and the Sabbath after a day.

#include "records/event_date.h"
#include "reference_calendar.h"

#include <gtest/gtest.h>

namespace orvane::records
{
namespace
{

namespace ref = orvane::reference;
using engine::DateCivile;
using engine::DateHebraique;

// Wednesday 2 October 2024 is 29 Eloul 5784; its night belongs to 1 Tichri.
TEST(DateEvenement, DecesLaNuitDu29Eloul)
{
    const JourComplet jour = date_hebraique_evenement({2024, 10, 2}, "N");
    EXPECT_EQ(jour.civile, (DateCivile{2024, 10, 2}));
    EXPECT_EQ(jour.hebraique, (DateHebraique{5785, 1, 1}));
    EXPECT_EQ(jour.jour_semaine, 5);
    const JourComplet de_jour = date_hebraique_evenement({2024, 10, 2}, "J");
    EXPECT_EQ(de_jour.hebraique, (DateHebraique{5784, 13, 29}));
    EXPECT_EQ(de_jour.jour_semaine, 4);
}

// Saturday 29 March 2025 is 29 Adar 5785, a common year: its night is
// 1 Nissan, a Sunday (7 followed by 1).
TEST(DateEvenement, NuitDuDernierAdarDUneAnneeCommune)
{
    const JourComplet jour = date_hebraique_evenement({2025, 3, 29}, "n");
    EXPECT_EQ(jour.hebraique, (DateHebraique{5785, 8, 1}));
    EXPECT_EQ(jour.jour_semaine, 1);
}

TEST(DateEvenement, DrapeauxDeJourEtDeNuit)
{
    EXPECT_TRUE(est_de_nuit("N"));
    EXPECT_TRUE(est_de_nuit(" n "));
    EXPECT_FALSE(est_de_nuit("J"));
    EXPECT_FALSE(est_de_nuit("j"));
    EXPECT_FALSE(est_de_nuit(""));
    EXPECT_FALSE(est_de_nuit("Nuit"));
    EXPECT_EQ(date_hebraique_evenement({2024, 10, 2}, "").hebraique, (DateHebraique{5784, 13, 29}));
}

// Every night of twenty years is the reference's next Hebrew day, with the
// next weekday.
TEST(DateEvenement, LaNuitEstLeJourHebreuSuivant)
{
    for (DateCivile d{2000, 1, 1}; d.annee < 2020; d = engine::lendemain(d)) {
        const std::int64_t fixe = ref::fixed_from_civil({d.annee, d.mois, d.jour});
        const ref::Ymd h = ref::hebrew_from_fixed(fixe + 1);
        const JourComplet jour = date_hebraique_evenement(d, "N");
        ASSERT_EQ(jour.hebraique, (DateHebraique{h.y, h.m, h.d}))
            << d.annee << '-' << d.mois << '-' << d.jour;
        ASSERT_EQ(jour.jour_semaine, ref::weekday(fixe + 1));
    }
}

TEST(ChabbatSuivant, LeJourMemeOuLeSamediApres)
{
    const JourComplet samedi = jour_du_civil({2024, 10, 26});
    EXPECT_EQ(chabbat_suivant(samedi), samedi);
    // Wednesday 2 October 2024 (29 Eloul 5784): Saturday 5 October, 3 Tichri 5785.
    const JourComplet chabbat = chabbat_suivant(jour_du_civil({2024, 10, 2}));
    EXPECT_EQ(chabbat.civile, (DateCivile{2024, 10, 5}));
    EXPECT_EQ(chabbat.hebraique, (DateHebraique{5785, 1, 3}));
    EXPECT_EQ(chabbat.jour_semaine, 7);
    for (DateCivile d{2024, 1, 1}; d.annee < 2025; d = engine::lendemain(d)) {
        const JourComplet jour = jour_du_civil(d);
        const JourComplet c = chabbat_suivant(jour);
        const std::int64_t ecart =
            ref::fixed_from_civil({c.civile.annee, c.civile.mois, c.civile.jour}) -
            ref::fixed_from_civil({d.annee, d.mois, d.jour});
        ASSERT_EQ(c.jour_semaine, 7);
        ASSERT_TRUE(ecart >= 0 && ecart <= 6) << d.annee << '-' << d.mois << '-' << d.jour;
        ASSERT_EQ(c, jour_du_civil(c.civile));
    }
}

TEST(TextesDeDates, CoteCivilEtCoteHebreu)
{
    const JourComplet jour = jour_du_civil({2024, 10, 3});
    EXPECT_EQ(texte_civil(jour), "Jeudi    3  Octobre   2024");
    EXPECT_EQ(texte_hebraique(jour.hebraique), "1  Tichri  5785");
    EXPECT_EQ(ligne_civile_hebraique(jour), "   Jeudi    3  Octobre   2024 --> 1  Tichri  5785");
    EXPECT_EQ(texte_hebraique({5784, 6, 14}), "14 Adar I  5784");
    EXPECT_EQ(texte_hebraique({5785, 6, 14}), "14 Adar    5785");
    EXPECT_EQ(texte_civil(jour_du_civil({2025, 2, 1})), "Chabbat  1  Février   2025");
}

} // namespace
} // namespace orvane::records
