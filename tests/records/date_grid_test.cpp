// The date grid of the record viewer: the birth in both calendars, the next
// anniversary and the Bar-Mitsva or Bat-Mitsva, by the civility.

#include "engine/dates.h"
#include "records/carrying.h"
#include "records/tables/date_grid.h"
#include "records/tables/dbase_table.h"

#include <gtest/gtest.h>

namespace orvane::records
{
namespace
{

using Ligne = std::array<std::string, 5>;

TEST(GrilleDesDates, LExempleDuDixMai1998)
{
    const auto g = grille_des_dates("10/05/1998", "M", {2024, 6, 1});
    ASSERT_TRUE(g);
    EXPECT_EQ(g->cases[0], (Ligne{}));
    EXPECT_EQ(g->cases[1], (Ligne{"Naissance civile", "Dimanche", "10", "Mai", "1998"}));
    EXPECT_EQ(g->cases[2], (Ligne{"Naissance hebr.", "Dimanche", "14", "Iyar", "5758"}));
    EXPECT_EQ(g->cases[3], (Ligne{"Prochain anniversaire", "Lundi", "12", "Mai", "2025"}));
    EXPECT_EQ(g->cases[4], (Ligne{"", "Lundi", "14", "Iyar", "5785"}));
    EXPECT_EQ(g->cases[5], (Ligne{"Bar Mitzva", "Mercredi", "18", "Mai", "2011"}));
    EXPECT_EQ(g->cases[6], (Ligne{"", "Mercredi", "14", "Iyar", "5771"}));
    // The anniversary of the day itself is this year's.
    EXPECT_EQ(grille_des_dates("10/05/1998", "M", {2025, 5, 12})->cases[3][4], "2025");
    EXPECT_EQ(grille_des_dates("10/05/1998", "M", {2025, 5, 13})->cases[4][4], "5786");
}

// Only the exact civility "M" is a boy here: "M." gives the Bat-Mitsva,
// twelve years after the birth, as "Mme", "Mle" and an empty civility do.
TEST(GrilleDesDates, SeulLaCiviliteMDonneLaBarMitsva)
{
    for (const char* civilite : {"M.", "Mme", "Mle", "", "m", "Rav", "Mr"}) {
        const auto g = grille_des_dates("10/05/1998", civilite, {2024, 6, 1});
        ASSERT_TRUE(g);
        EXPECT_EQ(g->cases[5], (Ligne{"Bat Mitzva", "Mercredi", "28", "Avril", "2010"}))
            << civilite;
        EXPECT_EQ(g->cases[6], (Ligne{"", "Mercredi", "14", "Iyar", "5770"})) << civilite;
    }
}

// Over births of every tenth day from 1900 to 2020: the Hebrew row is the
// conversion of the civil one, the anniversary is the first of the Hebrew
// date today or later, the majority 13 or 12 years after the birth.
TEST(GrilleDesDates, LesLignesSuiventLaNaissance)
{
    const engine::DateCivile aujourdhui{2024, 6, 1};
    for (engine::NumeroJour n = engine::numero_du_civil({1900, 1, 1});
         n < engine::numero_du_civil({2020, 1, 1}); n = n + 10) {
        const engine::DateCivile c = engine::civil_du_numero(n);
        const engine::DateHebraique h = engine::hebraique_du_civil(c);
        const auto g = grille_des_dates(texte_de_date(c), n.valeur % 2 ? "M" : "Mme", aujourdhui);
        ASSERT_TRUE(g);
        ASSERT_EQ(g->cases[1][2], std::to_string(c.jour));
        ASSERT_EQ(g->cases[2][2], std::to_string(h.jour)) << c;
        ASSERT_EQ(g->cases[2][4], std::to_string(h.annee)) << c;

        const int annee = std::stoi(g->cases[4][4]);
        const engine::DateHebraique cette = reporte_date(h, annee);
        const engine::DateCivile anniv = engine::civil_de_l_hebreu(cette);
        ASSERT_EQ(g->cases[3][2], std::to_string(anniv.jour)) << c;
        ASSERT_EQ(g->cases[4][2], std::to_string(cette.jour)) << c;
        ASSERT_GE(anniv, aujourdhui) << c;
        ASSERT_LT(engine::civil_de_l_hebreu(reporte_date(h, annee - 1)), aujourdhui) << c;

        const int majorite = std::stoi(g->cases[6][4]);
        ASSERT_EQ(majorite, h.annee + (n.valeur % 2 ? 13 : 12)) << c;
        ASSERT_EQ(g->cases[5][0], n.valeur % 2 ? "Bar Mitzva" : "Bat Mitzva");
    }
}

// A text of another length leaves the grid as it was; a text of ten
// characters that is no date is refused.
TEST(GrilleDesDates, UnTexteQuiNEstPasUneDate)
{
    const engine::DateCivile aujourdhui{2024, 6, 1};
    for (const char* court : {"", "1/5/1998", "10/05/199", "10/05/19988", "10/05/1998 "}) {
        EXPECT_EQ(grille_des_dates(court, "M", aujourdhui), std::nullopt) << court;
    }
    for (const char* faux : {"31/02/1998", "10-05-1998", "10/05/0099", "aa/bb/cccc"}) {
        EXPECT_THROW((void)grille_des_dates(faux, "M", aujourdhui), ValeurRefusee) << faux;
    }
    // Past the years of the calendar the majority is left empty.
    const auto tard = grille_des_dates("01/06/9995", "M", {9995, 6, 2});
    ASSERT_TRUE(tard);
    EXPECT_EQ(tard->cases[5], (Ligne{"Bar Mitzva", "", "", "", ""}));
    EXPECT_EQ(tard->cases[6], (Ligne{}));
}

} // namespace
} // namespace orvane::records
