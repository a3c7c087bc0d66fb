// The consistory loop: one build a year for the chosen place, or for every
// place of "villcons.cal" with the Tossefet and rules of its country, each
// build handed to the consistory's tables, and the list's marker place kept
// afterwards.
#include "document_files.h"
#include "documents/consistory_loop.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::documents
{
namespace
{

using namespace test;

struct Remis {
    int annee;
    std::string ville;
    std::string opinion;
    int tossefet;
    bool diaspora;
};

ControlesCalendrier controles(const places::Place& lieu)
{
    ControlesCalendrier c = controles_d_ouverture(SensFenetre::civil, {2025, 3, 1});
    c.lieu = lieu;
    c.sortie = static_cast<int>(Sortie::iphone_consistoire);
    return c;
}

TEST(BoucleConsistoire, UneVilleSurDeuxAns)
{
    platform::test_support::TemporaryDirectory dossier;
    ControlesCalendrier c = controles({"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"});
    c.nombre_annees = 2;
    CalculRetenu r;
    r.opinion = "Or Méïr";
    std::vector<Remis> remis;
    const RapportConsistoire rapport = boucle_consistoire(
        c, r, config::ProgramOptions{}, config::FichierCles{}, tables_livrees(), dossier.path(),
        [&remis](const DemandeCalendrier& d, const CalendrierSimplifie& cal) {
            remis.push_back({d.annee, d.lieu.ville, d.opinion, d.tossefet, d.diaspora});
            EXPECT_EQ(cal.pages.size(), 1u);
        });
    ASSERT_EQ(remis.size(), 2u);
    EXPECT_EQ(remis[0].annee, 2025);
    EXPECT_EQ(remis[1].annee, 2026);
    EXPECT_EQ(remis[0].opinion, "Beth Din (France)");
    EXPECT_EQ(rapport.calendriers, 2);
    EXPECT_TRUE(std::filesystem::exists(dossier / "cal_exl.txt"));
    EXPECT_EQ(rapport.lieu.ville, "PARIS (75)");
}

TEST(BoucleConsistoire, ToutesLesVillesDeVillcons)
{
    platform::test_support::TemporaryDirectory dossier;
    platform::write_lines(dossier / "villcons.cal", {"PARIS (75)\t\tFrance\t48°52'N\t02°20'E\t+1",
                                                     "Jérusalem\t\tIsraël\t31°47'N\t35°13'E\t+2",
                                                     "Tel Aviv\t\tIsraël\t32°05'N\t34°47'E\t+2", "",
                                                     "Nulle part\t\tFrance\t99°99'N\t02°20'E\t+1"});
    ControlesCalendrier c = controles({"AA_Ville", "AA_Pays", "0°N", "0°E", "0"});
    c.tossefet = 22; // the box's value, for the places outside Israel
    std::vector<Remis> remis;
    const RapportConsistoire rapport = boucle_consistoire(
        c, CalculRetenu{}, config::ProgramOptions{}, config::FichierCles{}, tables_livrees(),
        dossier.path(), [&remis](const DemandeCalendrier& d, const CalendrierSimplifie&) {
            remis.push_back({d.annee, d.lieu.ville, d.opinion, d.tossefet, d.diaspora});
        });
    ASSERT_EQ(remis.size(), 3u);
    EXPECT_EQ(remis[0].ville, "PARIS (75)");
    EXPECT_EQ(remis[0].tossefet, 22);
    EXPECT_TRUE(remis[0].diaspora);
    EXPECT_EQ(remis[1].tossefet, 40);
    EXPECT_FALSE(remis[1].diaspora);
    EXPECT_EQ(remis[2].tossefet, 20);
    EXPECT_FALSE(remis[2].diaspora);
    ASSERT_EQ(rapport.erreurs.size(), 1u);
    EXPECT_EQ(rapport.erreurs[0].rfind("Nulle part : ", 0), 0u);
    const auto lieu = lit_lieu_calendrier(dossier.path());
    ASSERT_TRUE(lieu);
    EXPECT_EQ(lieu->lieu, (places::Place{"AA_Ville", "AA_Pays", "0°N", "0°E", "0"}));
    EXPECT_EQ(lieu->opinion, "Beth Din (France)");
    EXPECT_EQ(lieu->regle_entree, 0);
}

} // namespace
} // namespace orvane::documents
