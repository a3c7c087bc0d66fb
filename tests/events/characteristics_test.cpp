// Characteristic texts of a year and the block of the festivals window.

#include "engine/calendar_engine.h"
#include "events/years/characteristics.h"

#include <gtest/gtest.h>

namespace orvane::events
{
namespace
{

using engine::CalendarEngine;

TEST(CaracteristiquesAnnee, Annee5785)
{
    CalendarEngine e;
    e.convertit_civil_hebreu(2025, 1, 5);
    e.annee_hebr = 5785;
    const CaracteristiquesAnnee c = caracteristiques_annee(e);
    EXPECT_EQ(c.texte_type, "L'année 5785 est du type HA CHA A");
    EXPECT_EQ(c.texte_longueur, "Commune  12 mois : 355 jours");
    EXPECT_EQ(c.signe_hebreu, "ach");
    EXPECT_EQ(c.mot_hebreu, "hfwcp");
    EXPECT_EQ(c.texte_cycle_lunaire, "9e année du 305e cycle lunaire");
    EXPECT_EQ(c.texte_cycle_solaire, "17e année du 207e cycle solaire");
    EXPECT_EQ(c.texte_birkat_hahama, " ");
    EXPECT_EQ(c.texte_chemita, "3e  année du cycle de Chemita");
    // The date fields are given back.
    EXPECT_EQ(e.annee_civile, 2025);
    EXPECT_EQ(e.mois_civil, 1);
    EXPECT_EQ(e.jour_civil, 5);
    EXPECT_EQ(e.mois_hebr, 4);
    EXPECT_EQ(e.jour_hebr, 5);
    EXPECT_EQ(e.jour_semaine, 1);
    EXPECT_EQ(e.nb_mois, 12);
    EXPECT_EQ(e.kislev, 30);
}

TEST(CaracteristiquesAnnee, AnneeEmbolismiqueEtChemita)
{
    CalendarEngine e;
    e.annee_hebr = 5784;
    const CaracteristiquesAnnee c = caracteristiques_annee(e);
    EXPECT_EQ(c.texte_longueur, "Embolismique  13 mois : 383 jours");
    EXPECT_EQ(c.mot_hebreu, "trbwum");
    e.annee_hebr = 5782;
    EXPECT_EQ(caracteristiques_annee(e).texte_chemita, "Année de Chemita");
    e.annee_hebr = 5783;
    EXPECT_EQ(caracteristiques_annee(e).texte_chemita, "1re  année du cycle de Chemita");
    e.annee_hebr = 5777;
    EXPECT_EQ(caracteristiques_annee(e).texte_cycle_lunaire, "1re année du 305e cycle lunaire");
}

// The blessing of the sun is said on the Wednesday after the season of
// Nissan of the first year of the solar cycle: 8 April 2009, 8 April 2037.
TEST(CaracteristiquesAnnee, BirkatHahama)
{
    CalendarEngine e;
    e.annee_hebr = 5769;
    CaracteristiquesAnnee c = caracteristiques_annee(e);
    EXPECT_EQ(c.texte_cycle_solaire, "1ère année du 207e cycle solaire");
    EXPECT_EQ(c.texte_birkat_hahama, "Bircat HA'HAMA : Mercredi 8 Avril 2009");
    e.annee_hebr = 5797;
    EXPECT_EQ(caracteristiques_annee(e).texte_birkat_hahama,
              "Bircat HA'HAMA : Mercredi 8 Avril 2037");
}

// The day after the season is a real date: the season falls on the last
// day of a month in some years, which gave "31 Avril" when the day number
// was merely raised by one.
TEST(CaracteristiquesAnnee, BirkatHahamaToujoursUneVraieDate)
{
    CalendarEngine e;
    for (int annee = 3865; annee <= 13759; annee += 28) {
        e.annee_hebr = annee;
        const std::string t = caracteristiques_annee(e).texte_birkat_hahama;
        ASSERT_EQ(t.rfind("Bircat HA'HAMA : Mercredi ", 0), 0u) << annee << " " << t;
        ASSERT_EQ(t.find("31 Avril"), std::string::npos) << t;
        ASSERT_EQ(t.find(" 32 "), std::string::npos) << t;
        ASSERT_EQ(t.find(" 0 "), std::string::npos) << t;
    }
}

TEST(BlocCaracteristiques, Annee5785)
{
    CalendarEngine e;
    const std::vector<std::string> attendu = {
        "    L'année 5785 est du type HA CHA A : correspond à 2024/2025 du calendrier civil.",
        "          Une année commune - 12 mois 355 jours",
        "          Roch-Hachana est un Jeudi    ",
        "          Pessa'h est un Dimanche ",
        "          'Hechvan comporte 30 jours et Kislev 30",
        "    C'est la 9e  année du 305e cycle lunaire",
        "          la 17e année du 207e cycle solaire",
        "          la 3e  année du 827e cycle de chemita",
        "          la 9e  année de la série n° 61",
        "",
    };
    EXPECT_EQ(bloc_caracteristiques(e, 5785), attendu);
    EXPECT_EQ(e.annee_hebr, 5785);
}

} // namespace
} // namespace orvane::events
