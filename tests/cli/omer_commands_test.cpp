// The omer and shemita commands of orvane-cli: the rows of the Omer window's
// saved file (the same lines as its golden file), the tab-separated days,
// the strip of sabbatical and jubilee years under each count, and the
// years refused.

#include "cli/cli_runner.h"
#include "golden_file.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvane::cli
{
namespace
{

using test_support::lance;
using test_support::Sortie;

const std::filesystem::path golden_cli =
    std::filesystem::path(ORVANE_SOURCE_DIR) / "tests/cli/golden";

std::vector<std::string> lignes(const std::string& texte)
{
    std::vector<std::string> l;
    std::istringstream in(texte);
    for (std::string s; std::getline(in, s);) {
        l.push_back(s);
    }
    return l;
}

TEST(CommandeOmer, LesLignesDuFichierEnregistre)
{
    const Sortie s = lance({"omer", "2025"});
    ASSERT_EQ(s.code, 0) << s.err;
    // The lines the window saves into OMER_2025.txt.
    EXPECT_EQ(lignes(s.out), platform::read_lines(std::filesystem::path(ORVANE_SOURCE_DIR) /
                                                  "tests/events/golden/omer/OMER_2025.txt"));
    test::compare_au_golden(s.out, golden_cli, "omer_2025.txt");
}

TEST(CommandeOmer, JoursEnTsv)
{
    const Sortie s = lance({"omer", "2029", "--format", "tsv"});
    ASSERT_EQ(s.code, 0) << s.err;
    const auto l = lignes(s.out);
    ASSERT_EQ(l.size(), 51u);
    EXPECT_EQ(l[0], "2029\t3\t31\t7\t5789\t8\t15\tPESSAH");
    EXPECT_EQ(l[1], "2029\t4\t1\t1\t5789\t8\t16\t1");
    EXPECT_EQ(l[16], "2029\t4\t16\t2\t5789\t9\t1\t16");
    EXPECT_EQ(l[49], "2029\t5\t19\t7\t5789\t10\t5\t49");
    EXPECT_EQ(l[50], "2029\t5\t20\t1\t5789\t10\t6\tCHAVOUOT");
    test::compare_au_golden(s.out, golden_cli, "omer_2029.tsv");
}

TEST(CommandeOmer, AnneesHorsLimites)
{
    // The spring of -1 is that of 3760: there is no year 0.
    const Sortie avant = lance({"omer", "-1", "--format", "tsv"});
    ASSERT_EQ(avant.code, 0) << avant.err;
    // Civil years as the program writes them: the year before 1 is -1.
    EXPECT_TRUE(avant.out.starts_with("-1\t")) << avant.out.substr(0, 30);
    EXPECT_NE(avant.out.find("\t3760\t8\t16\t1\n"), std::string::npos);
    EXPECT_EQ(lance({"omer", "-3760"}).code, 0);
    EXPECT_EQ(lance({"omer", "9999"}).code, 0);
    for (const char* annee : {"0", "-3761", "10000"}) {
        const Sortie s = lance({"omer", annee});
        EXPECT_EQ(s.code, 2) << annee;
        EXPECT_NE(s.err.find("de -3760 à 9999, sans année 0"), std::string::npos) << s.err;
        EXPECT_EQ(s.out, "") << annee;
    }
}

TEST(CommandeShemita, SelonRabbiYehouda)
{
    const Sortie s = lance({"shemita", "5785"});
    ASSERT_EQ(s.code, 0) << s.err;
    const auto l = lignes(s.out);
    ASSERT_EQ(l.size(), 2u + 17u + 3u);
    EXPECT_EQ(l[0], "Cycles Chemita et Yovel  ( Année sabbatique et jubilé )");
    EXPECT_EQ(l[1], "(Selon Rabbi Yehouda)");
    EXPECT_EQ(l[2], " 5777");
    EXPECT_EQ(l[7], " 5782  CH");
    EXPECT_EQ(l[8], " 5783  Y");
    EXPECT_EQ(l[14], " 5789  CH");
    EXPECT_EQ(l[18], " 5793");
    EXPECT_EQ(l[19], "5785 : 3e Année du 827e cycle de Chemita");
    EXPECT_EQ(l[20], "Prochaine Chemita : 5789 (hébreu) ---> 2029 (civil)");
    EXPECT_EQ(l[21], "Prochain  Yovel   : 5832 (hébreu) ---> 2072 (civil)  (Selon Rabbi Yehouda)  "
                     "Avis généralement retenu");
    test::compare_au_golden(s.out, golden_cli, "shemita_5785.txt");
}

TEST(CommandeShemita, SelonLesHakhamim)
{
    const Sortie s = lance({"shemita", "5750", "--opinion", "hakhamim"});
    ASSERT_EQ(s.code, 0) << s.err;
    const auto l = lignes(s.out);
    ASSERT_EQ(l.size(), 22u);
    EXPECT_EQ(l[1], "(Selon les 'Hakhamim)");
    EXPECT_EQ(l[9], " 5749  CH");
    EXPECT_EQ(l[10], " 5750  Y");
    EXPECT_EQ(l[19], "5750 : Année du Yovel");
    test::compare_au_golden(s.out, golden_cli, "shemita_5750_hakhamim.txt");
    // Up to year 8 the strip starts on the year itself.
    const auto debut = lignes(lance({"shemita", "3"}).out);
    EXPECT_EQ(debut[2], "    3");
    EXPECT_EQ(debut[19], "3 : 3e Année du 1er cycle de Chemita");
}

TEST(CommandeShemita, AnneesEtAvisRefuses)
{
    for (const char* annee : {"0", "32751"}) {
        const Sortie s = lance({"shemita", annee});
        EXPECT_EQ(s.code, 2) << annee;
        EXPECT_NE(s.err.find("de 1 à 32750"), std::string::npos) << s.err;
    }
    EXPECT_EQ(lance({"shemita", "32750"}).code, 0);
    EXPECT_NE(lance({"shemita", "5785", "--opinion", "autre"}).code, 0);
}

} // namespace
} // namespace orvane::cli
