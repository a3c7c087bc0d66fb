// The conversion panel of the main window without its widgets: the worked
// examples of its roll-over rules and invalid states, then day and month
// steps walked over whole years against the calendar's own steps.
#include "engine/calendar_engine.h"
#include "engine/date_validity.h"
#include "engine/dates.h"
#include "engine/month_grid_steps.h"
#include "shell/main_form/conversion_panel.h"

#include <gtest/gtest.h>

namespace orvane::shell
{
namespace
{

using engine::DateCivile;
using engine::DateHebraique;

DateHebraique hebreu_de(DateCivile d)
{
    engine::CalendarEngine e;
    e.convertit_civil_hebreu(d.annee, d.mois, d.jour);
    return {e.annee_hebr, e.mois_hebr, e.jour_hebr};
}

TEST(PanneauConversion, JourCivil32Le31DecembreDonneLe1erJanvier)
{
    PanneauConversion p({2024, 12, 31});
    EXPECT_TRUE(p.change_jour_civil(32));
    EXPECT_EQ(p.date_civile(), (DateCivile{2025, 1, 1}));
    EXPECT_EQ(p.date_hebraique(), (DateHebraique{5785, 4, 1})); // 1 Tevet 5785
    EXPECT_EQ(p.nom_mois_civil(), "Janvier");
    EXPECT_EQ(p.nom_jour(), "Mercredi");
}

TEST(PanneauConversion, JourCivil0Le1erJanvierDonneLe31Decembre)
{
    PanneauConversion p({2025, 1, 1});
    EXPECT_TRUE(p.change_jour_civil(0));
    EXPECT_EQ(p.date_civile(), (DateCivile{2024, 12, 31}));
    PanneauConversion mars({2024, 3, 1});
    mars.change_jour_civil(0);
    EXPECT_EQ(mars.date_civile(), (DateCivile{2024, 2, 29})); // leap year
}

TEST(PanneauConversion, Le31JanvierPasseEnFevrierEstIncorrectPuisRevient)
{
    PanneauConversion p({2024, 1, 31});
    const DateHebraique avant = p.date_hebraique();
    EXPECT_FALSE(p.change_mois_civil(2));
    EXPECT_EQ(p.etat(), EtatPanneau::civile_invalide);
    EXPECT_EQ(p.message(), "Cette date civile est incorrecte");
    EXPECT_EQ(p.date_civile(), (DateCivile{2024, 2, 31})); // the boxes keep what was typed
    EXPECT_TRUE(p.change_mois_civil(1));
    EXPECT_EQ(p.etat(), EtatPanneau::valide);
    EXPECT_TRUE(p.message().empty());
    EXPECT_EQ(p.date_hebraique(), avant);
}

TEST(PanneauConversion, MoisCivil13Et0ChangentDAnnee)
{
    PanneauConversion p({2024, 12, 15});
    p.change_mois_civil(13);
    EXPECT_EQ(p.date_civile(), (DateCivile{2025, 1, 15}));
    p.change_mois_civil(0);
    EXPECT_EQ(p.date_civile(), (DateCivile{2024, 12, 15}));
}

TEST(PanneauConversion, AnneeCivile)
{
    PanneauConversion p({2024, 2, 29});
    EXPECT_FALSE(p.change_annee_civile(0)); // ignored
    EXPECT_EQ(p.date_civile(), (DateCivile{2024, 2, 29}));
    EXPECT_EQ(p.etat(), EtatPanneau::valide);
    EXPECT_FALSE(p.change_annee_civile(2023)); // no 29 February in 2023
    EXPECT_EQ(p.etat(), EtatPanneau::civile_invalide);
    EXPECT_TRUE(p.change_annee_civile(2028));
    EXPECT_EQ(p.date_hebraique(), hebreu_de({2028, 2, 29}));
}

// Years the conversions do not reach make the date invalid instead of
// converting wrongly; the message names the limits.
TEST(PanneauConversion, AnneeHorsDesLimites)
{
    PanneauConversion p({2024, 5, 1});
    EXPECT_FALSE(p.change_annee_civile(50));
    EXPECT_EQ(p.etat(), EtatPanneau::civile_invalide);
    EXPECT_EQ(p.message(),
              "Cette date civile est incorrecte\r" + engine::message_annees_hors_limites());
    EXPECT_TRUE(p.change_annee_civile(150));
    EXPECT_FALSE(p.change_annee_hebraique(14000));
    EXPECT_EQ(p.etat(), EtatPanneau::hebraique_invalide);
    EXPECT_NE(p.message().find("max 13759"), std::string::npos);
}

// The ten days dropped by the reform are stepped over in both directions.
TEST(PanneauConversion, Octobre1582)
{
    PanneauConversion p({1582, 10, 4});
    p.change_jour_civil(5);
    EXPECT_EQ(p.date_civile(), (DateCivile{1582, 10, 15}));
    EXPECT_EQ(p.jour_semaine(), 6); // Friday 15 October 1582
    p.change_jour_civil(14);
    EXPECT_EQ(p.date_civile(), (DateCivile{1582, 10, 4}));
    EXPECT_EQ(p.jour_semaine(), 5); // Thursday 4 October 1582
}

// 5785 is a common year: stepping the month passes over Adar II.
TEST(PanneauConversion, MoisHebreuAnneeCommune)
{
    PanneauConversion p({2025, 3, 1}); // 1 Adar 5785
    ASSERT_EQ(p.date_hebraique(), (DateHebraique{5785, 6, 1}));
    EXPECT_TRUE(p.change_mois_hebreu(7));
    EXPECT_EQ(p.mois_hebr(), 8);
    EXPECT_TRUE(p.change_mois_hebreu(7));
    EXPECT_EQ(p.mois_hebr(), 6);
    EXPECT_EQ(p.nom_mois_hebreu(), "Adar   ");
    PanneauConversion leap({2024, 3, 1}); // Adar I 5784
    EXPECT_EQ(leap.nom_mois_hebreu(), "Adar I ");
    EXPECT_TRUE(leap.change_mois_hebreu(7));
    EXPECT_EQ(leap.mois_hebr(), 7);
}

TEST(PanneauConversion, MoisHebreuHorsDeLAnnee)
{
    PanneauConversion p({2024, 9, 10}); // 7 Eloul 5784
    p.change_mois_hebreu(14);
    EXPECT_EQ(p.date_hebraique(), (DateHebraique{5785, 1, 7}));
    p.change_mois_hebreu(0);
    EXPECT_EQ(p.date_hebraique(), (DateHebraique{5784, 13, 7}));
    p.change_mois_hebreu(-1);
    EXPECT_EQ(p.date_hebraique(), (DateHebraique{5783, 13, 7}));
}

TEST(PanneauConversion, JourHebreuAuBordDuMois)
{
    PanneauConversion p({2025, 3, 1}); // 1 Adar 5785, common
    p.change_jour_hebreu(30);          // Adar has 29 days
    EXPECT_EQ(p.date_hebraique(), (DateHebraique{5785, 8, 1}));
    p.change_jour_hebreu(0);
    EXPECT_EQ(p.date_hebraique(), (DateHebraique{5785, 6, 29}));
    p.montre_date_hebraique({5784, 13, 29});
    p.change_jour_hebreu(30);
    EXPECT_EQ(p.date_hebraique(), (DateHebraique{5785, 1, 1}));
    p.change_jour_hebreu(0);
    EXPECT_EQ(p.date_hebraique(), (DateHebraique{5784, 13, 29}));
    EXPECT_EQ(p.date_civile(), (DateCivile{2024, 10, 2}));
}

// 30 Hechvan 5785 exists (a complete year); Hechvan 5784 has 29 days.
TEST(PanneauConversion, Le30HechvanDansUneAnneeDe29Jours)
{
    PanneauConversion p({2024, 12, 1});
    ASSERT_EQ(p.date_hebraique(), (DateHebraique{5785, 2, 30}));
    EXPECT_FALSE(p.change_annee_hebraique(5784));
    EXPECT_EQ(p.etat(), EtatPanneau::hebraique_invalide);
    EXPECT_EQ(p.message(), "Cette date hébraïque est incorrecte");
    EXPECT_TRUE(p.change_annee_hebraique(5785));
    EXPECT_EQ(p.date_civile(), (DateCivile{2024, 12, 1}));
}

TEST(PanneauConversion, AdarIIDansUneAnneeCommune)
{
    PanneauConversion p({2024, 3, 20}); // 10 Adar II 5784
    ASSERT_EQ(p.mois_hebr(), 7);
    EXPECT_FALSE(p.change_annee_hebraique(5785));
    EXPECT_EQ(p.etat(), EtatPanneau::hebraique_invalide);
}

TEST(PanneauConversion, Resume)
{
    PanneauConversion p({2024, 10, 3});
    EXPECT_EQ(p.resume(),
              std::string(10, ' ') + "Octobre  2024" + std::string(27, ' ') + "Tichri   5785");
}

// Every day of eleven years, stepped by the civil day box, is the next civil
// day, and its Hebrew side is its conversion.
TEST(PanneauConversion, LeJourCivilSuivantSurOnzeAns)
{
    PanneauConversion p({2019, 12, 25});
    DateCivile attendu{2019, 12, 25};
    for (int i = 0; i < 11 * 366; ++i) {
        attendu = engine::lendemain(attendu);
        ASSERT_TRUE(p.change_jour_civil(p.jour_civil() + 1));
        ASSERT_EQ(p.date_civile(), attendu) << i;
        ASSERT_EQ(p.date_hebraique(), hebreu_de(attendu));
    }
    for (int i = 0; i < 400; ++i) {
        attendu = engine::veille(attendu);
        ASSERT_TRUE(p.change_jour_civil(p.jour_civil() - 1));
        ASSERT_EQ(p.date_civile(), attendu);
    }
}

// The same with the Hebrew day box: the next Hebrew day every time, never a
// month the year does not have, and the civil side one day further.
TEST(PanneauConversion, LeJourHebreuSuivantSurOnzeAns)
{
    PanneauConversion p({2019, 1, 1});
    DateHebraique attendu = p.date_hebraique();
    DateCivile civile = p.date_civile();
    for (int i = 0; i < 11 * 385; ++i) {
        attendu = engine::lendemain(attendu);
        civile = engine::lendemain(civile);
        ASSERT_TRUE(p.change_jour_hebreu(p.jour_hebr() + 1));
        ASSERT_EQ(p.date_hebraique(), attendu) << i;
        ASSERT_EQ(p.date_civile(), civile);
        ASSERT_TRUE(engine::date_hebraique_existe(attendu));
    }
}

// Stepping the month up through nineteen years (a whole cycle) visits each
// month of each year once, in order, and back down the same way.
TEST(PanneauConversion, LesMoisDUnCycleUnAUn)
{
    PanneauConversion p({2014, 9, 25}); // 1 Tichri 5775
    ASSERT_EQ(p.date_hebraique(), (DateHebraique{5775, 1, 1}));
    engine::MoisHebreu m{5775, 1};
    int mois = 0;
    while (m.annee < 5775 + 19) {
        m = engine::mois_suivant(m);
        ASSERT_TRUE(p.change_mois_hebreu(p.mois_hebr() + 1));
        ASSERT_EQ(p.annee_hebr(), m.annee);
        ASSERT_EQ(p.mois_hebr(), m.mois);
        ++mois;
    }
    EXPECT_EQ(mois, 235); // the months of one cycle
    while (m.annee > 5775 || m.mois > 1) {
        m = engine::mois_precedent(m);
        ASSERT_TRUE(p.change_mois_hebreu(p.mois_hebr() - 1));
        ASSERT_EQ(p.mois_hebr(), m.mois);
    }
    EXPECT_EQ(p.date_hebraique(), (DateHebraique{5775, 1, 1}));
}

} // namespace
} // namespace orvane::shell
