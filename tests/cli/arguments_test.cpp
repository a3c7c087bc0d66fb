// The argument layer every command shares: the same date, place and opinion
// give the same answer and the same message whatever the command, and the
// parser itself speaks French.

#include "cli_runner.h"
#include "config/config.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::cli
{
namespace
{

using test_support::lance;
using test_support::Sortie;

class ArgumentsCommuns : public test_support::DansUnRepertoireNeuf
{
};

// The first line of the error stream.
std::string premiere_ligne(const Sortie& s)
{
    return s.err.substr(0, s.err.find('\n'));
}

// Each command that takes a civil date, with the date to put in.
std::vector<std::vector<std::string>> commandes_a_date_civile(const std::string& date)
{
    return {{"convert", date},
            {"day", date},
            {"daypage", date, "--time", "10:00"},
            {"zmanim", date, "--place", "PARIS (75)"},
            {"zmanim", "--date", date, "--place", "PARIS (75)"},
            {"anniversaries", "5740-1-1", "--from", date}};
}

TEST_F(ArgumentsCommuns, UneDateCivileFausseDonneLeMemeMessagePartout)
{
    for (const std::string date : {"2024-02-30", "2024-13-01", "abc", "99-01-01", "2024-1"}) {
        std::string attendu;
        for (const auto& args : commandes_a_date_civile(date)) {
            const Sortie s = lance(args);
            EXPECT_EQ(s.code, 2) << args[0] << ' ' << date;
            if (attendu.empty()) {
                attendu = premiere_ligne(s);
                EXPECT_EQ(attendu.rfind(date + " : ", 0), 0u) << attendu;
            }
            EXPECT_EQ(premiere_ligne(s), attendu) << args[0] << ' ' << date;
        }
    }
}

TEST_F(ArgumentsCommuns, UneDateHebraiqueFausseDonneLeMemeMessagePartout)
{
    for (const std::string date : {"5784-14-01", "5785-7-10", "x-1-1"}) {
        const Sortie convert = lance({"convert", "--hebrew", date});
        const Sortie bar = lance({"barmitsva", date});
        const Sortie anniversaires = lance({"anniversaries", date});
        EXPECT_EQ(convert.code, 2);
        EXPECT_EQ(premiere_ligne(convert), premiere_ligne(bar)) << date;
        EXPECT_EQ(premiere_ligne(convert), premiere_ligne(anniversaires)) << date;
    }
}

// The date of zmanim is given as everywhere else; --date stays an alias.
TEST_F(ArgumentsCommuns, LaDateDesZmanimCommeArgumentOuAvecDate)
{
    const Sortie argument = lance({"zmanim", "2024-06-21", "--place", "PARIS (75)"});
    const Sortie option = lance({"zmanim", "--date", "2024-06-21", "--place", "PARIS (75)"});
    ASSERT_EQ(argument.code, 0) << argument.err;
    EXPECT_EQ(argument.out, option.out);
    const Sortie sans = lance({"zmanim", "--place", "PARIS (75)"});
    EXPECT_EQ(sans.code, 2);
    EXPECT_EQ(sans.err, "Indiquez la date (A-M-J).\n");
    EXPECT_EQ(lance({"zmanim", "2024-06-21", "--date", "2024-06-22", "--place", "PARIS (75)"}).code,
              2);
}

// A city is found without regard to case and accents, by every command.
TEST_F(ArgumentsCommuns, LesVillesSansCasseNiAccents)
{
    const Sortie exacte =
        lance({"zmanim", "2024-06-21", "--place", "Jérusalem", "--format", "tsv"});
    const Sortie tapee = lance({"zmanim", "2024-06-21", "--place", "jerusalem", "--format", "tsv"});
    ASSERT_EQ(exacte.code, 0) << exacte.err;
    EXPECT_EQ(tapee.out, exacte.out);
    const Sortie page = lance({"daypage", "2024-06-21", "--time", "10:00", "--place", "JERUSALEM"});
    ASSERT_EQ(page.code, 0) << page.err;
    EXPECT_NE(page.out.find("Jérusalem"), std::string::npos);
}

TEST_F(ArgumentsCommuns, UneVilleInconnueProposeLesNomsProches)
{
    for (const std::vector<std::string>& commande :
         std::vector<std::vector<std::string>>{{"zmanim"}, {"daypage", "--time", "10:00"}}) {
        std::vector<std::string> args = commande;
        args.insert(args.end(), {"2024-06-21", "--place", "Jerusalm"});
        const Sortie s = lance(args);
        EXPECT_EQ(s.code, 2) << commande[0];
        EXPECT_EQ(s.err, "Ville inconnue : Jerusalm\nVilles proches : Jérusalem\n") << commande[0];
    }
    const Sortie loin = lance({"zmanim", "2024-06-21", "--place", "Qqqqqqqqqqqqqq"});
    EXPECT_EQ(loin.err, "Ville inconnue : Qqqqqqqqqqqqqq\nVérifiez l'orthographe dans le fichier "
                        "des lieux (lieu.cal).\n");
}

TEST_F(ArgumentsCommuns, LesCoordonneesTapeesValentPourLaPageDuJour)
{
    const Sortie s = lance({"daypage", "2024-06-21", "--time", "10:00", "--lat", "48°52'N", "--lon",
                            "02°20'E", "--zone", "+1", "--country", "France"});
    ASSERT_EQ(s.code, 0) << s.err;
    const Sortie incomplet =
        lance({"daypage", "2024-06-21", "--time", "10:00", "--lat", "48°52'N"});
    EXPECT_EQ(incomplet.code, 2);
    EXPECT_EQ(incomplet.err, "Indiquez --lat, --lon et --zone ensemble.\n");
}

// One list of opinions: a name computed as a known one ("Guéonim" is the
// Beth Din) is taken by every command, an unknown one refused the same way.
TEST_F(ArgumentsCommuns, LesAvisSontLesMemesPourChaqueCommande)
{
    EXPECT_EQ(lance({"zmanim", "2024-06-21", "--place", "PARIS (75)", "--opinion", "Guéonim"}).code,
              0);
    EXPECT_EQ(lance({"daypage", "2024-06-21", "--time", "10:00", "--opinion", "Guéonim"}).code, 0);
    const Sortie z =
        lance({"zmanim", "2024-06-21", "--place", "PARIS (75)", "--opinion", "Hillel"});
    const Sortie p = lance({"daypage", "2024-06-21", "--time", "10:00", "--opinion", "Hillel"});
    EXPECT_EQ(z.code, 2);
    EXPECT_EQ(z.err, p.err);
    EXPECT_EQ(
        z.err.rfind("Avis inconnu : Hillel\nAvis possibles : Or Méïr, Beth Din (France), ", 0), 0u)
        << z.err; // An empty opinion gets the computation's own message, not "Avis inconnu :".
    const Sortie vide = lance({"zmanim", "2024-06-21", "--place", "PARIS (75)", "--opinion", ""});
    EXPECT_EQ(vide.code, 2);
    EXPECT_EQ(vide.err,
              "Veuillez définir l'avis de référence à partir de la fenêtre des horaires.\n");
}

// A summer-time table mistyped by hand ("2x" for the day of the start of
// 2026): every command that reads it says which file and which line, and
// none ends the program.
TEST_F(ArgumentsCommuns, UneTableDHeureDEteFautiveEstNommee)
{
    ASSERT_EQ(lance({"places", "--city", "PARIS (75)"}).code, 0); // the directory is prepared
    const std::filesystem::path table = dir / "h_France.txt";
    std::vector<std::string> lignes = platform::read_lines(table);
    std::size_t numero = 0;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (lignes[i].find("\t2026\t1") != std::string::npos) {
            const std::size_t jour = lignes[i].find('\t', lignes[i].find('\t') + 1) + 1;
            lignes[i].replace(jour, lignes[i].find('\t', jour) - jour, "2x");
            numero = i + 1;
        }
    }
    ASSERT_GT(numero, 0u);
    platform::write_lines(table, lignes);
    const std::string attendu = "ligne " + std::to_string(numero) + " : le jour « 2x »";
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"daypage", "2026-06-21", "--time", "10:00"},
                                               {"zmanim", "2026-06-21", "--place", "PARIS (75)"}}) {
        const Sortie s = lance(args);
        EXPECT_EQ(s.code, 2) << args[0];
        EXPECT_NE(s.err.find("h_France.txt"), std::string::npos) << s.err;
        EXPECT_NE(s.err.find(attendu), std::string::npos) << s.err;
    }
    EXPECT_EQ(lance({"daypage", "2025-06-21", "--time", "10:00"}).code,
              0); // other years still read
}

// One source of the summer-time mode for every command: with "heure d'été
// toute l'année" in config.dta, zmanim, dst and daypage all add the hour in
// January.
TEST_F(ArgumentsCommuns, LeModeHoraireDeConfigDtaValePourChaqueCommande)
{
    ASSERT_EQ(lance({"places", "--city", "PARIS (75)"}).code, 0); // the directory is prepared
    config::ecrit_cles(dir.path(), {{"avec_chgt_d_heure", "false"},
                                    {"heure_hiver_toute_l_annee", "false"},
                                    {"heure_ete_toute_l_annee", "true"}});
    const Sortie z = lance({"zmanim", "2024-01-15", "--place", "PARIS (75)", "--format", "tsv"});
    ASSERT_EQ(z.code, 0) << z.err;
    const std::size_t lever = z.out.find("2024-01-15\theureL\t");
    ASSERT_NE(lever, std::string::npos) << z.out;
    const std::string heure = z.out.substr(lever + 18, 5);
    EXPECT_EQ(heure, "09:39");
    const Sortie page = lance({"daypage", "2024-01-15", "--time", "10:00"});
    EXPECT_NE(page.out.find("Lever du soleil : Nets      " + heure), std::string::npos) << page.out;
    const Sortie d = lance({"dst", "France", "2025"});
    EXPECT_NE(d.out.find("Le programme est configuré en mode les heures d'été toute l'année"),
              std::string::npos);
    EXPECT_NE(d.out.find("15/01/2025  heure d'été (1)"), std::string::npos) << d.out;
}

// The parser's own failures, each as a French sentence.
TEST(MessagesDeLAnalyseur, EnFrancais)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
        {{"festivals", "abc"}, "Erreur : « abc » ne convient pas à year : un nombre est attendu."},
        {{"festivals", "5785", "--fasts", "--all"},
         "Erreur : --fasts et --all ne vont pas ensemble."},
        {{"day", "2025-01-01", "de", "trop"}, "Erreur : Arguments inattendus : de trop"},
        {{"day"}, "Erreur : date est obligatoire."},
        {{}, "Erreur : Indiquez une commande (voir --help)."},
        {{"festivals", "5785", "--format", "csv"},
         "Erreur : --format : « csv » n'est pas permis (text ou tsv)"},
        {{"zmanim", "2024-06-21", "--dst", "2"},
         "Erreur : --dst : « 2 » n'est pas permis (auto, 0 ou 1)"},
        {{"festivals", "5785", "--to"}, "Erreur : --to : valeur manquante."},
    };
    for (const auto& [args, attendu] : cas) {
        const Sortie s = lance(args);
        EXPECT_EQ(s.code, 2);
        EXPECT_EQ(premiere_ligne(s), attendu) << ::testing::PrintToString(args);
        EXPECT_NE(s.err.find("Aide : orvane-cli --help"), std::string::npos);
    }
}

TEST(MessagesDeLAnalyseur, LAideEstEnFrancais)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"zmanim", "--help"}, {"convert", "--help"}}) {
        const Sortie s = lance(args);
        EXPECT_EQ(s.code, 0);
        for (const char* anglais :
             {"Usage", "Print this help", "Positionals", "SUBCOMMAND", "REQUIRED"}) {
            EXPECT_EQ(s.out.find(anglais), std::string::npos) << anglais << " in\n" << s.out;
        }
        EXPECT_NE(s.out.find("Affiche cette aide"), std::string::npos);
    }
}

// A typed text that is not valid text is shown escaped, never raw.
TEST(MessagesDeLAnalyseur, LesOctetsInvalidesSontEchappes)
{
    const Sortie date = lance({"convert", "2024-13-\xff"
                                          "1"});
    EXPECT_EQ(date.err, "2024-13-\\xFF1 : Cette date civile est incorrecte\n");
    const Sortie nombre = lance({"festivals", "\x1b[2J"});
    EXPECT_EQ(premiere_ligne(nombre),
              "Erreur : « \\x1B[2J » ne convient pas à year : un nombre est attendu.");
}

} // namespace
} // namespace orvane::cli
