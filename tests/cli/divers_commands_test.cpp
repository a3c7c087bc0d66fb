// divers on the command line, in a fresh program directory: each table's
// text is the window's, byte for byte with the golden tables of the
// documents; the tab-separated form; the refusals of bad input.
#include "cli_runner.h"
#include "golden_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane::cli
{
namespace
{

namespace fs = std::filesystem;

const fs::path golden_divers = fs::path(ORVANE_SOURCE_DIR) / "tests/documents/golden/divers";

class CommandeDivers : public test_support::DansUnRepertoireNeuf
{
protected:
    static test_support::Sortie lance(std::vector<std::string> args)
    {
        args.insert(args.begin(), "divers");
        return test_support::lance(args);
    }
};

// The tables of the window's defaults for 5785 come out as the window
// writes them (the series and the cycles take their own defaults).
TEST_F(CommandeDivers, LesTablesDeLaFenetre)
{
    for (const char* mode :
         {"moladot", "levana", "guechamim", "tekoufot", "roch-hodech", "visites",
          "visites-interdites", "mariages", "tableau-types", "types-annees", "bar-mitsva"}) {
        SCOPED_TRACE(mode);
        // The grid of types starts a century back, on a year ending in 1.
        const bool grille = std::string_view(mode) == "types-annees";
        std::vector<std::string> args = {mode, grille ? "5681" : "5785"};
        if (std::string_view(mode) == "guechamim") {
            args.emplace_back("--israel");
        }
        if (std::string_view(mode) == "bar-mitsva") {
            args.emplace_back("--girl");
        }
        const test_support::Sortie s = lance(args);
        ASSERT_EQ(s.code, 0) << s.err;
        EXPECT_TRUE(s.out == orvane::test::octets_du_fichier(golden_divers /
                                                             (std::string(mode) + "_5785.txt")));
    }
    for (const char* mode : {"hahama", "tableau-cycles", "liste-cycles"}) {
        SCOPED_TRACE(mode);
        const test_support::Sortie s = lance({mode});
        ASSERT_EQ(s.code, 0) << s.err;
        EXPECT_TRUE(s.out == orvane::test::octets_du_fichier(golden_divers /
                                                             (std::string(mode) + "_5785.txt")));
    }
}

TEST_F(CommandeDivers, FormeTabuleeSansEntete)
{
    const test_support::Sortie s = lance({"roch-hodech", "5785", "--format", "tsv"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out.find("==="), std::string::npos);
    EXPECT_EQ(s.out.find("  "), std::string::npos);
    EXPECT_NE(s.out.find("ROCH-HACHANA\tJeudi\t1\tTichri\t5785\t--->\t3\tOctobre\t2024"),
              std::string::npos)
        << s.out;
}

TEST_F(CommandeDivers, PlusieursAnneesEtUnMois)
{
    const test_support::Sortie s =
        lance({"roch-hodech", "5785", "--years", "3", "--step", "2", "--month", "8"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_NE(s.out.find("Roch Hodech pour les années 5785-5789"), std::string::npos);
    EXPECT_NE(s.out.find("Roch Hodech de l'année 5787"), std::string::npos);
    EXPECT_EQ(s.out.find("Roch Hodech de l'année 5786"), std::string::npos);
}

TEST_F(CommandeDivers, LesRefus)
{
    const test_support::Sortie inconnue = lance({"planetes", "5785"});
    EXPECT_EQ(inconnue.code, 2);
    EXPECT_NE(inconnue.err.find("planetes : table inconnue ; les tables sont moladot, levana"),
              std::string::npos)
        << inconnue.err;
    const test_support::Sortie trop_loin = lance({"moladot", "13760"});
    EXPECT_EQ(trop_loin.code, 2);
    EXPECT_NE(trop_loin.err.find("Année 13760 : la valeur doit être comprise entre 1 et 13759"),
              std::string::npos)
        << trop_loin.err;
    EXPECT_EQ(lance({"tableau-types", "214999"}).code, 0);
    EXPECT_EQ(lance({"hahama", "210170"}).code, 2);
    EXPECT_EQ(lance({"liste-cycles", "--years", "101"}).code, 2);
    EXPECT_EQ(lance({"moladot", "5785", "--step", "0"}).code, 2);
    EXPECT_EQ(lance({"moladot", "5785", "--month", "14"}).code, 2);
    const test_support::Sortie limite = lance({"types-annees", "5785", "--to", "5700"});
    EXPECT_EQ(limite.code, 2);
    EXPECT_NE(limite.err.find("Calcul impossible car l'année limite"), std::string::npos);
}

} // namespace
} // namespace orvane::cli
