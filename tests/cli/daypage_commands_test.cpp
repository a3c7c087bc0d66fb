// daypage on the command line, in a fresh program directory that receives
// the delivered places and summer-time tables.

#include "cli_runner.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::cli
{
namespace
{

class CommandePageDuJour : public test_support::DansUnRepertoireNeuf
{
protected:
    static test_support::Sortie lance(std::vector<std::string> args)
    {
        args.insert(args.begin(), "daypage");
        return test_support::lance(args);
    }
};

std::vector<std::string> lignes(const std::string& texte)
{
    return platform::split_lines(texte);
}

// The home place of a new program directory is Paris.
TEST_F(CommandePageDuJour, ParisLe21Juin2024)
{
    const test_support::Sortie s =
        lance({"2024-06-21", "--today", "2024-06-21", "--time", "15:10:20"});
    ASSERT_EQ(s.code, 0) << s.err;
    const auto l = lignes(s.out);
    ASSERT_GT(l.size(), 60u);
    EXPECT_EQ(l[0], "    AUJOURD'HUI " + std::string(64, '-'));
    EXPECT_EQ(l[1], "       Vendredi  21  Juin 2024 correspondant au Vendredi  15  Sivan   5784");
    EXPECT_EQ(l[2], "       Il est : 15 h 10 mn 20 sec = 15 h 186.0 halakim ");
    EXPECT_EQ(l[3], "       Ent: 21.40  Sor: 23.05");
    EXPECT_NE(s.out.find("     Lever du soleil : Nets      05:47\n"), std::string::npos);
    EXPECT_NE(s.out.find("     Entrée de Chabbat           21:40\n"), std::string::npos);
    EXPECT_NE(s.out.find("    Heure actuelle Hagra   06:57:"), std::string::npos);
    EXPECT_NE(s.out.find("    VILLE : PARIS (75)(France)---"), std::string::npos);
    EXPECT_NE(s.out.find("Heure d'été (1 heure)"), std::string::npos);
    EXPECT_NE(s.out.find("    JOURS IMPORTANTS DE L'ANNEE 5784 (en Diaspora) ---"),
              std::string::npos);
}

TEST_F(CommandePageDuJour, JerusalemEnIsrael)
{
    const test_support::Sortie s =
        lance({"2024-10-17", "--place", "Jérusalem", "--today", "2024-10-17", "--time", "12:00",
               "--count", "2", "--girl", "--opinion", "Or Méïr"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_NE(s.out.find("    VILLE : Jérusalem(Israël)"), std::string::npos);
    EXPECT_NE(s.out.find("( selon l'avis du Or Méïr )"), std::string::npos);
    EXPECT_NE(s.out.find("    JOURS IMPORTANTS DE L'ANNEE 5785 (en Israël) ---"),
              std::string::npos);
    EXPECT_NE(s.out.find("    2 PROCHAIN(S) ANNIVERSAIRE(S) "), std::string::npos);
    EXPECT_NE(s.out.find("    DATE DE BAT-MITSVA "), std::string::npos);
    EXPECT_EQ(s.out.find("Simha Torah"), std::string::npos); // kept with Chemini Atseret
}

TEST_F(CommandePageDuJour, EntreesRefusees)
{
    test_support::Sortie s = lance({"2024-02-30", "--time", "10:00"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("Cette date civile est incorrecte"), std::string::npos);
    s = lance({"2024-06-21", "--time", "25:00"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("heure incorrecte"), std::string::npos);
    s = lance({"2024-06-21", "--time", "10:00", "--place", "Atlantide"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("Ville inconnue : Atlantide"), std::string::npos);
    s = lance({"2024-06-21", "--time", "10:00", "--count", "0"});
    EXPECT_EQ(s.code, 2);
    s = lance({"2024-06-21", "--time", "10:00", "--opinion", "Hillel"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("Avis inconnu : Hillel"), std::string::npos);
}

} // namespace
} // namespace orvane::cli
