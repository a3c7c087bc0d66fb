// convert, year and molad on the command line, run with in-memory streams.

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <vector>

namespace orvane::cli
{
namespace
{

using test_support::lance;
using Resultat = test_support::Sortie;

TEST(CommandeConvert, DatesCivilesEnTsv)
{
    const Resultat r = lance({"convert", "--format", "tsv", "2023-09-16", "2024-03-11"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "2023\t9\t16\t7\t5784\t1\t1\n2024\t3\t11\t2\t5784\t7\t1\n");
    EXPECT_EQ(r.err, "");
}

TEST(CommandeConvert, DatesHebraiquesEnTexte)
{
    const Resultat r = lance({"convert", "--hebrew", "5785-1-1"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Jeudi     01  Tichri  5785  =  Jeudi     03  Octobre 2024\n");
}

TEST(CommandeConvert, CivilEnTexte)
{
    const Resultat r = lance({"convert", "2025-01-05"});
    EXPECT_EQ(r.out, "Dimanche  05  Janvier 2025  =  Dimanche  05  Tevet   5785\n");
}

// A bad date is reported with the program's message and exit status 2; the
// other dates are still converted.
TEST(CommandeConvert, MauvaisesDatesSignaleesLesAutresConverties)
{
    const Resultat r = lance(
        {"convert", "--format", "tsv", "2024-02-30", "2024-01-01", "abc", "1582-10-10", "50-1-1"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "2024\t1\t1\t2\t5784\t4\t20\n");
    EXPECT_EQ(r.err, "2024-02-30 : Cette date civile est incorrecte\n"
                     "abc : Cette date civile est incorrecte\n"
                     "1582-10-10 : Cette date n'existe pas\n"
                     "dans le calendrier grégorien\n"
                     "50-1-1 : Année date hébraïque min 3860  max 13759\n"
                     "Année date civile  min 100  max 9999\n");
}

TEST(CommandeConvert, MauvaisesDatesHebraiques)
{
    const Resultat r = lance({"convert", "--hebrew", "5785-7-1", "5784-7-30", "5784-2-30"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("5785-7-1 : Cette date n'existe pas\nl'année est commune\n"),
              std::string::npos);
    EXPECT_NE(r.err.find("5784-2-30 : Cette date hébraïque est incorrecte\n"), std::string::npos);
}

TEST(CommandeConvert, DatesSurLEntreeStandard)
{
    const Resultat r = lance({"convert", "--format", "tsv"}, "2024-01-01\r\n\n  2024-01-02  \n");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "2024\t1\t1\t2\t5784\t4\t20\n2024\t1\t2\t3\t5784\t4\t21\n");
}

/// Standard input given one line at a time, noting what had been written
/// when each line was asked for.
class LignesUneAUne : public std::streambuf
{
public:
    LignesUneAUne(std::vector<std::string> lignes, const std::ostringstream& sortie)
        : lignes_(std::move(lignes)), sortie_(sortie)
    {
    }
    std::vector<std::string> ecrit_avant;

protected:
    int_type underflow() override
    {
        if (gptr() < egptr()) {
            return traits_type::to_int_type(*gptr());
        }
        if (suivante_ == lignes_.size()) {
            return traits_type::eof();
        }
        ecrit_avant.push_back(sortie_.str());
        courante_ = lignes_[suivante_++] + "\n";
        setg(courante_.data(), courante_.data(), courante_.data() + courante_.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    std::vector<std::string> lignes_;
    const std::ostringstream& sortie_;
    std::size_t suivante_ = 0;
    std::string courante_;
};

// Each line of standard input is answered before the next is read, so that
// an endless input (a pipe) is worked through as it comes.
TEST(CommandeConvert, LEntreeStandardEstTraiteeLigneALigne)
{
    std::ostringstream out;
    std::ostringstream err;
    LignesUneAUne lignes({"2024-01-01", "2024-01-02", "2024-01-03"}, out);
    std::istream in(&lignes);
    EXPECT_EQ(run_cli({"convert", "--format", "tsv"}, in, out, err), 0);
    ASSERT_EQ(lignes.ecrit_avant.size(), 3u);
    EXPECT_EQ(lignes.ecrit_avant[0], "");
    EXPECT_EQ(lignes.ecrit_avant[1], "2024\t1\t1\t2\t5784\t4\t20\n");
    EXPECT_EQ(lignes.ecrit_avant[2], "2024\t1\t1\t2\t5784\t4\t20\n2024\t1\t2\t3\t5784\t4\t21\n");
}

TEST(CommandeConvert, IntervalleAcrossLaReforme)
{
    const Resultat r = lance({"convert", "--range", "1582-10-03", "1582-10-16", "--format", "tsv"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "1582\t10\t3\t4\t5343\t1\t17\n"
                     "1582\t10\t4\t5\t5343\t1\t18\n"
                     "1582\t10\t15\t6\t5343\t1\t19\n"
                     "1582\t10\t16\t7\t5343\t1\t20\n");
}

TEST(CommandeConvert, IntervalleALEnvers)
{
    const Resultat r = lance({"convert", "--range", "2024-01-02", "2024-01-01"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(r.err.empty());
}

TEST(CommandeYear, ColonnesTsv)
{
    const Resultat r = lance({"year", "5784", "--to", "5785", "--format", "tsv"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "5784\t13\t7\t5\t383\t29\t29\t2\t6\t11\t49\t0\n"
                     "5785\t12\t5\t7\t355\t30\t30\t1\t5\t9\t21\t13\n");
}

TEST(CommandeYear, AnneeHorsLimites)
{
    const Resultat r = lance({"year", "3859"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
}

// A list of years that runs backwards is refused, as for the festivals,
// and a range of dates does not go with dates given one by one.
TEST(CommandeYear, ListeALEnvers)
{
    const Resultat r = lance({"year", "5785", "--to", "5784"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "La dernière année 5784 précède la première 5785\n");
    const Resultat c = lance({"convert", "2024-01-01", "--range", "2024-01-01", "2024-01-02"});
    EXPECT_EQ(c.code, 2);
    EXPECT_EQ(c.out, "");
    EXPECT_NE(c.err.find("Erreur : --range et dates ne vont pas ensemble."), std::string::npos)
        << c.err;
}

TEST(CommandeMolad, AnneeCommuneSansAdarII)
{
    const Resultat r = lance({"molad", "5785", "--format", "tsv"});
    EXPECT_EQ(r.code, 0);
    std::istringstream lignes(r.out);
    std::string ligne;
    int n = 0;
    while (std::getline(lignes, ligne)) {
        ++n;
        EXPECT_EQ(ligne.find("5785\t7\t"), std::string::npos) << "no Adar II in 5785";
    }
    EXPECT_EQ(n, 13);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "5785\t1\t5\t3\t21\t13\t2024\t10\t3\t5785\t1\t1");
}

TEST(CommandeMolad, TexteDeNissan5784)
{
    const Resultat r = lance({"molad", "5784"});
    EXPECT_NE(r.out.find("Molad Nissan  5784 : Lundi     08  Avril 2024 (29 Adar II 5784)  "
                         "22h 57mn  7hl (23s)\n"),
              std::string::npos)
        << r.out;
}

TEST(Aide, ChaqueCommandeASonAide)
{
    for (const char* commande : {"convert", "year", "molad"}) {
        const Resultat r = lance({commande, "--help"});
        EXPECT_EQ(r.code, 0) << commande;
        EXPECT_NE(r.out.find("--format"), std::string::npos) << commande;
    }
}

TEST(Aide, CommandeInconnue)
{
    const Resultat r = lance({"frobnicate"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Erreur"), std::string::npos);
}

} // namespace
} // namespace orvane::cli
