// Padding helpers, name tables and today's date lines.

#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/names.h"
#include "platform/clock.h"
#include "platform/text.h"

#include <gtest/gtest.h>

namespace orvane::engine
{
namespace
{

TEST(Cadrage, CadreNombre)
{
    EXPECT_EQ(cadre_nombre(7, 2), " 7");
    EXPECT_EQ(cadre_nombre(12345, 3), "12345");
    EXPECT_EQ(cadre_nombre(-5, 4), "  -5");
    EXPECT_EQ(cadre_nombre(0, 1), "0");
    EXPECT_EQ(cadre_nombre(42, 25), "        42") << "width at most 10";
}

TEST(Cadrage, CompleteEspacesEtZeros)
{
    EXPECT_EQ(complete_zeros("7", 2), "07");
    EXPECT_EQ(complete_espaces("07", 4), "07  ");
    EXPECT_EQ(complete_espaces("Février", 9), "Février  ") << "counts characters, not bytes";
    EXPECT_EQ(complete_zeros("123", 2), "123");
    EXPECT_EQ(complete_espaces(std::string(100, 'x'), 4), std::string(80, 'x')) << "cut to 80";
    EXPECT_EQ(complete_espaces("a", 120).size(), 80u) << "width at most 80";
}

TEST(Noms, LargeursDesTables)
{
    for (std::size_t j = 1; j <= 7; ++j) {
        EXPECT_EQ(platform::char_count(jours_semaine[j]), 9u) << jours_semaine[j];
    }
    for (std::size_t m = 1; m <= 13; ++m) {
        EXPECT_EQ(platform::char_count(mois_hebreux[m]), 7u) << mois_hebreux[m];
    }
    EXPECT_EQ(mois_civils_courts[4], "AL");
    EXPECT_EQ(mois_hebreux[14], "  ");
    EXPECT_EQ(nom_mois_hebreu(6, true), "Adar I ");
    EXPECT_EQ(nom_mois_hebreu(6, false), "Adar   ");
    EXPECT_EQ(nom_mois_hebreu(7, false), "Adar II");
}

// Entry 6 follows the last leap status computed, whichever year it was.
TEST(Noms, LeMois6SuitLaDerniereAnneeCalculee)
{
    CalendarEngine e;
    e.annee_hebr = 5784;
    e.annee_civile = 2024;
    e.calcule_annee();
    EXPECT_EQ(e.noms_mois_hebr[6], "Adar I ");
    e.annee_hebr = 5785;
    e.annee_civile = 2025;
    e.calcule_annee();
    EXPECT_EQ(e.noms_mois_hebr[6], "Adar   ");
    e.fixe_embolismique();
    e.annee_hebr = 5787;
    e.fixe_embolismique();
    EXPECT_EQ(e.noms_mois_hebr[6], "Adar I ");
}

TEST(LignesDuJour, DimancheCinqJanvier2025)
{
    CalendarEngine e;
    const platform::FixedClock horloge({2025, 1, 5});
    const DatesDuJour lignes = ecrit_dates_du_jour(e, horloge);
    EXPECT_EQ(lignes.ligne_date_civile, "Dimanche  05  Janvier 2025");
    EXPECT_EQ(lignes.ligne_date_hebraique, "Dimanche  05  Tevet   5785");
}

TEST(LignesDuJour, UnChabbat)
{
    CalendarEngine e;
    const platform::FixedClock horloge({2023, 9, 16});
    const DatesDuJour lignes = ecrit_dates_du_jour(e, horloge);
    EXPECT_EQ(lignes.ligne_date_civile, "Chabbat   16  Septembre 2023");
    EXPECT_EQ(lignes.ligne_date_hebraique, "Chabbat   01  Tichri  5784");
}

// September to December of the century years that are not leap years: the
// lines take the century term of the following spring like the conversion.
TEST(LignesDuJour, AnneesSeculairesNonBissextiles)
{
    struct Cas {
        platform::LocalDate jour;
        const char* hebreu;
    };
    const Cas cas[] = {
        {{1800, 12, 31}, "Mercredi  15  Tevet   5561"},
        {{2100, 9, 1}, "Mercredi  27  Av      5860"},
    };
    for (const Cas& c : cas) {
        CalendarEngine e;
        EXPECT_EQ(ecrit_dates_du_jour(e, platform::FixedClock(c.jour)).ligne_date_hebraique,
                  c.hebreu);
    }
    for (int annee : {1700, 1800, 1900, 2100, 2200, 2300}) {
        for (int mois = 9; mois <= 12; ++mois) {
            CalendarEngine e;
            const DatesDuJour lignes =
                ecrit_dates_du_jour(e, platform::FixedClock({annee, mois, 20}));
            CalendarEngine reference;
            reference.convertit_civil_hebreu(annee, mois, 20);
            EXPECT_EQ(lignes.ligne_date_hebraique,
                      ligne_date_hebraique(
                          reference, reference.jour_semaine,
                          {reference.annee_hebr, reference.mois_hebr, reference.jour_hebr}))
                << annee << '-' << mois;
        }
    }
}

TEST(LignesDuJour, MoisAdarSelonLAnnee)
{
    CalendarEngine e;
    EXPECT_EQ(ecrit_dates_du_jour(e, platform::FixedClock({2024, 2, 20})).ligne_date_hebraique,
              "Mardi     11  Adar I  5784");
    EXPECT_EQ(ecrit_dates_du_jour(e, platform::FixedClock({2025, 3, 1})).ligne_date_hebraique,
              "Chabbat   01  Adar    5785");
}

TEST(LignesDuJour, AnneesCivilesSansZero)
{
    EXPECT_EQ(annee_civile_ecrite(1), 1);
    EXPECT_EQ(annee_civile_ecrite(0), -1);
    EXPECT_EQ(annee_civile_ecrite(-1), -2);
    EXPECT_EQ(ligne_date_civile(2, {0, 1, 1}), "Lundi     01  Janvier -1");
}

TEST(LignesDuJour, AujourdhuiLuDeLHorloge)
{
    CalendarEngine e;
    lit_aujourdhui(e, platform::FixedClock({2026, 12, 9}));
    EXPECT_EQ(e.aujourdhui_annee, 2026);
    EXPECT_EQ(e.aujourdhui_mois, 12);
    EXPECT_EQ(e.aujourdhui_jour, 9);
}

} // namespace
} // namespace orvane::engine
