// bar-mitsva on the command line, in a fresh program directory: the text of
// the window on the output, line for line with the golden page of the
// documents; the HTML page byte for byte with its golden file and read by
// the checker; the work files; the examples of a boy and of a girl born
// after nightfall; the refusals.
#include "cli_runner.h"
#include "documents/document_files.h"
#include "documents/html_check.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane::cli
{
namespace
{

namespace fs = std::filesystem;

class CommandeBarMitsva : public test_support::DansUnRepertoireNeuf
{
protected:
    static test_support::Sortie lance(std::vector<std::string> args)
    {
        args.insert(args.begin(), "bar-mitsva");
        return test_support::lance(args);
    }

    static std::vector<std::string> lignes(const std::string& sortie)
    {
        std::vector<std::string> l;
        std::size_t debut = 0;
        for (std::size_t fin; (fin = sortie.find('\n', debut)) != std::string::npos;
             debut = fin + 1) {
            l.push_back(sortie.substr(debut, fin - debut));
        }
        return l;
    }
};

TEST_F(CommandeBarMitsva, TableauDesFillesDe2011CommeLesGolden)
{
    const fs::path pages = dir / "pages";
    const test_support::Sortie s = lance({"2011", "--girl", "--table", "--html", pages.string(),
                                          "--xlsx", (dir / "tabar.xlsx").string()});
    ASSERT_EQ(s.code, 0) << s.err;
    // The golden text page: its head of two lines, the text, its foot.
    const std::vector<std::string> golden =
        platform::read_lines(documents::test::dossier_golden / "bar_mitsva_tableau_2011F.txt");
    const std::vector<std::string> texte = lignes(s.out);
    ASSERT_EQ(texte.size(), 373u);
    EXPECT_EQ(texte, std::vector<std::string>(golden.begin() + 2, golden.begin() + 2 + 373));
    EXPECT_EQ(platform::read_lines(dir / "barmanim.txt"), texte);
    const fs::path page = pages / "2011F.htm";
    documents::test::compare_au_golden(page, "bar_mitsva_tableau_2011F.htm");
    const std::vector<std::string> defauts =
        documents::test::defauts_html(documents::test::octets(page));
    EXPECT_TRUE(defauts.empty()) << defauts.front();
    EXPECT_TRUE(fs::exists(dir / "tabar.xlsx"));
}

TEST_F(CommandeBarMitsva, ExemplesDuGarconEtDeLaFille)
{
    const test_support::Sortie garcon = lance({"1999", "--table"});
    ASSERT_EQ(garcon.code, 0) << garcon.err;
    EXPECT_NE(garcon.out.find("Naissances en 1999 - Bar-Mitsva en 2012\n"), std::string::npos);
    EXPECT_NE(garcon.out.find("  Mardi     9 Nove 1999 Roch-Hodech Kislev               "
                              "---------------- 30 Hechvan 5760\t15  Nove 2012\t 1  Kislev "
                              "5773\tToledot\n"),
              std::string::npos);
    const test_support::Sortie nuit = lance({"2011", "--girl", "--after-nightfall"});
    ASSERT_EQ(nuit.code, 0) << nuit.err;
    EXPECT_NE(nuit.out.find("CALENDRIER DES BAT-MITSVOT - 2011\n"), std::string::npos);
    EXPECT_NE(nuit.out.find("  9 Adar II 5771\t/ Mercredi 10 Adar II 5771\t\t"), std::string::npos);
}

TEST_F(CommandeBarMitsva, AnneeHorsDuCalendrierRefusee)
{
    const test_support::Sortie s = lance({"99"});
    EXPECT_EQ(s.code, 2);
    EXPECT_TRUE(s.out.empty());
    EXPECT_FALSE(s.err.empty());
}

} // namespace
} // namespace orvane::cli
