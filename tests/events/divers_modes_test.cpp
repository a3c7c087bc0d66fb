// The fifteen tables of the "Divers" window: their defaults, header lines,
// file names and bounds.

#include "events/divers/divers_modes.h"
#include "platform/text.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane::events
{
namespace
{

using M = ModeDivers;

EntreesDivers pour(M mode, int annee)
{
    return entrees_par_defaut(mode, valeurs_par_defaut(mode, annee));
}

TEST(ModesDivers, QuinzeModesAuxNomsEtTitresDistincts)
{
    std::set<std::string_view> noms;
    std::set<std::string_view> titres;
    int i = 0;
    for (const DescriptionModeDivers& d : modes_divers()) {
        EXPECT_EQ(static_cast<int>(d.mode), i++);
        noms.insert(d.nom);
        titres.insert(d.titre);
        EXPECT_EQ(mode_divers_nomme(d.nom), d.mode);
        EXPECT_FALSE(d.dossier.empty()) << d.nom;
        // A table with a web box has the templates of its pages.
        EXPECT_EQ(d.controles.web, d.web.has_value()) << d.nom;
    }
    EXPECT_EQ(noms.size(), 15u);
    EXPECT_EQ(titres.size(), 15u);
    EXPECT_FALSE(mode_divers_nomme("inconnu").has_value());
}

TEST(ModesDivers, ValeursParDefautDuTableau)
{
    EXPECT_EQ(valeurs_par_defaut(M::moladot, 5785).premiere, 5785);
    const ValeursMode hahama = valeurs_par_defaut(M::hahama, 5785);
    EXPECT_EQ(hahama.premiere, 5600);
    EXPECT_EQ(hahama.nb_annees, 500);
    EXPECT_EQ(hahama.increment, 28);
    EXPECT_EQ(valeurs_par_defaut(M::tableau_types, 5785).nb_annees, 30);
    // The grid of types: S = Y − (Y mod 10) − 99, L = S + 199.
    const ValeursMode grille = valeurs_par_defaut(M::types_annees, 5785);
    EXPECT_EQ(grille.premiere, 5681);
    EXPECT_EQ(grille.derniere, 5880);
    const ValeursMode cycles = valeurs_par_defaut(M::tableau_cycles, 5785);
    EXPECT_EQ(cycles.premiere, 1);
    EXPECT_EQ(cycles.derniere, 6119);
    EXPECT_EQ(valeurs_par_defaut(M::liste_cycles, 5785).nb_annees, 60);
    // The civil years beside them, without a year 0.
    EXPECT_EQ(pour(M::tableau_cycles, 5785).annee_civile, -3760);
    EXPECT_EQ(pour(M::tableau_cycles, 5785).derniere_civile, 2359);
    EXPECT_EQ(pour(M::moladot, 5785).annee_civile, 2025);
    EXPECT_EQ(pour(M::moladot, 3761).annee_civile, 1);
    EXPECT_EQ(pour(M::moladot, 3760).annee_civile, -1);
}

TEST(ModesDivers, LesCasesCocheesALOuverture)
{
    // The second box is checked at opening in these three tables.
    EXPECT_FALSE(pour(M::levana, 5785).coche1);    // Achkénaze
    EXPECT_FALSE(pour(M::guechamim, 5785).coche1); // en Erets Israël
    EXPECT_FALSE(pour(M::ceremonies_bar_mitsva, 5785).coche1);
    EXPECT_EQ(titre_divers(M::ceremonies_bar_mitsva, pour(M::ceremonies_bar_mitsva, 5785)),
              "TABLEAU DES CEREMONIES DE BAT-MITSVA");
    EntreesDivers garcon = pour(M::ceremonies_bar_mitsva, 5785);
    garcon.coche1 = true;
    EXPECT_EQ(titre_divers(M::ceremonies_bar_mitsva, garcon),
              "TABLEAU DES CEREMONIES DE BAR-MITSVA");
}

TEST(ModesDivers, EnteteDesMoladot)
{
    const std::vector<std::string> e = entete_divers(M::moladot, pour(M::moladot, 5785));
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[1], "      DATES ET HEURES DES   MOLADOT   (Lunaisons)");
    EXPECT_EQ(e[2], "      Année héb: 5785  Année civ: 2025  Molad du mois: Tous les mois     Nbr "
                    "d'années: 1");
    // The rule runs as long as the longer line and ends with the blessing.
    EXPECT_EQ(platform::char_count(e[0]), platform::char_count(e[2]));
    EXPECT_EQ(e[0].substr(0, 8), "      ==");
    EXPECT_EQ(platform::right(e[0], 5), "B\"H==");
    EXPECT_EQ(e[3], platform::left(e[0], platform::char_count(e[0]) - 9));
    EXPECT_EQ(e[3].find('B'), std::string::npos);
}

TEST(ModesDivers, EnteteSelonLesEntreesVisibles)
{
    // The cycle table names its last years, not the number of years.
    const std::vector<std::string> cycles =
        entete_divers(M::tableau_cycles, pour(M::tableau_cycles, 5785));
    EXPECT_EQ(cycles[2], "      Année héb: 1  Année civ: -3760  Année hébraïque fin: 6119  Année "
                         "civile fin: 2359");
    // The list of cycles shows only its number of hundreds.
    EXPECT_EQ(entete_divers(M::liste_cycles, pour(M::liste_cycles, 5785))[2],
              "         Nbr de centaines: 60");
    // No input at all: the forbidden visits and the 61 series.
    EXPECT_EQ(entete_divers(M::visites_interdites, pour(M::visites_interdites, 5785))[2], "      ");
    const std::vector<std::string> series = entete_divers(M::series_61, pour(M::series_61, 5785));
    EXPECT_EQ(series[1], "      LES 61 SERIES");
    // The rule is as long as the title when the title is the longer line.
    EXPECT_EQ(platform::char_count(series[0]), platform::char_count(series[1]));
    // The grid of types has no header.
    EXPECT_TRUE(entete_divers(M::types_annees, pour(M::types_annees, 5785)).empty());
    // The seasons' choice is written under its own label.
    EXPECT_NE(entete_divers(M::tekoufot, pour(M::tekoufot, 5785))[2].find(
                  "      Tékoufa: Les 4 Tékoufot"),
              std::string::npos);
}

TEST(ModesDivers, NomsDesFichiersEnregistres)
{
    EntreesDivers e = pour(M::moladot, 5785);
    EXPECT_EQ(nom_fichier_divers(M::moladot, e), "MOLAD_5785.txt");
    // Five years from 5785 end with an underscore and 5789.
    e.nb_annees = 5;
    EXPECT_EQ(nom_fichier_divers(M::moladot, e), "MOLAD_5785_5789.txt");
    EntreesDivers levana = pour(M::levana, 5785);
    levana.nb_annees = 5;
    EXPECT_EQ(nom_fichier_divers(M::levana, levana), "B-LEVANA_5785_5789.txt");
    levana.coche1 = true; // the Sephardi custom
    EXPECT_EQ(nom_fichier_divers(M::levana, levana), "B-LEVANA_5785_5789_valeurs.txt");
    EXPECT_EQ(nom_fichier_divers(M::hahama, pour(M::hahama, 5785)), "B-HAHAMA_5600_6099.txt");
    EXPECT_EQ(nom_fichier_divers(M::mariages, pour(M::mariages, 5785)), "MARIAGE_INT_5785.txt");
    EXPECT_EQ(nom_fichier_divers(M::visites, pour(M::visites, 5785)), "VISITE_5785.txt");
    EXPECT_EQ(nom_fichier_divers(M::visites_interdites, pour(M::visites_interdites, 5785)),
              "VISITE_INT_5785.txt");
    EXPECT_EQ(nom_fichier_divers(M::roch_hodech, pour(M::roch_hodech, 5785)), "R-HODECH_5785.txt");
    EXPECT_EQ(nom_fichier_divers(M::guechamim, pour(M::guechamim, 5785)), "GUECHAMIM_5785.txt");
    EXPECT_EQ(nom_fichier_divers(M::tekoufot, pour(M::tekoufot, 5785)), "TEKOUFOT_5785.txt");
    EXPECT_EQ(nom_fichier_divers(M::tableau_types, pour(M::tableau_types, 5785)),
              "TYPE-ANNEE_5785_5814.txt");
    EXPECT_EQ(nom_fichier_divers(M::types_annees, pour(M::types_annees, 5785)),
              "TYPE-ANNEE_5681.txt");
    EXPECT_EQ(nom_fichier_divers(M::series_61, pour(M::series_61, 5785)), "SERIE_.txt");
    EXPECT_EQ(nom_fichier_divers(M::tableau_cycles, pour(M::tableau_cycles, 5785)), "TA_CY_SE.txt");
    EXPECT_EQ(nom_fichier_divers(M::liste_cycles, pour(M::liste_cycles, 5785)), "LI_CY_SE.txt");
    EntreesDivers bm = pour(M::ceremonies_bar_mitsva, 5785);
    bm.nb_annees = 3;
    EXPECT_EQ(nom_fichier_divers(M::ceremonies_bar_mitsva, bm), "BM_5785.txt");
    EXPECT_EQ(description(M::series_61).dossier, "SERIES");
    EXPECT_EQ(description(M::ceremonies_bar_mitsva).dossier, "BARMITSV");
}

TEST(ModesDivers, LimiteInferieureRefusee)
{
    EntreesDivers e = pour(M::types_annees, 5785);
    EXPECT_FALSE(limite_inferieure(M::types_annees, e));
    e.derniere_hebr = e.annee_hebr - 1;
    EXPECT_TRUE(limite_inferieure(M::types_annees, e));
    // Only the two tables with a last year check it.
    EntreesDivers m = pour(M::moladot, 5785);
    m.derniere_hebr = 1;
    EXPECT_FALSE(limite_inferieure(M::moladot, m));
}

TEST(ModesDivers, BornesDesAnnees)
{
    EXPECT_EQ(annee_max(M::moladot), 13759);
    EXPECT_EQ(annee_max(M::tableau_types), 214999);
    EXPECT_EQ(annee_max(M::hahama), 210169);
    EXPECT_EQ(nb_annees_maximum(M::liste_cycles), 100);
}

TEST(ModesDivers, ImpressionDesLignes)
{
    const std::vector<std::string> texte{"a", "b"};
    EXPECT_EQ(lignes_a_imprimer_divers(M::moladot, texte),
              (std::vector<std::string>{" ", " ", " ", "a", "b"}));
    EXPECT_EQ(
        lignes_a_imprimer_divers(M::types_annees, texte),
        (std::vector<std::string>{"        ", "        ", "        ", "        a", "        b"}));
    EXPECT_TRUE(description(M::tableau_types).paysage);
    EXPECT_TRUE(description(M::series_61).paysage);
    EXPECT_FALSE(description(M::moladot).paysage);
}

TEST(ModesDivers, TexteDAujourdhui)
{
    EXPECT_EQ(texte_aujourdhui_divers(2026, 12, 10),
              "Aujourd'hui Jeu 10 Décembre 2026 = 30 Kislev 5787");
}

} // namespace
} // namespace orvane::events
