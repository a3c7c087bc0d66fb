// east-west on the command line, in a fresh program directory: the six
// files of a year byte for byte with the golden tables of the library, the
// years of the option and of "config_ciop.txt", and the refusals.

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

class CommandeEstOuest : public test_support::DansUnRepertoireNeuf
{
protected:
    test_support::Sortie lance(std::vector<std::string> args) const
    {
        args.insert(args.begin(), "east-west");
        args.insert(args.end(), {"--dir", sortie().string()});
        return test_support::lance(args);
    }
    fs::path sortie() const { return dir.path() / "tables"; }
    std::vector<std::string> lignes(std::string_view texte) const
    {
        return platform::split_lines(texte);
    }
};

TEST_F(CommandeEstOuest, LesSixFichiersDUneAnnee)
{
    const auto s = lance({"5785"});
    ASSERT_EQ(s.code, 0) << s.err;
    const std::vector<std::string> noms{
        "est_ouest_5785_OM_CENTRE.txt",  "est_ouest_5785_OM_OUEST.txt",
        "est_ouest_5785_OM_EST.txt",     "est_ouest_5785_CIOP_CENTRE.txt",
        "est_ouest_5785_CIOP_OUEST.txt", "est_ouest_5785_CIOP_EST.txt"};
    const std::vector<std::string> imprimes = lignes(s.out);
    ASSERT_EQ(imprimes.size(), noms.size());
    for (std::size_t i = 0; i < noms.size(); ++i) {
        EXPECT_EQ(imprimes[i], (sortie() / noms[i]).string());
        orvane::test::compare_au_golden(orvane::test::octets_du_fichier(sortie() / noms[i]),
                                        ORVANE_SOURCE_DIR "/tests/tables/golden", noms[i]);
    }
}

TEST_F(CommandeEstOuest, LesAnneesDeLOptionEtDuFichier)
{
    auto s = lance({"5790", "--years", "2"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(lignes(s.out).size(), 12u);
    EXPECT_TRUE(fs::exists(sortie() / "est_ouest_5791_CIOP_EST.txt"));
    EXPECT_FALSE(fs::exists(sortie() / "est_ouest_5792_OM_CENTRE.txt"));

    // Without the option, the number of years of config_ciop.txt.
    platform::write_lines(dir.path() / "config_ciop.txt", {"Nbr_annees_a_calculer_ciop 3"});
    s = lance({"5800"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(lignes(s.out).size(), 18u);
    EXPECT_TRUE(fs::exists(sortie() / "est_ouest_5802_OM_OUEST.txt"));
}

TEST_F(CommandeEstOuest, LesRefus)
{
    // Past the last year of the list.
    auto s = lance({"5859", "--years", "3"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("5860"), std::string::npos) << s.err;
    EXPECT_TRUE(s.out.empty());
    EXPECT_FALSE(fs::exists(sortie() / "est_ouest_5859_OM_CENTRE.txt"));
    s = lance({"5900"});
    EXPECT_EQ(s.code, 2);
    // A value of the file that is not a number: its message names the key and the file.
    platform::write_lines(dir.path() / "config_ciop.txt",
                          {"Calculs_horaires_est_ouest_secondes_ciop trente"});
    s = lance({"5785"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("Calculs_horaires_est_ouest_secondes_ciop"), std::string::npos) << s.err;
    EXPECT_NE(s.err.find("config_ciop.txt"), std::string::npos) << s.err;
    EXPECT_TRUE(s.out.empty());
}

} // namespace
} // namespace orvane::cli
