// Dates converted once by an independent public Hebrew-calendar library
// (tools/fixtures/hebcal_dates.mjs): the Rosh Hachana of every supported
// year and 3000 days spread over the range, both directions.

#include "engine/calendar_engine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace orvane::engine
{
namespace
{

struct Ligne {
    int annee_civile, mois_civil, jour_civil, jour_semaine, annee_hebr, mois_hebr, jour_hebr;
};

std::vector<Ligne> lit_dates()
{
    std::ifstream fichier(ORVANE_TEST_DATA_DIR "/engine/hebcal_dates.tsv");
    std::vector<Ligne> lignes;
    Ligne l{};
    while (fichier >> l.annee_civile >> l.mois_civil >> l.jour_civil >> l.jour_semaine >>
           l.annee_hebr >> l.mois_hebr >> l.jour_hebr) {
        lignes.push_back(l);
    }
    return lignes;
}

TEST(BibliothequeIndependante, LesDeuxSensConcordent)
{
    const std::vector<Ligne> lignes = lit_dates();
    ASSERT_EQ(lignes.size(), 12900u);
    CalendarEngine e;
    for (const Ligne& l : lignes) {
        std::ostringstream date;
        date << l.annee_civile << '-' << l.mois_civil << '-' << l.jour_civil;
        e.convertit_civil_hebreu(l.annee_civile, l.mois_civil, l.jour_civil);
        EXPECT_EQ(e.annee_hebr, l.annee_hebr) << date.str();
        EXPECT_EQ(e.mois_hebr, l.mois_hebr) << date.str();
        EXPECT_EQ(e.jour_hebr, l.jour_hebr) << date.str();
        EXPECT_EQ(e.jour_semaine, l.jour_semaine) << date.str();
        e.convertit_hebreu_civil(l.annee_hebr, l.mois_hebr, l.jour_hebr);
        EXPECT_EQ(e.annee_civile, l.annee_civile) << date.str();
        EXPECT_EQ(e.mois_civil, l.mois_civil) << date.str();
        EXPECT_EQ(e.jour_civil, l.jour_civil) << date.str();
        EXPECT_EQ(e.jour_semaine, l.jour_semaine) << date.str();
    }
}

} // namespace
} // namespace orvane::engine
