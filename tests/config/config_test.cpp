#include "config/config.h"

#include "platform/raw_file.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::config
{
namespace
{

using platform::test_support::TemporaryDirectory;
using Lignes = std::vector<std::string>;

TEST(ValeurDeCle, PremiereLigneDeLaCle)
{
    const Lignes lignes = {"Diaspora true", "Site http://exemple.fr/", "Diaspora false"};
    EXPECT_EQ(valeur_de_cle(lignes, "Diaspora"), "true");
    EXPECT_EQ(valeur_de_cle(lignes, "Site"), "http://exemple.fr/");
    EXPECT_EQ(valeur_de_cle(lignes, "Vaudrel"), "");
    EXPECT_EQ(valeur_de_cle({}, "Diaspora"), "");
}

// The longer key above the shorter: "Affichage" reads the "Pas_Affichage"
// line, minus as many characters as "Affichage" and its separator.
TEST(ValeurDeCle, CleContenueDansUneCleAuDessus)
{
    const Lignes lignes = {"Pas_Affichage true", "Affichage false"};
    EXPECT_EQ(valeur_de_cle(lignes, "Affichage"), "age true");
}

TEST(ValeurDeCle, SeparateurQuelconque)
{
    EXPECT_EQ(valeur_de_cle({"avec_chgt_d_heure=true"}, "avec_chgt_d_heure"), "true");
}

// A key matches only the text before the first blank of a line.
TEST(ValeurDeCle, LaCleNeSeCherchePasDansLaValeur)
{
    const Lignes lignes = {"CS_HB_15_07 Souccot : pas de langage anglais", "langage anglais",
                           "anglais false"};
    EXPECT_EQ(valeur_de_cle(lignes, "anglais"), "false");
    EXPECT_EQ(valeur_de_cle(lignes, "langage"), "anglais");
}

TEST(ValeurDeCle, LignesCoupeesALaLecture)
{
    const std::string longue = "Site " + std::string(200, 'x');
    EXPECT_EQ(valeur_de_cle({longue}, "Site").size(), longueur_lue_valeur - 5);
    EXPECT_EQ(valeur_de_cle({longue}, "Site", 80).size(), 75u);
}

TEST(LignesAvecCle, RemplaceLaValeurDeChaqueLigneDeLaCle)
{
    const Lignes avant = {"Horaire true", "Affichage false", "Pas_Affichage true", "Diaspora true"};
    const Lignes apres = lignes_avec_cle(avant, "Affichage", "true");
    EXPECT_EQ(apres,
              (Lignes{"Horaire true", "Affichage true", "Pas_Affichage true", "Diaspora true"}));
    // sauve_options writes "Pas_Affichage" after "Affichage", so both end right.
    EXPECT_EQ(lignes_avec_cle(apres, "Pas_Affichage", "false"),
              (Lignes{"Horaire true", "Affichage true", "Pas_Affichage false", "Diaspora true"}));
}

TEST(LignesAvecCle, LanglaisNeTouchePasLaLigneDuLangage)
{
    const Lignes avant = {"langage anglais", "francais true", "anglais false",
                          "DV_CV_01_05 Fête anglaise"};
    EXPECT_EQ(
        lignes_avec_cle(avant, "anglais", "true"),
        (Lignes{"langage anglais", "francais true", "anglais true", "DV_CV_01_05 Fête anglaise"}));
}

TEST(LignesAvecCle, UneInscriptionDateeGardeSonTexte)
{
    const Lignes avant = {"Diaspora true", "CS_HB_15_07 Diaspora : deux jours de fête"};
    EXPECT_EQ(lignes_avec_cle(avant, "Diaspora", "false"),
              (Lignes{"Diaspora false", "CS_HB_15_07 Diaspora : deux jours de fête"}));
}

TEST(LignesAvecCle, LigneSansBlancGardeSaCle)
{
    EXPECT_EQ(lignes_avec_cle({"avec_chgt_d_heure=true"}, "avec_chgt_d_heure", "false"),
              (Lignes{"avec_chgt_d_heure=false"}));
    EXPECT_EQ(lignes_avec_cle({"Diaspora"}, "Diaspora", "true"), (Lignes{"Diaspora true"}));
}

TEST(LignesAvecCle, LesAutresLignesRestentEntieres)
{
    const std::string longue = "CS_CV_14_07 " + std::string(400, 'y');
    const Lignes avant = {longue, "", "Vaudrel false", "   ", "Site"};
    const Lignes apres = lignes_avec_cle(avant, "Vaudrel", "true");
    EXPECT_EQ(apres, (Lignes{longue, "", "Vaudrel true", "   ", "Site"}));
}

TEST(LignesAvecCle, CleAbsenteAjouteeALaFin)
{
    EXPECT_EQ(lignes_avec_cle({"Horaire true"}, "Site", "http://a.fr/"),
              (Lignes{"Horaire true", "Site http://a.fr/"}));
    EXPECT_EQ(lignes_avec_cle({}, "Diaspora", "true"), (Lignes{"Diaspora true"}));
}

TEST(FichierConfig, EcritPuisRelit)
{
    TemporaryDirectory dir;
    platform::write_lines(dir / "config.dta",
                          {"Horaire true", "Diaspora false", "langage français"});
    ecrit_cle(dir.path(), "Diaspora", true);
    ecrit_cle(dir.path(), "Site", std::string_view("http://exemple.fr/"));
    ecrit_cle(dir.path(), "langage", std::string_view("anglais"));
    EXPECT_TRUE(lit_cle_vrai(dir.path(), fichier_config, "Diaspora"));
    EXPECT_EQ(lit_cle(dir.path(), fichier_config, "Site"), "http://exemple.fr/");
    EXPECT_EQ(lit_cle(dir.path(), fichier_config, "langage"), "anglais");
    EXPECT_TRUE(cle_presente(dir.path(), fichier_config, "Horaire"));
    EXPECT_FALSE(cle_presente(dir.path(), fichier_config, "Vaudrel"));
    EXPECT_EQ(
        platform::read_lines(dir / "config.dta"),
        (Lignes{"Horaire true", "Diaspora true", "langage anglais", "Site http://exemple.fr/"}));
}

TEST(FichierConfig, FichierAbsent)
{
    TemporaryDirectory dir;
    EXPECT_EQ(lit_cle(dir.path(), fichier_config, "Diaspora"), "");
    EXPECT_FALSE(lit_cle_vrai(dir.path(), fichier_config, "Diaspora"));
    ecrit_cle(dir.path(), "Diaspora", true);
    EXPECT_EQ(platform::read_lines(dir / "config.dta"), (Lignes{"Diaspora true"}));
}

TEST(FichierConfig, DrapeauExactementTrue)
{
    TemporaryDirectory dir;
    platform::write_lines(dir / "CONFIG.DTA", {"Vaudrel True", "win7 true ", "Diaspora true"});
    EXPECT_FALSE(lit_cle_vrai(dir.path(), fichier_config, "Vaudrel"));
    EXPECT_FALSE(lit_cle_vrai(dir.path(), fichier_config, "win7"));
    EXPECT_TRUE(lit_cle_vrai(dir.path(), fichier_config, "Diaspora"));
}

TEST(FichierConfig, PlusieursClesEnUneEcriture)
{
    TemporaryDirectory dir;
    platform::write_lines(dir / "config_ciop.txt", {"taanit true", "FICHIERS false"});
    ecrit_cles(dir.path(), {{"FICHIERS", "true"}, {"Nbr_annees_a_calculer_ciop", "3"}},
               fichier_config_ciop);
    EXPECT_EQ(platform::read_lines(dir / "config_ciop.txt"),
              (Lignes{"taanit true", "FICHIERS true", "Nbr_annees_a_calculer_ciop 3"}));
    EXPECT_EQ(lit_cle(dir.path(), fichier_config_ciop, "Nbr_annees_a_calculer_ciop"), "3");
}

// A config.dta whose lines end with CR alone (saved by an old Macintosh
// editor) keeps every key and inscription when one key is written: it lost
// all but the first line before.
TEST(EcritCle, UnFichierAuxFinsDeLigneCrGardeToutesSesLignes)
{
    TemporaryDirectory dir;
    platform::write_bytes(dir / "config.dta", "Site http://exemple.org\rTable1 5785\r"
                                              "CS_HB_15_07 Souccot chez les grands-parents\r");
    EXPECT_EQ(lit_cle(dir.path(), fichier_config, "Table1"), "5785");
    ecrit_cle(dir.path(), "Horaire", "true");
    EXPECT_EQ(platform::read_lines(dir / "config.dta"),
              (Lignes{"Site http://exemple.org", "Table1 5785",
                      "CS_HB_15_07 Souccot chez les grands-parents", "Horaire true"}));
}

} // namespace
} // namespace orvane::config
