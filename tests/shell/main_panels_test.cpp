// The smaller panels of the main window: moon, year panel, place label,
// texts for another day, anniversaries, Bar-Mitsva and the caption.
#include "engine/date_validity.h"
#include "platform/clock.h"
#include "records/day_lines.h"
#include "shell/day/day_page_contents.h"
#include "shell/main_form/caption.h"
#include "shell/main_form/main_panels.h"

#include <gtest/gtest.h>

namespace orvane::shell
{
namespace
{

TEST(Lune, LibelleDeLaPhase)
{
    EXPECT_EQ(libelle_phase_lune(1), "Lune invisible");
    EXPECT_EQ(libelle_phase_lune(2), "Lune croissante");
    EXPECT_EQ(libelle_phase_lune(14), "Lune croissante");
    EXPECT_EQ(libelle_phase_lune(15), "Pleine lune");
    EXPECT_EQ(libelle_phase_lune(16), "Lune décroissante");
    EXPECT_EQ(libelle_phase_lune(28), "Lune décroissante");
    EXPECT_EQ(libelle_phase_lune(29), "Lune invisible");
    EXPECT_EQ(libelle_phase_lune(30), "Lune invisible");
}

// The lit part grows to the full moon of the 15th, then shrinks; the new
// moon shows nothing.
TEST(Lune, PartieEclairee)
{
    for (int j : {1, 29, 30}) {
        EXPECT_EQ(phase_lune(j).fraction, 0.0) << j;
    }
    for (int j = 2; j < 15; ++j) {
        EXPECT_LT(phase_lune(j).fraction, phase_lune(j + 1).fraction) << j;
        EXPECT_TRUE(phase_lune(j).croissante);
    }
    for (int j = 15; j < 28; ++j) {
        EXPECT_GT(phase_lune(j).fraction, phase_lune(j + 1).fraction) << j;
    }
    EXPECT_GT(phase_lune(15).fraction, 0.99);
    EXPECT_NEAR(phase_lune(8).fraction, 0.5, 0.06); // first quarter
    EXPECT_NEAR(phase_lune(22).fraction, 0.5, 0.1); // last quarter
    EXPECT_FALSE(phase_lune(20).croissante);
}

TEST(PanneauAnnee, Libelle)
{
    EXPECT_EQ(libelle_annee_panneau(5785), "civile  2024 / 2025 = 5785  hébraïque");
}

TEST(PanneauAnnee, JoursImportants)
{
    const std::vector<std::string> diaspora = jours_importants(5785, true);
    const std::vector<std::string> israel = jours_importants(5785, false);
    ASSERT_FALSE(diaspora.empty());
    EXPECT_EQ(diaspora.front(),
              "F Roch Hachana    : Jeudi     3  Octobre   2024  ==>  1 Tichri  5785");
    // Simha Torah and the second days are kept only in the Diaspora.
    EXPECT_GT(diaspora.size(), israel.size());
    for (const std::string& l : diaspora) {
        EXPECT_TRUE(l[0] == 'F' || l[0] == 'f' || l[0] == ' ') << l;
    }
}

TEST(DateMontree, LibellesDuJourEtDeLaVille)
{
    EXPECT_EQ(libelle_ville("PARIS (75)", true), "Ville : PARIS (75)   Aujourd'hui  :");
    EXPECT_EQ(libelle_ville("PARIS (75)", false), "Ville : PARIS (75)   Date  :");
    EXPECT_EQ(libelle_pour_la_date("Aujourd'hui Chabbat: Zakhor", false),
              "Ce jour Chabbat: Zakhor");
    EXPECT_EQ(libelle_pour_la_date("Aujourd'hui Chabbat: Zakhor", true),
              "Aujourd'hui Chabbat: Zakhor");
    EXPECT_EQ(libelle_pour_la_date("Chabbat prochain", false), "Chabbat prochain");
    EXPECT_EQ(titre_anniversaires(15), "   15  Prochains anniversaires civils");
}

TEST(Anniversaires, UnSeulAnniversaire)
{
    const auto a = anniversaires_suivants({5784, 10, 15}, {2024, 6, 21}, {2024, 6, 21}, 1);
    ASSERT_EQ(a.lignes.size(), 1u);
    EXPECT_EQ(a.lignes[0], "Mer 11 Juin 2025 :15 Sivan   5785");
}

// A date shown before today: the list begins with the first anniversary
// that is not already past.
TEST(Anniversaires, JamaisUneDateDejaPassee)
{
    const engine::DateCivile aujourdhui{2024, 6, 21};
    for (const engine::DateCivile montree :
         {engine::DateCivile{1990, 3, 1}, engine::DateCivile{2024, 6, 20},
          engine::DateCivile{2023, 12, 31}, engine::DateCivile{1950, 6, 22}}) {
        const records::JourComplet j = records::jour_du_civil(montree);
        const auto a = anniversaires_suivants(j.hebraique, montree, aujourdhui, 15);
        ASSERT_EQ(a.jours.size(), 15u);
        EXPECT_GE(a.jours.front().civile, aujourdhui) << montree.annee;
        for (std::size_t k = 1; k < a.jours.size(); ++k) {
            EXPECT_EQ(a.jours[k].hebraique.annee, a.jours[k - 1].hebraique.annee + 1);
        }
    }
}

// Near the last year of the calendar the list stops there.
TEST(Anniversaires, BorneeParLaDerniereAnnee)
{
    const engine::DateHebraique fin{engine::annee_hebr_max - 5, 1, 10};
    const records::JourComplet j = records::jour_de_l_hebreu(fin);
    const auto a = anniversaires_suivants(fin, j.civile, {2024, 6, 21}, 15);
    EXPECT_LT(a.lignes.size(), 15u);
    for (const records::JourComplet& d : a.jours) {
        EXPECT_LE(d.hebraique.annee, engine::annee_hebr_max);
    }
}

TEST(BarMitsva, AdarEntreAnneesCommunesEtEmbolismiques)
{
    // 30 Adar I 5771 (leap) to 5784 (leap) for a boy, 5783 (common) for a girl.
    const auto garcon = panneau_bar_mitsva({5771, 6, 30}, false, true);
    ASSERT_TRUE(garcon);
    EXPECT_EQ(garcon->date.hebraique, (engine::DateHebraique{5784, 6, 30}));
    const auto fille = panneau_bar_mitsva({5771, 6, 30}, true, true);
    ASSERT_TRUE(fille);
    EXPECT_EQ(fille->date.hebraique, (engine::DateHebraique{5783, 8, 1}));
    EXPECT_EQ(fille->ligne_chabbat.rfind("Chabbat Bat-M. ", 0), 0u);
    // Adar of the common year 5785 into the leap year 5798: Adar II.
    const auto adar = panneau_bar_mitsva({5785, 6, 14}, false, true);
    ASSERT_TRUE(adar);
    EXPECT_EQ(adar->date.hebraique, (engine::DateHebraique{5798, 7, 14}));
    EXPECT_FALSE(panneau_bar_mitsva({engine::annee_hebr_max - 5, 1, 1}, false, true));
}

TEST(Titre, LegendeDeLaFenetre)
{
    const platform::FixedClock horloge({2024, 6, 21});
    EXPECT_EQ(titre_fenetre(horloge, "les heures d'été ou d'hiver"),
              "Orvane - Aujourd'hui :  Vendredi  21  Juin 2024 - Vendredi  15  Sivan   5784     "
              "(Le programme est configuré selon les heures d'été ou d'hiver)");
}

} // namespace
} // namespace orvane::shell
