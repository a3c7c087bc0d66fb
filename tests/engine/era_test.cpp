// The first centuries of the Hebrew era, from 1 Tichri 1 (Monday 7 October
// −3760, Julian, astronomical year) to the end of the civil year 99: dates
// converted once by an independent public Hebrew-calendar library
// (tools/fixtures/hebcal_dates_era.mjs), both directions, and the two ends
// of the era that the calendar windows reach.

#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/date_validity.h"
#include "engine/dates.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace orvane::engine
{
namespace
{

struct Ligne {
    DateCivile civil;
    int jour_semaine = 0;
    DateHebraique hebreu;
};

std::vector<Ligne> lit_dates()
{
    std::ifstream fichier(ORVANE_TEST_DATA_DIR "/engine/hebcal_dates_era.tsv");
    std::vector<Ligne> lignes;
    Ligne l;
    while (fichier >> l.civil.annee >> l.civil.mois >> l.civil.jour >> l.jour_semaine >>
           l.hebreu.annee >> l.hebreu.mois >> l.hebreu.jour) {
        lignes.push_back(l);
    }
    return lignes;
}

TEST(EreHebraique, LaBibliothequeIndependanteConcordeDansLesDeuxSens)
{
    const std::vector<Ligne> lignes = lit_dates();
    ASSERT_EQ(lignes.size(), 10733u);
    CalendarEngine e;
    for (const Ligne& l : lignes) {
        e.convertit_civil_hebreu(l.civil.annee, l.civil.mois, l.civil.jour);
        EXPECT_EQ((DateHebraique{e.annee_hebr, e.mois_hebr, e.jour_hebr}), l.hebreu) << l.civil;
        EXPECT_EQ(e.jour_semaine, l.jour_semaine) << l.civil;
        e.convertit_hebreu_civil(l.hebreu.annee, l.hebreu.mois, l.hebreu.jour);
        EXPECT_EQ((DateCivile{e.annee_civile, e.mois_civil, e.jour_civil}), l.civil) << l.hebreu;
        EXPECT_EQ(e.jour_semaine, l.jour_semaine) << l.hebreu;
    }
}

// The fixture holds 1 Tichri and 29 Eloul of every year from 1 to 3860: the
// year lengths it implies are the six lengths a Hebrew year can have.
TEST(EreHebraique, LesAnneesDeLaBibliothequeOntDesLongueursPermises)
{
    const std::vector<Ligne> lignes = lit_dates();
    for (std::size_t i = 0; i + 1 < 2 * 3860; i += 2) {
        const Ligne& tichri = lignes[i];
        const Ligne& eloul = lignes[i + 1];
        ASSERT_EQ(tichri.hebreu, (DateHebraique{static_cast<int>(i / 2) + 1, 1, 1}));
        const std::int64_t longueur =
            numero_du_civil(eloul.civil) - numero_du_civil(tichri.civil) + 1;
        EXPECT_TRUE(longueur == 353 || longueur == 354 || longueur == 355 || longueur == 383 ||
                    longueur == 384 || longueur == 385)
            << tichri.hebreu << ": " << longueur;
    }
}

TEST(EreHebraique, PremierJourLundi1Tichri1)
{
    CalendarEngine e;
    e.convertit_civil_hebreu(premier_jour_ere.annee, premier_jour_ere.mois, premier_jour_ere.jour);
    EXPECT_EQ((DateHebraique{e.annee_hebr, e.mois_hebr, e.jour_hebr}), premier_jour_ere_hebreu);
    EXPECT_EQ(e.jour_semaine, 2) << "Lundi";
    EXPECT_EQ(jour_semaine(premier_jour_ere), 2);
    EXPECT_EQ(civil_de_l_hebreu(premier_jour_ere_hebreu), premier_jour_ere);
    EXPECT_EQ(annee_civile_ecrite(premier_jour_ere.annee), -3761) << "written without a year 0";
}

TEST(EreHebraique, DernierJour31Decembre9999)
{
    EXPECT_EQ(hebraique_du_civil(dernier_jour_ere), dernier_jour_ere_hebreu);
    EXPECT_EQ(civil_de_l_hebreu(dernier_jour_ere_hebreu), dernier_jour_ere);
    EXPECT_EQ(lendemain(dernier_jour_ere_hebreu), (DateHebraique{13760, 2, 29}));
}

TEST(EreHebraique, LesDeuxBoutsDeLEre)
{
    EXPECT_TRUE(dans_l_ere(premier_jour_ere));
    EXPECT_FALSE(dans_l_ere(veille(premier_jour_ere)));
    EXPECT_FALSE(dans_l_ere(DateCivile{-3760, 9, 30}));
    EXPECT_FALSE(dans_l_ere(DateCivile{-3761, 12, 31}));
    EXPECT_TRUE(dans_l_ere(DateCivile{0, 6, 1}));
    EXPECT_TRUE(dans_l_ere(dernier_jour_ere));
    EXPECT_FALSE(dans_l_ere(lendemain(dernier_jour_ere)));

    EXPECT_TRUE(dans_l_ere(premier_jour_ere_hebreu));
    EXPECT_FALSE(dans_l_ere(DateHebraique{0, 13, 29}));
    EXPECT_FALSE(dans_l_ere(DateHebraique{1, 1, 0}));
    EXPECT_TRUE(dans_l_ere(DateHebraique{13759, 13, 29}));
    EXPECT_TRUE(dans_l_ere(dernier_jour_ere_hebreu));
    EXPECT_FALSE(dans_l_ere(DateHebraique{13760, 2, 29}));
    EXPECT_FALSE(dans_l_ere(DateHebraique{13760, 3, 1}));
}

// The other windows keep the years they always had: the era is a bound of
// its own.
TEST(EreHebraique, LesAutresFenetresGardentLeursBornes)
{
    EXPECT_EQ(annee_civile_min, 100);
    EXPECT_EQ(annee_hebr_min, 3860);
    EXPECT_TRUE(erreur_date_civile({99, 12, 31}).has_value());
    EXPECT_TRUE(erreur_date_hebraique({3859, 1, 1}).has_value());
    EXPECT_TRUE(erreur_date_civile(premier_jour_ere).has_value());
}

} // namespace
} // namespace orvane::engine
