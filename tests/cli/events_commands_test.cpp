// The events commands of orvane-cli.

#include "cli/cli_runner.h"

#include <gtest/gtest.h>

#include <ctime>
#include <sstream>

#include <sstream>

namespace orvane::cli
{
namespace
{

using test_support::lance;
using test_support::Sortie;

std::vector<std::string> lignes(const std::string& texte)
{
    std::vector<std::string> l;
    std::istringstream in(texte);
    for (std::string s; std::getline(in, s);) {
        l.push_back(s);
    }
    return l;
}

TEST(CommandeFestivals, TexteEtTsv)
{
    const Sortie texte = lance({"festivals", "5785"});
    ASSERT_EQ(texte.code, 0) << texte.err;
    const auto l = lignes(texte.out);
    ASSERT_EQ(l.size(), 5u + 38u);
    EXPECT_EQ(l[3], " : Année hébraïque 5785 ---> 2024/2025    FÊTES JUIVES");

    const Sortie tsv = lance({"festivals", "5785", "--all", "--format", "tsv"});
    const auto t = lignes(tsv.out);
    ASSERT_EQ(t.size(), 44u);
    EXPECT_EQ(t[0], "5785\t1\t1\t2024\t10\t3\t5\t1\tF\tRoch Hachana");
    EXPECT_EQ(t[2], "5785\t1\t4\t2024\t10\t6\t1\t2\t\tJeûne Guedalia");

    const Sortie jeunes =
        lance({"festivals", "5785", "--to", "5786", "--fasts", "--format", "tsv"});
    EXPECT_EQ(lignes(jeunes.out).size(), 12u);
    const Sortie israel = lance({"festivals", "5785", "--israel", "--format", "tsv"});
    EXPECT_EQ(lignes(israel.out).size(), 35u);
}

TEST(CommandeFestivals, AnneesHorsLimites)
{
    const Sortie s = lance({"festivals", "3859"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("min 3860"), std::string::npos);
    EXPECT_EQ(lance({"festivals", "5790", "--to", "5785"}).code, 2);
    EXPECT_NE(lance({"festivals", "5785", "--all", "--fasts"}).code, 0);
}

TEST(CommandeReadings, UnChabbatParLigne)
{
    const Sortie s = lance({"readings", "5785", "--format", "tsv"});
    ASSERT_EQ(s.code, 0);
    const auto l = lignes(s.out);
    ASSERT_EQ(l.size(), 51u);
    EXPECT_EQ(l[0], "2024\t10\t5\t5785\t1\t3\tHaazinou\tChouva");
    EXPECT_EQ(l[3], "2024\t10\t26\t5785\t1\t24\tBerèchit\t");
    const Sortie israel = lance({"readings", "5779", "--israel", "--format", "tsv"});
    EXPECT_NE(israel.out.find("2019\t4\t27\t5779\t8\t22\tA'harè-Mot\t"), std::string::npos);
    const Sortie texte = lance({"readings", "5785"});
    EXPECT_NE(texte.out.find("Berèchit"), std::string::npos);
}

TEST(CommandeDay, LibellesDUnJour)
{
    const Sortie s = lance({"day", "2024-04-23", "--format", "tsv"});
    ASSERT_EQ(s.code, 0);
    EXPECT_EQ(s.out, "2024\t4\t23\t5784\t8\t15\t3\tPessa'h\t\tTikoun Hatal\t\n");
    const Sortie hanouka = lance({"day", "2024-12-28", "--format", "tsv"});
    EXPECT_EQ(hanouka.out, "2024\t12\t28\t5785\t3\t27\t7\t'Hanouka\t\t\tMikets\n");
    const Sortie texte = lance({"day", "2024-04-23"});
    EXPECT_NE(texte.out.find("Fête ou jeûne : Pessa'h"), std::string::npos);
    EXPECT_EQ(lance({"day", "2024-02-30"}).code, 2);
    EXPECT_EQ(lance({"day", "hier"}).code, 2);
}

// A weekday of 'Hanouka has no reading line; the two phrases split over the
// day mark and the festival text are read whole.
TEST(CommandeDay, HanoukaEtPhrasesEnDeuxParties)
{
    const Sortie vendredi = lance({"day", "2024-12-27"});
    EXPECT_EQ(vendredi.out, "Vendredi  27  Décembre 2024  =  Vendredi  26  Kislev  5785\n"
                            "  Fête ou jeûne : 'Hanouka\n");
    EXPECT_EQ(lance({"day", "1948-05-14", "--format", "tsv"}).out,
              "1948\t5\t14\t5708\t9\t5\t6\t\tCréation de l'Etat d'Israel\tOmer 20\t\n");
    EXPECT_EQ(lance({"day", "1967-06-07", "--format", "tsv"}).out,
              "1967\t6\t7\t5727\t9\t28\t4\t\tRéunification de Jérusalem\tOmer 43\t\n");
    // A Saturday's mark and its reading stay apart: Chouchan Pourim 5785.
    const Sortie chouchan = lance({"day", "2025-03-15"});
    EXPECT_NE(chouchan.out.find("  Marque du jour : Pourim Chouchan\n"), std::string::npos)
        << chouchan.out;
    EXPECT_NE(chouchan.out.find("  Paracha : Ki-Tissa\n"), std::string::npos) << chouchan.out;
    // Every Saturday of 2025: the mark never carries the reading's name.
    for (int jour = 4; jour <= 365; jour += 7) { // 4 January 2025 is a Saturday
        const std::tm t{0, 0, 12, jour, 0, 125, 0, 0, 0, 0, nullptr};
        std::tm normal = t;
        std::mktime(&normal);
        char date[16];
        std::strftime(date, sizeof date, "%Y-%m-%d", &normal);
        const std::string ligne = lance({"day", date, "--format", "tsv"}).out;
        std::vector<std::string> champs;
        std::istringstream flux(ligne.substr(0, ligne.size() - 1));
        for (std::string c; std::getline(flux, c, '\t');) {
            champs.push_back(c);
        }
        ASSERT_GE(champs.size(), 10u) << date;
        if (champs.size() == 11 && !champs[10].empty() && !champs[8].empty()) {
            EXPECT_EQ(champs[8].find(champs[10].substr(0, 4)), std::string::npos) << ligne;
        }
    }
}

TEST(CommandeYeartype, TextesDeLAnnee)
{
    const Sortie s = lance({"yeartype", "5769", "--format", "tsv"});
    ASSERT_EQ(s.code, 0);
    EXPECT_NE(s.out.find("texte_type\tL'année 5769 est du type GA KA H\n"), std::string::npos);
    EXPECT_NE(s.out.find("texte_birkat_hahama\tBircat HA'HAMA : Mercredi 8 Avril 2009\n"),
              std::string::npos);
    const Sortie texte = lance({"yeartype", "5785"});
    EXPECT_EQ(
        lignes(texte.out).at(0),
        "    L'année 5785 est du type HA CHA A : correspond à 2024/2025 du calendrier civil.");
    EXPECT_EQ(lance({"yeartype", "20000"}).code, 2);
}

TEST(CommandeSeasons, QuatreTekoufot)
{
    const Sortie s = lance({"seasons", "5785", "--format", "tsv"});
    ASSERT_EQ(s.code, 0);
    const auto l = lignes(s.out);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0], "1\t2024\t10\t7\t1\t5\t3");
    EXPECT_EQ(l[1], "2\t2025\t1\t6\t4\t6\t10.5");
    const Sortie texte = lance({"seasons", "5785"});
    EXPECT_EQ(lignes(texte.out).at(0).substr(0, 14), "      TICHRI  ");
}

} // namespace
} // namespace orvane::cli
