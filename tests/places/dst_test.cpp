#include "places/angle.h"
#include "places/dst.h"

#include "platform/file_error.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::places
{
namespace
{

using platform::test_support::TemporaryDirectory;

const std::vector<std::string> table_france = {
    "Heure d'été\t3\t31\tdimanche\t2024\t1", "Heure d'hiver\t10\t27\tdimanche\t2024\t0", "",
    "Heure d'été\t3\t30\tdimanche\t2025\t1", "Heure d'hiver\t10\t26\tdimanche\t2025\t0",
};

TEST(ChercheAnnee, PrendLesDeuxLignesDeLAnnee)
{
    const DstYear a = cherche_annee(table_france, 2025);
    EXPECT_EQ(a, (DstYear{"30", "3", "2025", "1", "26", "10", "2025", "0"}));
    EXPECT_TRUE(a.trouve());
    EXPECT_EQ(cherche_annee(table_france, 2026), DstYear{});
    EXPECT_EQ(cherche_annee(table_france, 2026).statut, "Pas de fic");
}

TEST(EstEte, LesJoursDeChangementComptentEntiers)
{
    const DstYear a = cherche_annee(table_france, 2025);
    EXPECT_FALSE(est_ete(a, 29, 3));
    EXPECT_TRUE(est_ete(a, 30, 3));
    EXPECT_TRUE(est_ete(a, 15, 7));
    EXPECT_TRUE(est_ete(a, 25, 10));
    EXPECT_FALSE(est_ete(a, 26, 10));
    EXPECT_FALSE(est_ete(a, 1, 1));
    EXPECT_FALSE(est_ete(a, 31, 12));
    EXPECT_EQ(correction_du_jour(a, 30, 3), 1);
    EXPECT_EQ(correction_du_jour(a, 26, 10), 0);
}

// Summer from the start to the end of the year: exactly the days between the
// change days, counted over every day of the year.
TEST(EstEte, NombreDeJoursDEteDeLAnnee)
{
    const DstYear a = cherche_annee(table_france, 2025);
    const int longueurs[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int ete = 0;
    for (int mois = 1; mois <= 12; ++mois) {
        for (int jour = 1; jour <= longueurs[mois - 1]; ++jour) {
            ete += est_ete(a, jour, mois) ? 1 : 0;
        }
    }
    EXPECT_EQ(ete, 210); // 30 March to 25 October
}

// In Santiago or Sydney summer time starts in the spring of the south and ends
// in the autumn: start after end in the civil year.
TEST(EstEte, HemisphereSud)
{
    const std::vector<std::string> chili = {
        "Fin heure d'été\t4\t6\tdimanche\t2025\t0",
        "Heure d'été\t9\t7\tdimanche\t2025\t1",
    };
    const DstYear a = cherche_annee(chili, 2025);
    ASSERT_TRUE(a.trouve());
    EXPECT_TRUE(est_ete(a, 1, 1));
    EXPECT_TRUE(est_ete(a, 5, 4));
    EXPECT_FALSE(est_ete(a, 6, 4));
    EXPECT_FALSE(est_ete(a, 15, 6));
    EXPECT_FALSE(est_ete(a, 6, 9));
    EXPECT_TRUE(est_ete(a, 7, 9));
    EXPECT_TRUE(est_ete(a, 31, 12));
}

TEST(ChercheAnnee, LaFinAvantLeDebutDansLeFichierEstTrouvee)
{
    const std::vector<std::string> lignes = {
        "Heure d'hiver\t10\t26\tdimanche\t2025\t0",
        "Heure d'été\t3\t30\tdimanche\t2025\t1",
    };
    EXPECT_EQ(cherche_annee(lignes, 2025), cherche_annee(table_france, 2025));
}

TEST(ChercheAnnee, UnDebutEnDoubleNeCachePasLaFin)
{
    const std::vector<std::string> lignes = {
        "Heure d'été\t3\t30\tdimanche\t2025\t1",
        "Heure d'été (copie)\t3\t29\tsamedi\t2025\t1",
        "Heure d'hiver\t10\t26\tdimanche\t2025\t0",
    };
    EXPECT_EQ(cherche_annee(lignes, 2025), cherche_annee(table_france, 2025));
}

TEST(ChercheAnnee, UneAnneeIlliibleEstSautee)
{
    const std::vector<std::string> lignes = {
        "Heure d'été\t3\t31\tdimanche\tdeux mille\t1",
        "ligne sans tabulation",
        "Heure d'été\t3\t30\tdimanche\t2025\t1",
        "Heure d'hiver\t10\t26\tdimanche\t2025\t0",
    };
    EXPECT_EQ(cherche_annee(lignes, 2025), cherche_annee(table_france, 2025));
}

TEST(ChercheAnnee, UneSeuleLigneDeLAnneeNeSuffitPas)
{
    EXPECT_EQ(cherche_annee({"Heure d'été\t3\t30\tdimanche\t2025\t1"}, 2025), DstYear{});
    EXPECT_EQ(cherche_annee({"Heure d'hiver\t10\t26\tdimanche\t2025\t0"}, 2025), DstYear{});
}

TEST(ChercheAnnee, MarqueDUneAnneeSansChangement)
{
    const DstYear a = cherche_annee(
        {"Pas de changement\t3\t \t-\t2030\t1", "Pas de changement\t10\t \t-\t2030\t0"}, 2030);
    EXPECT_TRUE(a.sans_changement());
    EXPECT_FALSE(a.trouve());
    EXPECT_EQ(correction_pour_le_jour(a, config::mode_avec_changement, 1, 7, std::nullopt), 0.0);
    EXPECT_EQ(correction_pour_le_jour(a, config::mode_avec_changement, 1, 7, 1.0), 1.0);
}

TEST(EstEte, UnJourIllisibleEstUneErreurDeConversion)
{
    const DstYear a = cherche_annee(
        {"Heure d'été\t3\ttrente\tdimanche\t2025\t1", "Heure d'hiver\t10\t26\tdimanche\t2025\t0"},
        2025);
    EXPECT_THROW((void)est_ete(a, 1, 5), ErreurConversion);
}

// A table typed by hand with a mistake in the lines of a year: the lookup
// names the file and the line instead of failing later on the text.
TEST(DefautDeLAnnee, LaLigneFautiveEstNommee)
{
    std::vector<std::string> lignes = table_france;
    EXPECT_EQ(defaut_de_l_annee(lignes, 2025), std::nullopt);
    lignes[3] = "Heure d'été\t3\t2x\tdimanche\t2025\t1";
    EXPECT_EQ(defaut_de_l_annee(lignes, 2025),
              "ligne 4 : le jour « 2x » n'est pas un jour de 1 à 31");
    EXPECT_EQ(defaut_de_l_annee(lignes, 2024), std::nullopt); // the other years still read
    lignes[4] = "Heure d'hiver\t13\t26\tdimanche\t2025\t0";
    lignes[3] = table_france[3];
    EXPECT_EQ(defaut_de_l_annee(lignes, 2025),
              "ligne 5 : le mois « 13 » n'est pas un mois de 1 à 12");
    EXPECT_EQ(
        defaut_de_l_annee(
            {"Pas de changement\t3\t \t-\t2030\t1", "Pas de changement\t10\t \t-\t2030\t0"}, 2030),
        std::nullopt);
}

class LitDecaleur : public ::testing::Test
{
protected:
    TemporaryDirectory dir;
    void SetUp() override { platform::write_lines(dir / "h_France.txt", table_france); }
};

TEST_F(LitDecaleur, TableDuPays)
{
    const DstYear a = lit_decaleur(dir.path(), "France", 2025, config::mode_avec_changement);
    EXPECT_EQ(a.statut, "30");
    EXPECT_EQ(a.jour_fin, "26");
    EXPECT_EQ(lit_decaleur(dir.path(), "France", 1990, config::mode_avec_changement), DstYear{});
}

TEST_F(LitDecaleur, NomDuFichierSansEgardALaCasse)
{
    std::filesystem::rename(dir / "h_France.txt", dir / "H_FRANCE.TXT");
    EXPECT_TRUE(lit_decaleur(dir.path(), "France", 2025, config::mode_avec_changement).trouve());
}

TEST_F(LitDecaleur, PaysSansTable)
{
    EXPECT_EQ(lit_decaleur(dir.path(), "Japon", 2025, config::mode_avec_changement), DstYear{});
}

TEST_F(LitDecaleur, PaysDeLaListeEuropeenneAvecLaTableDeFrance)
{
    platform::write_lines(dir / "H_europe.txt", {"Belgique", "", "Allemagne"});
    // Belgium's own table, with other days, is not read.
    platform::write_lines(dir / "h_Belgique.txt",
                          {"Heure d'été\t4\t1\tx\t2025\t1", "Heure d'hiver\t9\t1\tx\t2025\t0"});
    EXPECT_EQ(lit_decaleur(dir.path(), "Belgique", 2025, config::mode_avec_changement),
              lit_decaleur(dir.path(), "France", 2025, config::mode_avec_changement));
    EXPECT_EQ(pays_de_la_table(dir.path(), "Allemagne"), "France");
    EXPECT_EQ(pays_de_la_table(dir.path(), "Israël"), "Israël");
}

TEST_F(LitDecaleur, LesModesDeToutelAnneeNeLisentPasLaTable)
{
    EXPECT_EQ(lit_decaleur(dir.path(), "France", 2025, config::mode_ete_toute_l_annee), DstYear{});
    EXPECT_EQ(correction_ete_du_jour(dir.path(), "France", config::mode_ete_toute_l_annee,
                                     {2025, 1, 1}, 0),
              1);
    EXPECT_EQ(correction_ete_du_jour(dir.path(), "France", config::mode_hiver_toute_l_annee,
                                     {2025, 7, 1}, 1),
              0);
}

TEST_F(LitDecaleur, CorrectionDuJourAvecChangement)
{
    EXPECT_EQ(correction_ete_du_jour(dir.path(), "France", config::mode_avec_changement,
                                     {2025, 3, 30}, 0),
              1);
    EXPECT_EQ(correction_ete_du_jour(dir.path(), "France", config::mode_avec_changement,
                                     {2025, 3, 29}, 1),
              0);
}

// The loaded tables read each file once for the whole run: a table and the
// European list removed after their first lookup still answer, and a
// country with no table is not looked for again.
TEST_F(LitDecaleur, LesTablesChargeesNeRelisentPasLesFichiers)
{
    platform::write_lines(dir / "H_europe.txt", {"Belgique"});
    const TablesEte tables(dir.path());
    const DstYear france = tables.annee("France", 2025, config::mode_avec_changement);
    ASSERT_TRUE(france.trouve());
    EXPECT_FALSE(tables.annee("Japon", 2025, config::mode_avec_changement).trouve());
    std::filesystem::remove(dir / "h_France.txt");
    std::filesystem::remove(dir / "H_europe.txt");
    platform::write_lines(dir / "h_Japon.txt", table_france);
    EXPECT_EQ(tables.annee("Belgique", 2025, config::mode_avec_changement), france);
    EXPECT_EQ(tables.correction("France", config::mode_avec_changement, {2025, 3, 30}, 0), 1);
    EXPECT_FALSE(tables.annee("Japon", 2025, config::mode_avec_changement).trouve());
    // A fresh lookup from the directory sees the files as they are now.
    EXPECT_FALSE(lit_decaleur(dir.path(), "France", 2025, config::mode_avec_changement).trouve());
    EXPECT_TRUE(lit_decaleur(dir.path(), "Japon", 2025, config::mode_avec_changement).trouve());
}

TEST_F(LitDecaleur, UneTableFautiveEstUneErreurDeFichierNommantLaLigne)
{
    std::vector<std::string> lignes = table_france;
    lignes[3] = "Heure d'été\t3\t2x\tdimanche\t2025\t1";
    platform::write_lines(dir / "h_France.txt", lignes);
    const TablesEte tables(dir.path());
    try {
        (void)tables.annee("France", 2025, config::mode_avec_changement);
        FAIL() << "no error";
    } catch (const platform::FileError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("h_France.txt"), std::string::npos) << message;
        EXPECT_NE(message.find("ligne 4 : le jour « 2x »"), std::string::npos) << message;
    }
    EXPECT_TRUE(tables.annee("France", 2024, config::mode_avec_changement).trouve());
}

// A year without table keeps the correction the user set with the buttons.
TEST_F(LitDecaleur, SansLigneLaCorrectionManuelleEstGardee)
{
    EXPECT_EQ(
        correction_ete_du_jour(dir.path(), "France", config::mode_avec_changement, {2090, 7, 1}, 1),
        1);
    EXPECT_EQ(
        correction_ete_du_jour(dir.path(), "Japon", config::mode_avec_changement, {2025, 7, 1}, 1),
        1);
    EXPECT_EQ(
        correction_ete_du_jour(dir.path(), "Japon", config::mode_avec_changement, {2025, 7, 1}, 0),
        0);
    // Without a correction set by hand, winter time.
    EXPECT_EQ(correction_ete_du_jour(dir.path(), "Japon", config::mode_avec_changement,
                                     {2025, 7, 1}, std::nullopt),
              0);
}

} // namespace
} // namespace orvane::places
