// Lines of the festivals window and of the main window, and the text of a
// year of the festivals window.

#include "engine/calendar_engine.h"
#include "events/festivals/festival_lines.h"
#include "events/festivals/festivals_text.h"

#include <gtest/gtest.h>

namespace orvane::events
{
namespace
{

using engine::CalendarEngine;

EntreeDatee datee(int annee, int mois, int jour, int indice, char marque = ' ')
{
    return date_de_l_entree({annee, mois, jour, indice, marque, false});
}

TEST(LignesFetes, LigneDeLaFenetreDesFetes)
{
    EXPECT_EQ(ligne_fenetre_fetes(datee(5785, 1, 1, 1, 'F')),
              " F  Roch Hachana       5785   :  Jeudi     3  Octobre   2024   1 ---> Tichri ");
    EXPECT_EQ(ligne_fenetre_fetes(datee(5785, 1, 1, 1, 'F'), true),
              " F  Roch-Hachana---    5785   :  Jeudi     3  Octobre   2024   1 ---> Tichri ");
    EXPECT_EQ(ligne_fenetre_fetes(datee(5784, 6, 14, 9)),
              "    Pourim             5784   :  Vendredi 23  Février   2024  14 ---> Adar I ");
    EXPECT_EQ(ligne_fenetre_fetes(datee(5785, 6, 14, 9)),
              "    Pourim             5785   :  Vendredi 14  Mars      2025  14 ---> Adar   ");
}

TEST(LignesFetes, LigneDeLaFenetrePrincipale)
{
    EXPECT_EQ(ligne_fenetre_principale(datee(5785, 1, 1, 1, 'F')),
              "F Roch Hachana    : Jeudi     3  Octobre   2024  ==>  1 Tichri  5785");
    EXPECT_EQ(ligne_fenetre_principale(datee(5785, 8, 16, 30, 'f')),
              "f HolAmoed Pessa'h: Lundi    14  Avril     2025  ==> 16 Nissan  5785");
}

// The civil year written is that of the date: 1 Tichri 3874 is 29 August
// 113, not 114 as "Hebrew year − 3761, plus one before September" gives.
TEST(LignesFetes, AnneeCivileDeLaDateConvertie)
{
    const EntreeDatee d = datee(3874, 1, 1, 1, 'F');
    EXPECT_EQ(d.annee_civile, 113);
    EXPECT_EQ(d.mois_civil, 8);
    EXPECT_EQ(d.jour_civil, 29);
    EXPECT_NE(ligne_fenetre_fetes(d).find("29  Août      113    1 ---> Tichri"), std::string::npos)
        << ligne_fenetre_fetes(d);
    EXPECT_NE(ligne_fenetre_principale(d).find("29  Août      113   ==>"), std::string::npos);
}

TEST(SelectionFetes, TexteRecherche)
{
    EXPECT_TRUE(SelectionFetes("Tous").tout());
    EXPECT_TRUE(SelectionFetes("Tout voir").tout());
    EXPECT_FALSE(SelectionFetes("Pourim").tout());
    EXPECT_EQ(SelectionFetes("Jeûne d'Esther").texte(), "Esther");
    EXPECT_EQ(SelectionFetes("Jeûne de Guedalia").texte(), " Guedalia");
    EXPECT_EQ(SelectionFetes("Atsmaout").texte(), " Haatsmaout");
    EXPECT_EQ(SelectionFetes("Chemini Atseret").texte(), "Atseret");
    EXPECT_EQ(SelectionFetes("Simha Torah").texte(), "Tora");
    EXPECT_EQ(SelectionFetes("Jeûne du 9 Av").texte(), "du 9 Av");
}

TEST(TexteFetes, EnteteEtLignesDUneAnnee)
{
    CalendarEngine e;
    e.convertit_civil_hebreu(2025, 1, 5);
    DemandeFetes d;
    d.mode = ModeFetes::fetes;
    const TexteAnneeFetes t = texte_annee_fetes(5785, d);
    ASSERT_GE(t.lignes.size(), 5u);
    EXPECT_EQ(t.lignes[0], "");
    EXPECT_EQ(t.lignes[1], " " + std::string(64, '='));
    EXPECT_EQ(t.lignes[2], " " + std::string(58, '=') + "B\"H===");
    EXPECT_EQ(t.lignes[3], " : Année hébraïque 5785 ---> 2024/2025    FÊTES JUIVES");
    EXPECT_EQ(t.lignes[4], t.lignes[1]);
    EXPECT_EQ(t.lignes.size(), 5u + 38u);
    EXPECT_EQ(
        t.caracteristiques.front(),
        "    L'année 5785 est du type HA CHA A : correspond à 2024/2025 du calendrier civil.");
    // The caller's date is left as it was.
    EXPECT_EQ(e.annee_civile, 2025);
    EXPECT_EQ(e.jour_hebr, 5);
    EXPECT_EQ(e.mois_hebr, 4);
}

TEST(TexteFetes, SelectionParNom)
{
    DemandeFetes d;
    d.selection = "Pourim";
    const TexteAnneeFetes t = texte_annee_fetes(5785, d);
    ASSERT_EQ(t.lignes.size(), 4u + 2u); // no empty line first, Pourim and Pourim Chouchan
    EXPECT_EQ(t.lignes[0], " " + std::string(64, '='));
    EXPECT_NE(t.lignes[4].find("Pourim "), std::string::npos);
    EXPECT_NE(t.lignes[5].find("Pourim Chouchan"), std::string::npos);
    d.selection = "Jeûne d'Esther";
    d.mode = ModeFetes::jeunes;
    EXPECT_EQ(texte_annee_fetes(5785, d).entrees.size(), 1u);
    d.selection = "Simha Torah";
    d.mode = ModeFetes::fetes;
    d.diaspora = false;
    EXPECT_EQ(texte_annee_fetes(5785, d).entrees.at(0).fete.indice, 31);
}

TEST(TexteFetes, NomsDeFichiersEtAnnees)
{
    EXPECT_EQ(nom_fichier_fetes(ModeFetes::fetes, 5785, 5785), "FETES_5785.txt");
    EXPECT_EQ(nom_fichier_fetes(ModeFetes::jeunes, 5785, 5790), "JEUNES_5785_5790.txt");
    EXPECT_EQ(nom_fichier_fetes(ModeFetes::fetes_et_jeunes, 5785, 5785), "FETES-JEUNES_5785.txt");
    EXPECT_EQ(annee_hebraique_du_jour(2024, 8), 5784);
    EXPECT_EQ(annee_hebraique_du_jour(2024, 9), 5785);
    EXPECT_EQ(annee_civile_affichee(5785), 2025);
    EXPECT_EQ(annee_civile_affichee(3761), 1);
    EXPECT_EQ(annee_civile_affichee(3760), -1);
    EXPECT_EQ(annee_hebr_de_la_civile(2025, 5784), 5785);
    EXPECT_EQ(annee_hebr_de_la_civile(-1, 3760), 3760);
    // A year typed is its own Hebrew year, whatever was shown before.
    EXPECT_EQ(annee_hebr_de_la_civile(2025, 3000), 5785);
    EXPECT_EQ(annee_hebr_de_la_civile(-5, 5785), 3756);
    // Year 0 is stepped across, in either direction.
    EXPECT_EQ(annee_hebr_de_la_civile(0, 3760), 3761);
    EXPECT_EQ(annee_hebr_de_la_civile(0, 3761), 3760);
    const auto imprime = lignes_a_imprimer_fetes({"a", "b"}, {"c"});
    EXPECT_EQ(imprime, (std::vector<std::string>{"", "", "", "", "    a", "    b", "    c"}));
}

} // namespace
} // namespace orvane::events
