// The month-grid layout and the civil grid: what each cell shows, where day
// 1 and the focus stand, and how each change of date moves the grid.

#include "engine/dates.h"
#include "engine/month_grid_civil.h"
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

/// The day numbers of the week rows, in reading order.
std::vector<int> jours_montres(const GrilleMois& g)
{
    std::vector<int> jours;
    for (const JourPlace& j : jours_places(g)) {
        jours.push_back(j.jour);
    }
    return jours;
}

/// Column of `jour` in the grid (the one that shows it).
int colonne_du_jour(const GrilleMois& g, int jour)
{
    for (int ligne = 1; ligne < lignes_grille; ++ligne) {
        for (int colonne = 0; colonne < colonnes_grille; ++colonne) {
            if (g.jour_de_case(colonne, ligne) == jour) {
                return colonne;
            }
        }
    }
    return -1;
}

// --- Layout -------------------------------------------------------------

TEST(DispositionGrille, TitresSelonLePremierJourDeLaSemaine)
{
    const std::vector<std::string> dimanche = {"Dim.", "Lun.", "Mar.", "Mer.",
                                               "Jeu.", "Ven.", "Chab."};
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(titre_colonne(c, 0), dimanche[static_cast<std::size_t>(c)]);
        EXPECT_EQ(titre_colonne(c, 1), dimanche[static_cast<std::size_t>((c + 1) % 7)]);
    }
    EXPECT_EQ(titre_colonne(6, 1), "Dim.");
}

// Day 1 on weekday w: a = (w − debut + 7) mod 7, offset 2 − a, or −5 for a = 0.
static_assert(decalage_du_mois(1, 0) == 1);  // Sunday, first column
static_assert(decalage_du_mois(2, 0) == 0);  // Monday, second column
static_assert(decalage_du_mois(7, 0) == -5); // Saturday, last column of the first row
static_assert(decalage_du_mois(2, 1) == 1);  // Monday with Monday columns
static_assert(decalage_du_mois(1, 1) == -5); // Sunday with Monday columns

TEST(DispositionGrille, LeFocusEstLaCaseDuJour)
{
    GrilleMoisCivil g(horloge);
    for (int jour = 1; jour <= 31; ++jour) {
        g.setDate({2024, 12, jour}); // 1 December 2024 is a Sunday
        const CaseGrille focus = g.case_focus();
        EXPECT_EQ(g.jour_de_case(focus.colonne, focus.ligne), jour);
    }
    g.setDate({2024, 12, 1});
    EXPECT_EQ(g.case_focus(), (CaseGrille{0, 1}));
    g.setDate({2024, 12, 8});
    EXPECT_EQ(g.case_focus(), (CaseGrille{0, 2}));
}

// --- Civil weekday and month lengths ---------------------------------------

TEST(JourSemaineCivil, ExemplesDeLaReformeEtDesSiecles)
{
    EXPECT_EQ(engine::jour_semaine(engine::DateCivile{1582, 10, 4}), 5);  // Thursday
    EXPECT_EQ(engine::jour_semaine(engine::DateCivile{1582, 10, 15}), 6); // Friday
    EXPECT_EQ(engine::jour_semaine(engine::DateCivile{1750, 3, 1}), 1);   // Sunday
    EXPECT_EQ(engine::jour_semaine(engine::DateCivile{1800, 3, 1}), 7);   // Saturday
    EXPECT_EQ(engine::jour_semaine(engine::DateCivile{1800, 2, 28}),
              6); // Friday: 1800 has no 29 February
    EXPECT_EQ(engine::jour_semaine(engine::DateCivile{2024, 10, 3}), 5);
    EXPECT_EQ(engine::jour_semaine(engine::DateCivile{2100, 3, 1}), 2); // Monday
}

// Every day from year 1 to 9999 follows the reference weekday; 2100, 2200,
// 2300 ... lose their 29 February like 1700, 1800 and 1900.
TEST(JourSemaineCivil, SuitLaReferenceChaqueJour)
{
    DateCivile d{1, 1, 1};
    while (d.annee < 10000) {
        const int attendu = ref::weekday(ref::fixed_from_civil({d.annee, d.mois, d.jour}));
        ASSERT_EQ(engine::jour_semaine(d), attendu) << d.annee << '-' << d.mois << '-' << d.jour;
        d = lendemain(d);
    }
}

TEST(JourSemaineCivil, AnneesNegativesSansRupture)
{
    DateCivile d{-200, 1, 1};
    int attendu = engine::jour_semaine(d);
    while (d.annee < 2) {
        ASSERT_EQ(engine::jour_semaine(d), attendu) << d.annee << '-' << d.mois << '-' << d.jour;
        d = lendemain(d);
        attendu = attendu % 7 + 1;
    }
}

TEST(GrilleCivile, LongueursDesMois)
{
    const GrilleMoisCivil g(horloge);
    EXPECT_EQ(g.jours_du_mois(1500, 2), 29); // Julian
    EXPECT_EQ(g.jours_du_mois(1700, 2), 28);
    EXPECT_EQ(g.jours_du_mois(2000, 2), 29);
    EXPECT_EQ(g.jours_du_mois(2023, 2), 28);
    EXPECT_EQ(g.jours_du_mois(2023, 4), 30);
    EXPECT_TRUE(g.est_bissextile(1500));
    EXPECT_FALSE(g.est_bissextile(1900));
    EXPECT_TRUE(g.est_bissextile(-4));
}

// --- Civil grid ----------------------------------------------------------

TEST(GrilleCivile, EtatInitial)
{
    const GrilleMoisCivil g(horloge);
    EXPECT_EQ(g.Year(), 2024);
    EXPECT_EQ(g.Month(), 10);
    EXPECT_EQ(g.Day(), 3);
    EXPECT_TRUE(g.UseCurrentDate());
    EXPECT_FALSE(g.ReadOnly());
    EXPECT_EQ(g.StartOfWeek(), 0);
    EXPECT_EQ(g.decalage(), -1); // 1 October 2024 is a Tuesday, column 2
    EXPECT_EQ(g.texte_case(2, 1), "1");
    EXPECT_EQ(g.texte_case(1, 1), "");
    EXPECT_EQ(g.texte_case(6, 0), "Chab.");
}

TEST(GrilleCivile, Octobre1582SauteDeQuatreAQuinze)
{
    GrilleMoisCivil g(horloge);
    g.setDate({1582, 10, 4});
    std::vector<int> attendu = {1, 2, 3, 4};
    for (int jour = 15; jour <= 31; ++jour) {
        attendu.push_back(jour);
    }
    EXPECT_EQ(jours_montres(g), attendu);
    EXPECT_EQ(titre_colonne(colonne_du_jour(g, 4), 0), "Jeu.");
    EXPECT_EQ(titre_colonne(colonne_du_jour(g, 15), 0), "Ven.");
    const CaseGrille focus4 = g.case_focus();
    EXPECT_EQ(g.jour_de_case(focus4.colonne, focus4.ligne), 4);
    g.setDay(20);
    const CaseGrille focus20 = g.case_focus();
    EXPECT_EQ(g.jour_de_case(focus20.colonne, focus20.ligne), 20);
    // The year rule puts a day of the gap on the 16th, the day rule on the 15th.
    g.setDate({1581, 10, 10});
    EXPECT_TRUE(g.setYear(1582));
    EXPECT_EQ(g.Day(), 16);
    EXPECT_TRUE(g.setDay(8));
    EXPECT_EQ(g.Day(), 15);
}

TEST(GrilleCivile, PremiersMarsDe1750Et1800)
{
    GrilleMoisCivil g(horloge);
    g.setDate({1750, 3, 1});
    EXPECT_EQ(titre_colonne(colonne_du_jour(g, 1), 0), "Dim.");
    g.setDate({1800, 3, 1});
    EXPECT_EQ(titre_colonne(colonne_du_jour(g, 1), 0), "Chab.");
}

// A month that begins in the last column (1 February 2025, a Saturday)
// has offset −5 and its day 1 on the first week row.
TEST(GrilleCivile, MoisCommencantDansLaDerniereColonne)
{
    GrilleMoisCivil g(horloge);
    g.setDate({2025, 2, 10});
    EXPECT_EQ(g.decalage(), -5);
    EXPECT_EQ(g.jour_de_case(6, 1), 1);
    EXPECT_EQ(g.jour_de_case(0, 2), 2);
    g.setStartOfWeek(6); // Saturday first
    EXPECT_EQ(g.decalage(), 1);
    EXPECT_EQ(g.jour_de_case(0, 1), 1);
    EXPECT_EQ(g.texte_case(0, 0), "Chab.");
    EXPECT_EQ(g.Day(), 10); // the first column changes nothing of the date
}

// Every month from 1500 to 2600, with every first column: each day once, in
// the column of its weekday, within six week rows.
TEST(GrilleCivile, ChaqueJourDansLaColonneDeSonJourDeSemaine)
{
    GrilleMoisCivil g(horloge);
    for (int debut = 0; debut < 7; ++debut) {
        g.setStartOfWeek(debut);
        for (int annee = 1500; annee <= 2600; ++annee) {
            for (int mois = 1; mois <= 12; ++mois) {
                g.setDate({annee, mois, 1});
                const std::vector<JourPlace> jours = jours_places(g);
                ASSERT_EQ(static_cast<int>(jours.size()),
                          annee == 1582 && mois == 10 ? 21 : g.jours_ce_mois());
                for (const JourPlace& j : jours) {
                    const int semaine = ref::weekday(ref::fixed_from_civil({annee, mois, j.jour}));
                    ASSERT_EQ(titre_colonne(j.colonne, debut),
                              titres_jours_grille[static_cast<std::size_t>(semaine)])
                        << annee << '-' << mois << '-' << j.jour << " début " << debut;
                }
            }
        }
    }
}

TEST(GrilleCivile, JourAuDelaDuMoisPasseAuMoisSuivant)
{
    GrilleMoisCivil g(horloge);
    g.setDate({2024, 12, 31});
    EXPECT_TRUE(g.setDay(32));
    EXPECT_EQ((DateCivile{g.Year(), g.Month(), g.Day()}), (DateCivile{2025, 1, 1}));
    EXPECT_TRUE(g.setDay(0));
    EXPECT_EQ((DateCivile{g.Year(), g.Month(), g.Day()}), (DateCivile{2024, 12, 31}));
    g.setDate({2024, 3, 1});
    EXPECT_TRUE(g.setDay(-3));
    EXPECT_EQ((DateCivile{g.Year(), g.Month(), g.Day()}), (DateCivile{2024, 2, 29}));
    EXPECT_FALSE(g.setDay(29));
    EXPECT_TRUE(g.setDay(30));
    EXPECT_EQ((DateCivile{g.Year(), g.Month(), g.Day()}), (DateCivile{2024, 3, 1}));
}

TEST(GrilleCivile, ChangementsDeMoisEtDAnnee)
{
    GrilleMoisCivil g(horloge);
    EXPECT_FALSE(g.setMonth(10));
    EXPECT_FALSE(g.setYear(2024));
    EXPECT_TRUE(g.UseCurrentDate());
    EXPECT_TRUE(g.setMonth(0));
    EXPECT_EQ((DateCivile{g.Year(), g.Month(), g.Day()}), (DateCivile{2023, 12, 3}));
    EXPECT_FALSE(g.UseCurrentDate());
    EXPECT_TRUE(g.setMonth(13));
    EXPECT_EQ((DateCivile{g.Year(), g.Month(), g.Day()}), (DateCivile{2024, 1, 3}));
    EXPECT_TRUE(g.setYear(0));
    EXPECT_EQ(g.Year(), 0);
    EXPECT_TRUE(g.setYear(-44));
    EXPECT_EQ(g.Year(), -44);
}

// The grid never holds a day its month lacks: 31 January then February
// gives the last day of February, 29 February then a common year the 28th.
TEST(GrilleCivile, LeJourResteDansLeMois)
{
    GrilleMoisCivil g(horloge);
    g.setDate({2024, 1, 31});
    EXPECT_TRUE(g.setMonth(2));
    EXPECT_EQ(g.Day(), 29);
    EXPECT_TRUE(g.setYear(2023));
    EXPECT_EQ(g.Day(), 28);
    g.setDate({2023, 4, 31});
    EXPECT_EQ(g.Day(), 30);
    g.setDate({2023, 14, 5});
    EXPECT_EQ(g.Month(), 12);
}

TEST(GrilleCivile, ClicsEtLectureSeule)
{
    GrilleMoisCivil g(horloge);
    g.setDate({2024, 12, 31});
    EXPECT_FALSE(g.case_selectionnable(0, 0)); // title
    EXPECT_FALSE(g.case_selectionnable(3, 5)); // after 31 December
    EXPECT_FALSE(g.clique(3, 5));
    EXPECT_TRUE(g.clique(3, 2)); // Wednesday 11 December
    EXPECT_EQ(g.Day(), 11);
    EXPECT_FALSE(g.clique(3, 2)); // the same day is no change
    EXPECT_TRUE(g.deplace_focus(7));
    EXPECT_EQ(g.Day(), 18);
    EXPECT_TRUE(g.deplace_focus(-1));
    EXPECT_EQ(g.Day(), 17);
    g.setDay(31);
    EXPECT_FALSE(g.deplace_focus(1)); // arrows stay within the month
    g.setReadOnly(true);
    EXPECT_FALSE(g.case_selectionnable(0, 2));
    EXPECT_FALSE(g.clique(0, 2));
    EXPECT_FALSE(g.deplace_focus(-1));
    EXPECT_EQ(g.Day(), 31);
    EXPECT_TRUE(g.setDay(1)); // ReadOnly stops clicks, not the program
}

TEST(GrilleCivile, RetourALaDateDuJour)
{
    GrilleMoisCivil g(horloge);
    g.setDate({1999, 5, 5});
    EXPECT_FALSE(g.UseCurrentDate());
    g.setUseCurrentDate(true);
    EXPECT_TRUE(g.UseCurrentDate());
    EXPECT_EQ((DateCivile{g.Year(), g.Month(), g.Day()}), (DateCivile{2024, 10, 3}));
    EXPECT_EQ(g.decalage(), -1);
}

} // namespace
} // namespace orvane::engine
