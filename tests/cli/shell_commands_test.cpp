// places and dst on the command line, over the delivered data files copied
// into a fresh program directory.

#include "cli_runner.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::cli
{
namespace
{

class CommandesLieux : public test_support::DansUnRepertoireNeuf
{
};

// An empty places file gives a message, not an empty list.
TEST_F(CommandesLieux, UnFichierDeLieuxVideEstSignale)
{
    ASSERT_EQ(test_support::lance({"places", "--city", "PARIS (75)"}).code, 0);
    platform::write_lines(dir / "lieu.cal", {});
    const test_support::Sortie s = test_support::lance({"places"});
    EXPECT_EQ(s.code, 2);
    EXPECT_EQ(s.out, "");
    EXPECT_NE(s.err.find("« lieu.cal » ne contient aucune ville"), std::string::npos) << s.err;
}

TEST_F(CommandesLieux, LesVillesDeFrance)
{
    const test_support::Sortie s = test_support::lance({"places", "--country", "France"});
    EXPECT_EQ(s.code, 0) << s.err;
    for (const char* ville : {"PARIS (75)", "LYON (69)", "MARSEILLE (13)", "STRASBOURG (67)",
                              "AJACCIO (2A)", "BORDEAUX (33)", "LILLE (59)"}) {
        EXPECT_NE(s.out.find(std::string(ville) + " "), std::string::npos) << ville;
    }
    EXPECT_EQ(s.out.find("Belgique"), std::string::npos);
    // The home place file was created on the way, with the default line.
    EXPECT_TRUE(std::filesystem::exists(dir / "lieu_acc.cal"));
}

TEST_F(CommandesLieux, UneVilleEnTsv)
{
    const test_support::Sortie s =
        test_support::lance({"places", "--city", "PARIS (75)", "--format", "tsv"});
    EXPECT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, "PARIS (75)\tFrance\t48°52'N\t02°20'E\t+1\t48.866667\t2.333333\t1.00\n");
    const test_support::Sortie ny =
        test_support::lance({"places", "--city", "New York (NY)", "--format", "tsv"});
    EXPECT_NE(ny.out.find("\t-5\t40."), std::string::npos) << ny.out;
    EXPECT_NE(ny.out.find("\t-74.0"), std::string::npos) << ny.out;
}

TEST_F(CommandesLieux, VilleDuPaysChoisi)
{
    const test_support::Sortie es = test_support::lance(
        {"places", "--country", "Espagne", "--city", "Valence", "--format", "tsv"});
    EXPECT_EQ(es.code, 0) << es.err;
    EXPECT_NE(es.out.find("Valence\tEspagne\t39°"), std::string::npos) << es.out;
}

TEST_F(CommandesLieux, PaysOuVilleInconnus)
{
    const test_support::Sortie p = test_support::lance({"places", "--country", "Atlantide"});
    EXPECT_EQ(p.code, 2);
    EXPECT_EQ(p.err, "Pays inconnu dans lieu.cal : Atlantide\n");
    const test_support::Sortie v =
        test_support::lance({"places", "--city", "Ys", "--country", "France"});
    EXPECT_EQ(v.code, 2);
    EXPECT_EQ(v.err, "Ville inconnue dans lieu.cal : Ys (France)\n");
}

TEST_F(CommandesLieux, LeFichierLongSelonLeLieuDAccueil)
{
    platform::write_lines(
        dir / "lieu_acc.cal",
        {"PARIS (75)\tFrance\t48°52'N\t02°20'E\t1\tBeth Din (France)\t1\tlieu_all.cal\t"});
    const test_support::Sortie s = test_support::lance({"places", "--format", "tsv"});
    EXPECT_EQ(s.code, 0) << s.err;
    EXPECT_GT(std::count(s.out.begin(), s.out.end(), '\n'), 13000);
}

TEST_F(CommandesLieux, ChangementsDHeureDeLaFrance2025)
{
    const test_support::Sortie s = test_support::lance({"dst", "France", "2025"});
    EXPECT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out.substr(0, s.out.find('\n')),
              "Heure d'été : 30/3/2025   Heure d'hiver : 26/10/2025");
    EXPECT_NE(s.out.find("29/03/2025  heure d'hiver (0)\n30/03/2025  heure d'été (1)\n"),
              std::string::npos);
    EXPECT_NE(s.out.find("25/10/2025  heure d'été (1)\n26/10/2025  heure d'hiver (0)\n"),
              std::string::npos);
    const test_support::Sortie t =
        test_support::lance({"dst", "France", "2025", "--format", "tsv"});
    EXPECT_EQ(t.out.substr(0, 45), "debut\t2025-03-30\nfin\t2025-10-26\n2025-01-01\t0\n");
    EXPECT_EQ(std::count(t.out.begin(), t.out.end(), '\n'), 2 + 365);
}

TEST_F(CommandesLieux, PasDeFichier)
{
    const test_support::Sortie s = test_support::lance({"dst", "Japon", "2025"});
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.out, "Pas de fic\nLes heures indiquées sont celles d'hiver.\n");
    EXPECT_EQ(test_support::lance({"dst", "Japon", "2025", "--format", "tsv"}).out, "Pas de fic\n");
}

} // namespace
} // namespace orvane::cli
