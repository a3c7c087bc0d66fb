// "zemanim.txt" and "semaines.txt" byte for byte: Paris in January 2025 in
// each layout of the date (full date, Hebrew reference, short date), with
// the choices "Chabbat" and "Chabbatot et Fêtes", and the weekly summary.
#include "golden_file.h"
#include "platform/temporary_directory.h"
#include "table_test_support.h"
#include "tables/table_run.h"

#include <gtest/gtest.h>

namespace orvane::tables
{
namespace
{

using namespace test;

class FichiersDeTable : public ::testing::Test
{
protected:
    /// Computes `d` into the temporary directory; the two files' bytes.
    void calcule(const DemandeTable& d, zmanim::ZmanimSettings reglages = {})
    {
        resultat_ = ecrit_table(dossier_.path(), d, reglages, environnement());
    }
    std::string fichier(std::string_view nom) const
    {
        return orvane::test::octets_du_fichier(dossier_.path() / std::string(nom));
    }
    void compare(std::string_view nom, std::string_view golden) const
    {
        orvane::test::compare_au_golden(fichier(nom), dossier_golden, golden);
    }

    platform::test_support::TemporaryDirectory dossier_;
    TableEcrite resultat_;
};

TEST_F(FichiersDeTable, DateCompleteCivile)
{
    calcule(paris_janvier());
    EXPECT_FALSE(resultat_.resultat.refuse);
    EXPECT_EQ(resultat_.resultat.rangees, 31);
    compare("zemanim.txt", "zemanim_paris_2025_01.txt");
    EXPECT_EQ(resultat_.memo.lignes.size(), 4u + 31u);
    EXPECT_EQ(resultat_.memo.grille.size(), 31u);
}

TEST_F(FichiersDeTable, ReferenceHebraiqueAvecSecondes)
{
    DemandeTable d = paris_janvier();
    d.reference_hebraique = true;
    d.annee_reference = 5785;
    d.ete_jour_par_jour = true;
    d.indique_avis = true;
    zmanim::ZmanimSettings reglages;
    reglages.affiche_secondes = true;
    calcule(d, reglages);
    compare("zemanim.txt", "zemanim_paris_2025_01_hebreu.txt");
}

TEST_F(FichiersDeTable, DateCourteEtFetes)
{
    // December 2024: 'Hanouka from the 26th, the fast of 10 Tevet on 10 January.
    DemandeTable d = paris_janvier();
    d.debut = {2024, 12, 20};
    d.fin = {2025, 1, 12};
    d.date_complete = false;
    d.fetes = true;
    d.ete_jour_par_jour = true;
    calcule(d);
    compare("zemanim.txt", "zemanim_paris_hanouka_fetes.txt");
}

TEST_F(FichiersDeTable, ChoixChabbat)
{
    DemandeTable d = paris_janvier();
    d.filtre = FiltreJours::chabbat;
    d.ete_jour_par_jour = true;
    calcule(d);
    compare("zemanim.txt", "zemanim_paris_2025_01_chabbat.txt");
}

TEST_F(FichiersDeTable, ChoixChabbatotEtFetes)
{
    // Nissan 5785: the Sabbaths and the days of Pessa'h.
    DemandeTable d = paris_janvier();
    d.debut = {2025, 3, 30};
    d.fin = {2025, 4, 28};
    d.filtre = FiltreJours::chabbatot_et_fetes;
    d.ete_jour_par_jour = true;
    d.fetes = true;
    calcule(d);
    compare("zemanim.txt", "zemanim_paris_nissan_chabbatot_fetes.txt");
    compare("semaines.txt", "semaines_paris_nissan_chabbatot_fetes.txt");
}

TEST_F(FichiersDeTable, SemainesDuDimancheAuVendredi)
{
    // January 2025 begins on a Wednesday: the first line holds the titles
    // and the first Friday; then one line per week, Sunday and Friday.
    DemandeTable d = paris_janvier();
    d.filtre = FiltreJours::semaines;
    d.ete_jour_par_jour = true;
    calcule(d);
    compare("semaines.txt", "semaines_paris_2025_01.txt");
    const std::string s = fichier("semaines.txt");
    EXPECT_NE(s.find("\r\n\r\n\r\n\r\nDu\tAube"), std::string::npos);
    EXPECT_NE(s.find("\t03/01/25\t"), std::string::npos);
}

TEST_F(FichiersDeTable, UnRefusFermeQuandMemeLesFichiers)
{
    DemandeTable d = paris_janvier();
    d.fin = {2024, 1, 1};
    calcule(d);
    EXPECT_TRUE(resultat_.resultat.refuse);
    // The header lines are in the file, put in place: nothing left open.
    const std::string z = fichier("zemanim.txt");
    EXPECT_EQ(z.rfind("PARIS (75)  (France)", 0), 0u);
    EXPECT_NE(z.find(" Date\t"), std::string::npos);
    EXPECT_FALSE(fichier("semaines.txt").empty());
    for (const auto& f : std::filesystem::directory_iterator(dossier_.path())) {
        EXPECT_TRUE(f.path().filename() == "zemanim.txt" || f.path().filename() == "semaines.txt")
            << f.path();
    }
}

} // namespace
} // namespace orvane::tables
