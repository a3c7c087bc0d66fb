// book, zmanim-pages and daylist on the command line, in a fresh program
// directory: the files the window writes there, the list of the day byte
// for byte with the golden file of the tables library, and the refusals.

#include "cli_runner.h"
#include "golden_file.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane::cli
{
namespace
{

namespace fs = std::filesystem;

class CommandesDePublication : public test_support::DansUnRepertoireNeuf
{
};

TEST_F(CommandesDePublication, LeLivreDesVillesDeFrance)
{
    const auto s = test_support::lance({"book", "2025"});
    ASSERT_EQ(s.code, 0) << s.err;
    const auto lignes = platform::split_lines(s.out);
    ASSERT_FALSE(lignes.empty());
    EXPECT_EQ(lignes.front(), (dir.path() / "zemani1.txt").string() + "\t40");
    EXPECT_EQ(lignes.back().rfind((dir.path() / "zemanif.txt").string() + "\t", 0), 0u);
    EXPECT_TRUE(fs::is_directory(dir.path() / "LIVRE"));
    const auto premier = platform::read_lines(dir.path() / "zemani1.txt");
    ASSERT_FALSE(premier.empty());
    EXPECT_EQ(premier[0].rfind("AIX-EN-PROVENCE (13) -    Latitude : ", 0), 0u) << premier[0];
}

TEST_F(CommandesDePublication, LesPagesDUneVille)
{
    const auto s = test_support::lance({"zmanim-pages", "--place", "PARIS (75)", "2025", "2026"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_TRUE(fs::exists(dir.path() / "Horaires" / "2025" / "PARIS 75.htm"));
    EXPECT_TRUE(fs::exists(dir.path() / "Horaires" / "2026" / "PARIS 75.htm"));
    EXPECT_NE(s.out.find(" PAGE WEB TERMINEE. VILLE PARIS (75) ANNEES 2025 A 2026\n"),
              std::string::npos)
        << s.out;
}

TEST_F(CommandesDePublication, LaListeDuJour)
{
    const auto s = test_support::lance({"daylist", "2025-01-15"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out.rfind("Mercredi 15 Janvier 2025\t", 0), 0u);
    orvane::test::compare_au_golden(orvane::test::octets_du_fichier(dir.path() / "cal_exl.txt"),
                                    ORVANE_SOURCE_DIR "/tests/tables/golden",
                                    "villactu_2025_01_15.txt");
    const auto actuj = test_support::lance({"daylist", "2025-06-21", "--actuj"});
    ASSERT_EQ(actuj.code, 0) << actuj.err;
    orvane::test::compare_au_golden(orvane::test::octets_du_fichier(dir.path() / "cal_exl.txt"),
                                    ORVANE_SOURCE_DIR "/tests/tables/golden",
                                    "villactu_actuj_2025_06_21.txt");
}

TEST_F(CommandesDePublication, LesRefus)
{
    auto s = test_support::lance({"book", "--rt", "--plaque", "2025"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("Choisissez un seul livre"), std::string::npos) << s.err;
    s = test_support::lance({"zmanim-pages", "2025", "2025"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("Choisissez une sortie"), std::string::npos) << s.err;
    s = test_support::lance({"zmanim-pages", "--list", "--world", "2025", "2025"});
    EXPECT_EQ(s.code, 2);
    s = test_support::lance({"zmanim-pages", "--place", "PARIS (75)", "2025", "2025", "--text"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("qu'en HTML"), std::string::npos) << s.err;
    s = test_support::lance({"zmanim-pages", "--list", "2026", "2025"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("L'année de fin 2025 précède celle du début 2026."), std::string::npos)
        << s.err;
    s = test_support::lance({"daylist", "2025-02-30"});
    EXPECT_EQ(s.code, 2);
}

} // namespace
} // namespace orvane::cli
