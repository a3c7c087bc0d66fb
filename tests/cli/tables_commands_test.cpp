// table on the command line, in a fresh program directory: the lines of
// "zemanim.txt" of the window for the same choices, byte for byte with the
// golden file of the tables library; the tab-separated form; the refusals.

#include "cli_runner.h"
#include "golden_file.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::cli
{
namespace
{

class CommandeTable : public test_support::DansUnRepertoireNeuf
{
protected:
    static test_support::Sortie lance(std::vector<std::string> args)
    {
        args.insert(args.begin(), "table");
        return test_support::lance(args);
    }
};

TEST_F(CommandeTable, LesLignesDuFichierDeLaFenetre)
{
    const auto s =
        lance({"--lat", "48°52'N", "--lon", "02°20'E", "--zone", "+1", "--place", "PARIS (75)",
               "--country", "France", "2025-01-01", "2025-01-31", "--days", "Chabbat"});
    ASSERT_EQ(s.code, 0) << s.err;
    // Written as the window writes the file: Windows-1252, CR LF.
    const auto chemin = dir.path() / "sortie.txt";
    platform::write_lines(chemin, platform::split_lines(s.out));
    orvane::test::compare_au_golden(orvane::test::octets_du_fichier(chemin),
                                    ORVANE_SOURCE_DIR "/tests/tables/golden",
                                    "zemanim_paris_2025_01_chabbat.txt");
}

TEST_F(CommandeTable, FormeTabulee)
{
    const auto s = lance(
        {"--place", "PARIS (75)", "2025-06-01", "2025-06-30", "--step", "10", "--format", "tsv"});
    ASSERT_EQ(s.code, 0) << s.err;
    const auto lignes = platform::split_lines(s.out);
    ASSERT_EQ(lignes.size(), 4u); // the titles, the 1st, 11th and 21st
    EXPECT_EQ(lignes[0].rfind("date\theureA\theureT\theureL\t", 0), 0u) << lignes[0];
    EXPECT_EQ(lignes[1].rfind("2025-06-01\t", 0), 0u);
    EXPECT_EQ(lignes[3].rfind("2025-06-21\t", 0), 0u);
}

TEST_F(CommandeTable, LesRefus)
{
    auto s = lance({"--place", "PARIS (75)", "2025-02-01", "2025-01-01"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("Ce calcul est impossible car la date de fin"), std::string::npos)
        << s.err;
    s = lance({"--place", "PARIS (75)", "2025-01-01", "2025-01-02", "--days", "Shabbes"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("Choix des jours inconnu"), std::string::npos) << s.err;
    s = lance({"--place", "PARIS (75)", "2025-01-01", "2025-01-02", "--step", "40"});
    EXPECT_NE(s.code, 0);
}

TEST_F(CommandeTable, LesHeuresDuHametsCommeLaFenetre)
{
    // Twice: the file of the city receives one block per computation.
    for (int fois = 0; fois < 2; ++fois) {
        const auto s = test_support::lance({"pesach", "5785", "--place", "PARIS (75)"});
        ASSERT_EQ(s.code, 0) << s.err;
        EXPECT_NE(s.out.find("BIOUR 'HAMETS Vendredi avant-veille de Pessa'h\t\t12:01"),
                  std::string::npos)
            << s.out;
    }
    orvane::test::compare_au_golden(
        orvane::test::octets_du_fichier(dir.path() / "HAMETS/2025/PARIS 75.txt"),
        ORVANE_SOURCE_DIR "/tests/tables/golden", "hamets_5785_paris.txt");
    const auto refus = test_support::lance({"pesach", "0", "--place", "PARIS (75)"});
    EXPECT_EQ(refus.code, 2);
}

TEST_F(CommandeTable, LeClasseurEtLesPagesWeb)
{
    const auto classeur = dir.path() / "paris.xlsx";
    auto s =
        lance({"--place", "PARIS (75)", "2025-01-01", "2025-01-31", "--xlsx", classeur.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_GT(std::filesystem::file_size(classeur), 2000u);
    // A workbook of every column needs every time of the day.
    s = lance({"--place", "PARIS (75)", "2025-01-01", "2025-01-31", "--step", "3", "--xlsx",
               (dir.path() / "pas3.xlsx").string()});
    EXPECT_EQ(s.code, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "pas3.xlsx"));
    // The web pages of the city, a year each, copied into the folder.
    const auto pages = dir.path() / "pages";
    s = lance({"--place", "PARIS (75)", "2025-01-01", "2026-12-31", "--html", pages.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    const auto chemins = platform::split_lines(s.out);
    ASSERT_EQ(chemins.size(), 2u);
    for (const std::string& c : chemins) {
        EXPECT_TRUE(std::filesystem::exists(c)) << c;
        EXPECT_NE(platform::read_text(c).find("<A name=\"debut\">"), std::string::npos) << c;
    }
}

} // namespace
} // namespace orvane::cli
