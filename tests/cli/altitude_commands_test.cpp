// altitudes and latitudes on the command line: the lines of the altitude
// panel and of "latitude.txt", their refusals, and the files of --file.

#include "cli_runner.h"
#include "golden_file.h"
#include "tables/altitudes.h"
#include "tables/latitudes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::cli
{
namespace
{

class CommandeAltitudes : public test_support::DansUnRepertoireNeuf
{
};

/// The lines as the library gives them, each followed by a line feed.
std::string texte_des_lignes(const std::vector<std::string>& lignes)
{
    std::string s;
    for (const std::string& l : lignes) {
        s += l + "\n";
    }
    return s;
}

std::size_t nombre_de_lignes(const std::string& s)
{
    std::size_t n = 0;
    for (char c : s) {
        n += c == '\n';
    }
    return n;
}

// Negative altitudes are values of --from and --to, not options.
TEST_F(CommandeAltitudes, LesLignesDuPanneau)
{
    const test_support::Sortie s = test_support::lance(
        {"altitudes", "--lat", "48°52N", "--lon", "2°20E", "--zone", "+1", "--country", "France",
         "2018-03-20", "--from", "-16.1", "--to", "-1", "--step", "0.1"});
    ASSERT_EQ(s.code, 0) << s.err;
    tables::DemandeAltitudes d{
        {"", "France", "48°52N", "2°20E", "+1"},        {2018, 3, 20}, "-16.1", "-1", "0.1",
        tables::choix_arrondi(zmanim::ZmanimSettings{})};
    const tables::TableAltitudes t = tables::table_altitudes(d, {});
    EXPECT_EQ(s.out, texte_des_lignes(t.memo));
    EXPECT_EQ(nombre_de_lignes(s.out), 12u + 151u);
    EXPECT_NE(s.out.find("\n-16.1    \t05:19:29 \t05:19    \t20:38:05 \t20:38\n"),
              std::string::npos)
        << s.out;
}

TEST_F(CommandeAltitudes, UneVilleEtLesBornesParDefaut)
{
    const test_support::Sortie s =
        test_support::lance({"altitudes", "--place", "PARIS (75)", "2018-03-20"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(nombre_de_lignes(s.out), 12u + 151u);
    EXPECT_NE(s.out.find("  PARIS (75)  (France)   Latitude : "), std::string::npos) << s.out;
    EXPECT_NE(s.out.find("  Date  : 20 Mars 2018\n"), std::string::npos);
    EXPECT_NE(s.out.find("\n-1.1     \t"), std::string::npos);
}

TEST_F(CommandeAltitudes, RefusNommes)
{
    const test_support::Sortie zero =
        test_support::lance({"altitudes", "--place", "PARIS (75)", "2018-03-20", "--step", "0"});
    EXPECT_EQ(zero.code, 2);
    EXPECT_TRUE(zero.out.empty()) << zero.out;
    EXPECT_NE(zero.err.find("L'incrément « 0 » doit être supérieur à zéro."), std::string::npos)
        << zero.err;

    const test_support::Sortie trop = test_support::lance(
        {"altitudes", "--place", "PARIS (75)", "2018-03-20", "--from=-90", "--to=0"});
    EXPECT_EQ(trop.code, 2);
    EXPECT_NE(trop.out.find("\n  Le nombre de lignes à afficher est trop élevé.\n"),
              std::string::npos)
        << trop.out;
    EXPECT_NE(trop.err.find("Le nombre de lignes"), std::string::npos) << trop.err;

    const test_support::Sortie date =
        test_support::lance({"altitudes", "--place", "PARIS (75)", "2018-02-30"});
    EXPECT_EQ(date.code, 2);
    EXPECT_TRUE(date.out.empty());
}

// --file writes the lines as "aube.txt": four blanks before each, Windows-1252
// and CR LF.
TEST_F(CommandeAltitudes, LeFichierAube)
{
    const std::filesystem::path fichier = dir / "aube.txt";
    const test_support::Sortie s = test_support::lance(
        {"altitudes", "--place", "PARIS (75)", "2018-03-20", "--file", fichier.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    const std::string octets = orvane::test::octets_du_fichier(fichier);
    EXPECT_EQ(octets.rfind("       =====", 0), 0u);
    EXPECT_NE(octets.find("\r\n    (degr\xE9s)\r\n"), std::string::npos);
    EXPECT_NE(octets.find("\r\n    -16.1    \t05:19:29 \t05:19    \t20:38:05 \t20:38\r\n"),
              std::string::npos);
    std::size_t crlf = 0;
    for (std::size_t i = 1; i < octets.size(); ++i) {
        crlf += octets[i] == '\n' && octets[i - 1] == '\r';
    }
    EXPECT_EQ(crlf, nombre_de_lignes(s.out));
}

TEST_F(CommandeAltitudes, LesLatitudes)
{
    const std::filesystem::path fichier = dir / "latitude.txt";
    const test_support::Sortie s = test_support::lance({"latitudes", "--file", fichier.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(nombre_de_lignes(s.out), 6u * (2u + 272u + 1u));
    EXPECT_EQ(s.out, texte_des_lignes(tables::table_latitudes("2°20E", {}).lignes));
    // The file is the library's "latitude.txt", byte for byte.
    EXPECT_EQ(orvane::test::octets_du_fichier(fichier),
              orvane::test::octets_du_fichier(ORVANE_SOURCE_DIR
                                              "/tests/tables/golden/latitude_2E20.txt"));

    const test_support::Sortie est = test_support::lance({"latitudes", "--longitude", "35°13E"});
    ASSERT_EQ(est.code, 0) << est.err;
    EXPECT_NE(est.out, s.out);

    const test_support::Sortie faux = test_support::lance({"latitudes", "--longitude", "35°13"});
    EXPECT_EQ(faux.code, 2);
    EXPECT_TRUE(faux.out.empty());
    EXPECT_NE(faux.err.find("Veuillez définir la longitude"), std::string::npos) << faux.err;
}

} // namespace
} // namespace orvane::cli
