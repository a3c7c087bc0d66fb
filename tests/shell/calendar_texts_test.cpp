// The texts of the two calendar windows: dates, kinds of years, cycles and
// status lines of the worked days.

#include "shell/calendars/calendar_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::shell
{
namespace
{

TEST(TextesCalendriers, PremierJourDeLEre)
{
    const JourDesCalendriers j = jour_du_civil({-3760, 10, 7}, true);
    EXPECT_EQ(j.date_hebraique, "Lundi 1 Tichri 1");
    EXPECT_EQ(j.date_civile, "Lundi 7 Octobre -3761");
    EXPECT_EQ(j.types_annees, "Année civile bissextile - Année hébraïque commune (12 mois)")
        << "−3760 is a Julian leap year, as every fourth year";
    const JourDesCalendriers h = jour_de_l_hebreu({1, 1, 1}, true);
    EXPECT_EQ(h.date_civile, j.date_civile);
    EXPECT_EQ(h.date_hebraique, j.date_hebraique);
}

TEST(TextesCalendriers, LaReforme)
{
    const JourDesCalendriers avant = jour_du_civil({1582, 10, 4}, true);
    EXPECT_EQ(avant.date_civile, "Jeudi 4 Octobre 1582");
    EXPECT_TRUE(avant.octobre_1582);
    const JourDesCalendriers apres = jour_du_civil({1582, 10, 15}, true);
    EXPECT_EQ(apres.date_civile, "Vendredi 15 Octobre 1582");
    EXPECT_EQ(apres.date_hebraique, "Vendredi 19 Tichri 5343");
    EXPECT_FALSE(jour_du_civil({1582, 11, 1}, true).octobre_1582);
    EXPECT_FALSE(jour_du_civil({1583, 10, 1}, true).octobre_1582);
}

TEST(TextesCalendriers, AnneeZeroAstronomique)
{
    const JourDesCalendriers j = jour_du_civil({0, 3, 1}, true);
    EXPECT_TRUE(j.date_civile.ends_with(" 1 Mars -1")) << j.date_civile;
    EXPECT_TRUE(j.civile_bissextile);
    EXPECT_TRUE(j.types_annees.starts_with("Année civile bissextile")) << j.types_annees;
    EXPECT_TRUE(jour_du_civil({1, 3, 1}, true).date_civile.ends_with(" 1 Mars 1"));
}

TEST(TextesCalendriers, TypesDesAnnees)
{
    EXPECT_EQ(texte_types_annees(true, true),
              "Année civile bissextile - Année hébraïque embolismique (13 mois)");
    EXPECT_EQ(texte_types_annees(false, false),
              "Année civile commune - Année hébraïque commune (12 mois)");
    EXPECT_EQ(jour_de_l_hebreu({5784, 7, 1}, true).date_hebraique, "Lundi 1 Adar II 5784");
    EXPECT_EQ(jour_de_l_hebreu({5784, 6, 1}, true).date_hebraique, "Chabbat 1 Adar I 5784");
    EXPECT_EQ(jour_de_l_hebreu({5785, 6, 1}, true).date_hebraique, "Chabbat 1 Adar 5785");
}

TEST(TextesCalendriers, Cycles)
{
    const TextesCycles c = textes_cycles(5785);
    EXPECT_EQ(c.solaire, "17e année du 207e cycle solaire");
    EXPECT_EQ(c.lunaire, "9e année du 305e cycle lunaire - année commune");
    EXPECT_EQ(c.chemita, "3e année du 827e cycle de chemita");
    EXPECT_EQ(textes_cycles(5784).lunaire, "8e année du 305e cycle lunaire - année embolismique");
    const TextesCycles premiere = textes_cycles(1);
    EXPECT_EQ(premiere.solaire, "1re année du 1e cycle solaire");
    EXPECT_EQ(premiere.chemita, "1re année du 1e cycle de chemita");
    EXPECT_EQ(textes_cycles(5769).solaire, "1re année du 207e cycle solaire");
    EXPECT_EQ(textes_cycles(5768).chemita, "7e année du 824e cycle de chemita");
}

TEST(TextesCalendriers, Omer)
{
    EXPECT_EQ(texte_omer_du_jour({5785, 8, 15}), "");
    EXPECT_EQ(texte_omer_du_jour({5785, 8, 16}), " 1er jour de Omer");
    EXPECT_EQ(texte_omer_du_jour({5785, 8, 30}), " 15e jour de Omer");
    EXPECT_EQ(texte_omer_du_jour({5785, 9, 1}), " 16e jour de Omer");
    EXPECT_EQ(texte_omer_du_jour({5785, 10, 5}), " 49e jour de Omer");
    EXPECT_EQ(texte_omer_du_jour({5785, 10, 6}), "");
    EXPECT_EQ(texte_omer_du_jour({5784, 8, 16}), " 1er jour de Omer") << "leap year";
}

TEST(TextesCalendriers, HeuresAVirgule)
{
    EXPECT_EQ(heure_decimale(3.0), "3,0");
    EXPECT_EQ(heure_decimale(13.56), "13,6");
    EXPECT_EQ(heure_et_minutes(3.25), "3h15mn");
    EXPECT_EQ(heure_et_minutes(21.0), "21h00mn");
}

// Every text of the line for the worked days: the festival, the Omer
// count, the reading of a Sabbath, the civil leap year, the seasons.
TEST(TextesCalendriers, LignesDEtat)
{
    for (const auto& [date, attendu] : {
             std::pair{engine::DateHebraique{5785, 8, 16}, "Pessa'h 1er jour de Omer"},
             std::pair{engine::DateHebraique{5785, 10, 5}, " 49e jour de Omer"},
             std::pair{engine::DateHebraique{5785, 1, 24}, " Paracha : Berèchit Bisextile"},
             std::pair{engine::DateHebraique{5785, 1, 1}, "Roch Hachana Bisextile"},
             std::pair{engine::DateHebraique{5784, 8, 16}, "Pessa'h 1er jour de Omer Bisextile"},
         }) {
        const JourDesCalendriers j = jour_de_l_hebreu(date, true);
        EXPECT_EQ(etat_fenetre_hebraique(j), attendu) << date;
        EXPECT_EQ(etat_fenetre_civile(j), attendu) << date;
    }
    // In Israel the second day of Pessa'h is an intermediate day.
    EXPECT_TRUE(jour_de_l_hebreu({5785, 8, 16}, false).etat.ends_with(" 1er jour de Omer"));
    EXPECT_NE(jour_de_l_hebreu({5785, 8, 16}, false).etat, "Pessa'h 1er jour de Omer");

    // 5785: the season of Tichri on 7 October 2024 at 3 h, and rain asked
    // for from the evening before 5 December 2024 in the Diaspora.
    const JourDesCalendriers tichri = jour_du_civil({2024, 10, 7}, true);
    EXPECT_EQ(etat_fenetre_hebraique(tichri), "Tékoufa de TICHRI à 3,0h");
    EXPECT_EQ(etat_fenetre_civile(tichri), " Bisextile Tk 3h00mn");
    EXPECT_EQ(etat_fenetre_civile(jour_du_civil({2024, 12, 4}, true)), " Bisextile Guéchamim");
    EXPECT_EQ(etat_fenetre_civile(jour_du_civil({2024, 12, 4}, false)), " Bisextile");
    EXPECT_EQ(etat_fenetre_civile(jour_du_civil({2024, 12, 5}, true)), " Bisextile");
}

// The seasons of a year come 91 days 7 hours 30 minutes apart: the hour of
// each one on the line is that of the one before plus 7,5 hours.
TEST(TextesCalendriers, LesQuatreSaisonsDUneAnnee)
{
    const std::vector<std::string> attendu = {
        "Tékoufa de TICHRI à 3,0h", "Tékoufa de TEVET à 10,5h", "Tékoufa de NISSAN à 18,0h",
        "Tékoufa de TAMOUZ à 1,5h"};
    std::vector<std::string> lignes;
    for (engine::DateCivile d{2024, 10, 1}; d < engine::DateCivile{2025, 9, 1};
         d = engine::lendemain(d)) {
        const JourDesCalendriers j = jour_du_civil(d, true);
        if (!j.tekoufa.empty()) {
            lignes.push_back(etat_fenetre_hebraique(j));
        }
    }
    EXPECT_EQ(lignes, attendu);
}

} // namespace
} // namespace orvane::shell
