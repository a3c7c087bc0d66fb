// Day-page texts of a day and its week.

#include "engine/calendar_engine.h"
#include "events/festivals/week_texts.h"

#include <gtest/gtest.h>

namespace orvane::events
{
namespace
{

using engine::CalendarEngine;

TextesSemaine semaine(CalendarEngine& e, int a, int m, int j, bool diaspora = true)
{
    e.convertit_civil_hebreu(a, m, j);
    return libelles_semaine(e, diaspora);
}

TEST(LibellesSemaine, RochHachanaEtChabbatChouva)
{
    CalendarEngine e;
    const TextesSemaine t = semaine(e, 2024, 10, 2); // Wednesday 29 Eloul 5784
    ASSERT_EQ(t.lignes_semaine.size(), 2u);
    EXPECT_EQ(t.lignes_semaine[0], "Jeudi    Roch-Hachana--- 5785  *** CHANA TOVA***");
    EXPECT_EQ(t.ligne_chabbat, "Chabbat prochain  : Chouva  Paracha: Haazinou");
    EXPECT_EQ(t.textes_hebreux, (std::vector<std::string>{"hnch car"}));
    // The date held is given back.
    EXPECT_EQ(e.annee_civile, 2024);
    EXPECT_EQ(e.mois_civil, 10);
    EXPECT_EQ(e.jour_civil, 2);
    EXPECT_EQ(e.jour_hebr, 29);
    EXPECT_EQ(semaine(e, 2024, 10, 3).texte_jour, "Roch-Hachana--- 5785  *** CHANA TOVA***");
}

TEST(LibellesSemaine, AujourdhuiChabbat)
{
    CalendarEngine e;
    const TextesSemaine t = semaine(e, 2024, 12, 28); // Chabbat of 'Hanouka
    EXPECT_EQ(t.ligne_chabbat, "Aujourd'hui Chabbat: Paracha: Mikets");
    EXPECT_EQ(t.lignes_semaine.size(), 5u); // Sunday to Thursday of 'Hanouka, at most five
    EXPECT_EQ(t.lignes_semaine[0].substr(0, 9), "Dimanche ");
}

TEST(LibellesSemaine, RochHodechEtJoursDeLEtat)
{
    CalendarEngine e;
    const TextesSemaine t = semaine(e, 2025, 4, 27); // Sunday 29 Nissan 5785
    ASSERT_EQ(t.lignes_semaine.size(), 4u);
    EXPECT_EQ(t.lignes_semaine[0].rfind("Lundi    Roch-Hodech Iyar", 0), 0u) << t.lignes_semaine[0];
    EXPECT_EQ(t.lignes_semaine[2], "Mercredi Yom Hazikaron");
    EXPECT_EQ(t.lignes_semaine[3], "Jeudi    Yom Haatsmaout");
    EXPECT_EQ(t.ligne_omer, "On compte le 14e jour du Omer");
    EXPECT_EQ(t.ligne_chabbat, "Chabbat prochain  : Paracha: Tazria      Metsora");
    EXPECT_EQ(semaine(e, 2025, 4, 14).ligne_omer, "On compte le 1 er jour du Omer");
    EXPECT_EQ(semaine(e, 2025, 4, 30).texte_jour, "Yom Hazikaron");
    EXPECT_EQ(semaine(e, 1948, 5, 14).texte_jour, "Création Etat Juif");
}

// 5785: the Diaspora asks for rain from the evening before Thursday 5
// December 2024.
TEST(LibellesSemaine, BarekhAleinou)
{
    CalendarEngine e;
    EXPECT_EQ(semaine(e, 2024, 12, 4).note_guechamim, " Barekh 'Aleinou ce soir à 'Arvit");
    EXPECT_EQ(semaine(e, 2024, 12, 4, false).note_guechamim, "");
    EXPECT_EQ(semaine(e, 2024, 12, 5).note_guechamim, "");
    const TextesSemaine dimanche = semaine(e, 2024, 12, 1);
    ASSERT_FALSE(dimanche.lignes_semaine.empty());
    EXPECT_EQ(dimanche.lignes_semaine.back(), "Barekh 'Aleinou Mercredi 4 Décembre soir)");
}

TEST(LibellesSemaine, AuPlusCinqLignes)
{
    CalendarEngine e;
    for (int jour = 1; jour <= 31; ++jour) {
        const TextesSemaine t = semaine(e, 2024, 10, jour);
        EXPECT_LE(t.lignes_semaine.size(), 5u);
        EXPECT_FALSE(t.ligne_chabbat.empty());
    }
}

} // namespace
} // namespace orvane::events
