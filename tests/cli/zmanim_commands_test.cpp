// zmanim on the command line, over the delivered places and summer-time
// tables copied into a fresh program directory.

#include "cli_runner.h"

#include <gtest/gtest.h>

namespace orvane::cli
{
namespace
{

class CommandeZmanim : public test_support::DansUnRepertoireNeuf
{
protected:
    static test_support::Sortie lance(std::vector<std::string> args)
    {
        args.insert(args.begin(), "zmanim");
        return test_support::lance(args);
    }
};

/// The line of a slot in a TSV output, without the date.
std::string ligne_tsv(const std::string& sortie, const std::string& date, const std::string& jeton)
{
    const std::string debut = date + "\t" + jeton + "\t";
    const std::size_t p = sortie.find(debut);
    if (p == std::string::npos) {
        return "(absente)";
    }
    const std::size_t fin = sortie.find('\n', p);
    return sortie.substr(p + debut.size(), fin - p - debut.size());
}

// Paris on 21 June 2024, summer time from the table of France.
TEST_F(CommandeZmanim, ParisAuSolsticeEnTexte)
{
    const test_support::Sortie s = lance({"--place", "PARIS (75)", "--date", "2024-06-21"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_NE(s.out.find("HORAIRES DU JOUR Vendredi 21 Juin 2024 ( selon l'avis du Beth Din "
                         "(France) )"),
              std::string::npos)
        << s.out;
    EXPECT_NE(s.out.find("Heure d'été (1 heure)"), std::string::npos) << s.out;
    EXPECT_NE(s.out.find("  Lever du soleil : Nets        05:47\n"), std::string::npos) << s.out;
    EXPECT_NE(s.out.find("  Coucher du soleil : Chekia    21:58\n"), std::string::npos) << s.out;
    EXPECT_NE(s.out.find("  Entrée du Chabbat             21:40\n"), std::string::npos) << s.out;
    EXPECT_NE(s.out.find("  Heure saison.Lever/Coucher    01:21\n"), std::string::npos) << s.out;
}

TEST_F(CommandeZmanim, UneLigneParJourEtParCreneau)
{
    const test_support::Sortie s =
        lance({"--lat", "48°52N", "--lon", "2°20E", "--zone", "+1", "--country", "France", "--date",
               "2024-06-21", "--to", "2024-06-23", "--format", "tsv"});
    ASSERT_EQ(s.code, 0) << s.err;
    std::size_t lignes = 0;
    for (char c : s.out) {
        lignes += c == '\n';
    }
    EXPECT_EQ(lignes, 3u * 25u);
    EXPECT_EQ(ligne_tsv(s.out, "2024-06-21", "heureL").substr(0, 12), "05:47:00\t5.7");
    EXPECT_EQ(ligne_tsv(s.out, "2024-06-21", "heureA72"), "\t") << "not computed: no time";
    EXPECT_EQ(ligne_tsv(s.out, "2024-06-23", "heureC").substr(0, 9), "21:58:00\t");
    const std::string nuit = ligne_tsv(s.out, "2024-06-22", "heureN");
    EXPECT_EQ(nuit.substr(0, 12), "00:45:00\t24.") << "after midnight, counted from the date";
}

TEST_F(CommandeZmanim, HeureDEteForceeEtSecondes)
{
    const test_support::Sortie hiver = lance({"--place", "PARIS (75)", "--date", "2024-06-21",
                                              "--dst", "0", "--format", "tsv", "--seconds"});
    ASSERT_EQ(hiver.code, 0) << hiver.err;
    const std::string lever = ligne_tsv(hiver.out, "2024-06-21", "heureL");
    EXPECT_EQ(lever.substr(0, 3), "04:");
    EXPECT_NE(lever.substr(0, 8), "04:47:00") << "seconds are shown: " << lever;
    const std::string duree = ligne_tsv(hiver.out, "2024-06-21", "heure_saison_lc");
    EXPECT_EQ(duree.substr(0, 9), "01:20:55\t") << "a length, with its seconds: " << duree;
}

// Jerusalem in winter: the Sabbath begins 40 minutes before sunset.
TEST_F(CommandeZmanim, JerusalemQuaranteMinutes)
{
    const test_support::Sortie s =
        lance({"--place", "Jérusalem", "--date", "2024-12-20", "--opinion", "Or Méïr"});
    ASSERT_EQ(s.code, 0) << s.err;
    const auto heure = [&](const std::string& nom) {
        const std::size_t p = s.out.find(nom);
        const std::size_t fin = s.out.find('\n', p);
        return p == std::string::npos ? std::string() : s.out.substr(fin - 5, 5);
    };
    const std::string coucher = heure("  Coucher du soleil : Chekia");
    const std::string entree = heure("  Entrée du Chabbat");
    ASSERT_EQ(coucher.size(), 5u) << s.out;
    const int c = std::stoi(coucher.substr(0, 2)) * 60 + std::stoi(coucher.substr(3));
    const int e = std::stoi(entree.substr(0, 2)) * 60 + std::stoi(entree.substr(3));
    EXPECT_EQ(c - e, 40) << s.out;
}

TEST_F(CommandeZmanim, BureauDesLongitudesSansCrepusculeAstronomique)
{
    const test_support::Sortie s = lance(
        {"--place", "PARIS (75)", "--date", "2024-06-21", "--opinion", "Bureau des Longitudes"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_NE(s.out.find("Crépuscule astronom.  (lever) --\n"), std::string::npos) << s.out;
    EXPECT_NE(s.out.find("Crépuscule civil    (coucher) 22:"), std::string::npos) << s.out;
    EXPECT_EQ(s.out.find("Plag"), std::string::npos);
}

TEST_F(CommandeZmanim, JourPolaire)
{
    const test_support::Sortie s = lance(
        {"--lat", "70°N", "--lon", "25°E", "--zone", "+1", "--date", "2024-06-21", "--dst", "1"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_NE(s.out.find("Le soleil est toujours au-dessus de l'horizon"), std::string::npos);
}

TEST_F(CommandeZmanim, EntreesRefusees)
{
    test_support::Sortie s = lance({"--place", "Atlantide", "--date", "2024-06-21"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("Ville inconnue : Atlantide"), std::string::npos) << s.err;

    s = lance({"--lat", "48°52X", "--lon", "2°20E", "--zone", "+1", "--date", "2024-06-21"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("Veuillez définir la latitude « 48°52X » : Nord (N) ou Sud (S)"),
              std::string::npos)
        << s.err;
    EXPECT_TRUE(s.out.empty());

    s = lance(
        {"--lat", "quarante-huitN", "--lon", "2°20E", "--zone", "+1", "--date", "2024-06-21"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("n'est pas un angle lisible"), std::string::npos) << s.err;

    s = lance({"--lat", "90N", "--lon", "2°20E", "--zone", "+1", "--date", "2024-06-21"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("hors limites"), std::string::npos) << s.err;

    s = lance({"--place", "PARIS (75)", "--date", "2024-02-30"});
    EXPECT_EQ(s.code, 2);
    s = lance({"--place", "PARIS (75)", "--date", "2024-06-21", "--to", "2024-06-01"});
    EXPECT_EQ(s.code, 2);
    s = lance({"--place", "PARIS (75)", "--date", "2024-06-21", "--opinion", "Inconnu"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("Avis inconnu : Inconnu"), std::string::npos);
    s = lance({"--date", "2024-06-21"});
    EXPECT_EQ(s.code, 2);
    s = lance({"--place", "PARIS (75)", "--date", "2024-06-21", "--dst", "2"});
    EXPECT_EQ(s.code, 2);
}

} // namespace
} // namespace orvane::cli
