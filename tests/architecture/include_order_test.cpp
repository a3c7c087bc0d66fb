#include "include_order.h"

#include "platform/temporary_directory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace orvane::architecture
{
namespace
{

using platform::test_support::TemporaryDirectory;

std::string lit_tout(const std::filesystem::path& chemin)
{
    std::ifstream flux(chemin);
    std::ostringstream texte;
    texte << flux.rdbuf();
    return texte.str();
}

void ecrit(const std::filesystem::path& chemin, const std::string& texte)
{
    std::filesystem::create_directories(chemin.parent_path());
    std::ofstream(chemin) << texte;
}

std::vector<std::string> textes(const std::vector<IncludeInterdit>& interdits)
{
    std::vector<std::string> t;
    for (const IncludeInterdit& i : interdits) {
        t.push_back(texte_include_interdit(i));
    }
    return t;
}

const std::vector<std::string> petit_ordre{"platform", "engine", "zmanim"};

TEST(OrdreDesBibliotheques, LaChaineEstLueSurPlusieursLignes)
{
    EXPECT_EQ(ordre_des_bibliotheques("each using only those\n  before it: platform ← engine ←\n"
                                      "  zmanim ← shell. A test reads"),
              (std::vector<std::string>{"platform", "engine", "zmanim", "shell"}));
    EXPECT_TRUE(ordre_des_bibliotheques("no chain here").empty());
}

// The order the project documents: every library of src/ stands in it, the
// platform first and the shell last.
TEST(OrdreDesBibliotheques, LeDocumentDuProjetDonneToutesLesBibliotheques)
{
    const std::vector<std::string> ordre =
        ordre_des_bibliotheques(lit_tout(ORVANE_SOURCE_DIR "/docs/ARCHITECTURE.md"));
    ASSERT_GE(ordre.size(), 8u);
    EXPECT_EQ(ordre.front(), "platform");
    EXPECT_EQ(ordre.back(), "shell");
    for (const char* nom : {"engine", "config", "places", "events", "zmanim", "records"}) {
        EXPECT_NE(std::find(ordre.begin(), ordre.end(), nom), ordre.end()) << nom;
    }
}

// The real tree keeps the order.
TEST(IncludesInterdits, AucunDansLesSources)
{
    const std::vector<std::string> ordre =
        ordre_des_bibliotheques(lit_tout(ORVANE_SOURCE_DIR "/docs/ARCHITECTURE.md"));
    const std::vector<std::string> trouves =
        textes(includes_interdits(ORVANE_SOURCE_DIR "/src", ordre));
    EXPECT_TRUE(trouves.empty()) << ::testing::PrintToString(trouves);
}

TEST(IncludesInterdits, UnIncludeAReboursEstSignale)
{
    TemporaryDirectory dir;
    ecrit(dir / "src/engine/a.cpp", "#include \"engine/a.h\"\n#include \"platform/text.h\"\n"
                                    "  #include \"zmanim/soleil.h\"\n");
    ecrit(dir / "src/zmanim/b.h", "#include \"engine/a.h\"\n#include \"jour_commun.h\"\n");
    EXPECT_EQ(textes(includes_interdits(dir / "src", petit_ordre)),
              (std::vector<std::string>{"src/engine/a.cpp:3 includes \"zmanim/soleil.h\" "
                                        "(zmanim is not before engine)"}));
}

TEST(IncludesInterdits, QtEtLesFrontsRestentHorsDesBibliotheques)
{
    TemporaryDirectory dir;
    ecrit(dir / "src/platform/q.cpp", "#include <QString>\n#include <vector>\n");
    ecrit(dir / "src/engine/g.cpp", "#include \"gui/widgets/x.h\"\n");
    ecrit(dir / "src/cli/c.cpp",
          "#include \"zmanim/z.h\"\n#include \"gui/g.h\"\n#include <QDate>\n");
    ecrit(dir / "src/gui/w.cpp",
          "#include <QWidget>\n#include \"cli/cli.h\"\n#include \"gui/x.h\"\n");
    EXPECT_EQ(
        textes(includes_interdits(dir / "src", petit_ordre)),
        (std::vector<std::string>{
            "src/cli/c.cpp:2 includes \"gui/g.h\" (gui is a front end, above every library)",
            "src/engine/g.cpp:1 includes \"gui/widgets/x.h\" (gui is a front end, above every "
            "library)",
            "src/gui/w.cpp:2 includes \"cli/cli.h\" (cli is a front end, above every library)",
            "src/platform/q.cpp:1 includes \"QString\" (platform is a library without Qt)"}));
}

TEST(IncludesInterdits, UnDossierHorsDeLOrdreEstSignale)
{
    TemporaryDirectory dir;
    ecrit(dir / "src/nouveau/n.cpp", "#include \"platform/text.h\"\n");
    EXPECT_EQ(
        textes(includes_interdits(dir / "src", petit_ordre)),
        (std::vector<std::string>{
            "src/nouveau/n.cpp:0 includes \"\" (nouveau is not in the order of the libraries)"}));
}

} // namespace
} // namespace orvane::architecture
