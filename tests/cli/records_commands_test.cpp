// anniversaries and barmitsva on the command line, run with in-memory streams.

#include "cli_runner.h"

#include <gtest/gtest.h>

namespace orvane::cli
{
namespace
{

using test_support::lance;
using Resultat = test_support::Sortie;

// 1 Tichri 5785 is Thursday 3 October 2024: an anniversary on "today" is
// the first of the list and is not marked past.
TEST(CommandeAnniversaries, ListeDepuisUneDateDonnee)
{
    const Resultat r = lance({"anniversaries", "5700-1-1", "--count", "2", "--from", "2024-10-03"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, " 2 anniversaires de l'événement\n"
                     "   Jeudi    3  Octobre   2024 --> 1  Tichri  5785\n"
                     "   Mardi    23 Septembre 2025 --> 1  Tichri  5786\n");
}

// Adar of a common year: Adar II in the leap year 5787, Adar in 5786.
TEST(CommandeAnniversaries, AdarEnTsv)
{
    const Resultat r = lance(
        {"anniversaries", "5785-6-14", "--count", "3", "--from", "2025-03-15", "--format", "tsv"});
    EXPECT_EQ(r.code, 0);
    std::istringstream lignes(r.out);
    std::string ligne;
    std::vector<std::string> mois;
    while (std::getline(lignes, ligne)) {
        std::istringstream champs(ligne);
        std::string champ;
        std::vector<std::string> c;
        while (std::getline(champs, champ, '\t')) {
            c.push_back(champ);
        }
        ASSERT_EQ(c.size(), 7u) << ligne;
        mois.push_back(c[4] + "-" + c[5] + "-" + c[6]);
    }
    EXPECT_EQ(mois, (std::vector<std::string>{"5786-6-14", "5787-7-14", "5788-6-14"}));
}

TEST(CommandeAnniversaries, DecesEtPas)
{
    const Resultat r = lance({"anniversaries", "5700-1-1", "--count", "1", "--from", "2024-10-04",
                              "--family", "death", "--step", "2"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), " 3 anniversaires du décès ");
    EXPECT_NE(r.out.find("1  Tichri  5786"), std::string::npos);
    EXPECT_NE(r.out.find("1  Tichri  5788"), std::string::npos);
    EXPECT_NE(r.out.find("1  Tichri  5790"), std::string::npos);
}

TEST(CommandeAnniversaries, MauvaisesEntrees)
{
    Resultat r = lance({"anniversaries", "5785-7-1", "--from", "2024-10-03"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "5785-7-1 : Cette date n'existe pas\nl'année est commune\n");
    r = lance({"anniversaries", "5785-1-1", "--from", "2023-02-30"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "2023-02-30 : Cette date civile est incorrecte\n");
    r = lance({"anniversaries", "5785-1-1", "--count", "0", "--from", "2024-10-03"});
    EXPECT_EQ(r.code, 2);
    r = lance({"anniversaries", "5785-1-1", "--family", "mariage", "--from", "2024-10-03"});
    EXPECT_EQ(r.code, 2);
    r = lance({"anniversaries", "5785-1-1", "--count", "100", "--step", "2147483647"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "--step 2147483647 : de 1 à 9899 ans\n");
    r = lance({"anniversaries", "5740-1-1", "--from", "9999-10-01"});
    EXPECT_EQ(r.code, 2); // the next one is already past the calendar
    EXPECT_NE(r.err.find("Année date hébraïque min 3860  max 13759"), std::string::npos);
}

// A list that would run past the last Hebrew year of the calendar gives the
// anniversaries inside it and says where it stops.
TEST(CommandeAnniversaries, LaListeSArreteALaDerniereAnnee)
{
    const Resultat r = lance(
        {"anniversaries", "13750-1-1", "--count", "20", "--from", "9990-01-01", "--format", "tsv"});
    EXPECT_EQ(r.code, 0);
    std::istringstream lignes(r.out);
    std::vector<std::string> l;
    for (std::string s; std::getline(lignes, s);) {
        l.push_back(s);
    }
    ASSERT_EQ(l.size(), 9u) << r.out;
    EXPECT_EQ(l.front().substr(0, 5), "9990\t");
    EXPECT_NE(l.back().find("\t13759\t1\t1"), std::string::npos) << l.back();
    EXPECT_EQ(
        r.err,
        "La liste s'arrête en 13759 : les années hébraïques du calendrier vont jusqu'à 13759.\n");
}

// Without --from the list starts from the system date: its first line is
// never marked past.
TEST(CommandeAnniversaries, AujourdhuiParDefaut)
{
    const Resultat r = lance({"anniversaries", "5700-1-1", "--count", "1"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.find(" x"), std::string::npos);
}

TEST(CommandeBarmitsva, GarconEtFille)
{
    Resultat r = lance({"barmitsva", "5772-1-24"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Paracha de Bar-Mitsva\n"
                     "   Chabbat   26 Octobre 2024 = 24 Tichri  5785\n"
                     "Chabbat Bar-Mitsva : Berèchit\n");
    r = lance({"barmitsva", "5771-6-30", "--girl"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("Paracha de Bat-Mitsva\n"), std::string::npos);
    EXPECT_NE(r.out.find("= 1 Nissan  5783\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Chabbat Bat-M. "), std::string::npos);
}

TEST(CommandeBarmitsva, TsvEtErreurs)
{
    Resultat r = lance({"barmitsva", "5772-1-1", "--format", "tsv"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.substr(0, r.out.rfind('\t') + 1),
              "2024\t10\t3\t5\t5785\t1\t1\t2024\t10\t5\t7\t5785\t1\t3\t");
    r = lance({"barmitsva", "5784-7-30"});
    EXPECT_EQ(r.code, 2);
    r = lance({"barmitsva", "13750-1-1"});
    EXPECT_EQ(r.code, 2);
}

} // namespace
} // namespace orvane::cli
