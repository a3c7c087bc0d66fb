// calendar on the command line, in a fresh program directory: the text area
// and "cal_exl.txt" of the window for the same choices, byte for byte with
// the golden files of the year pages; the dates file; the page of a city
// read by the HTML checker; the pages of a list; the refusals.

#include "cli_runner.h"
#include "documents/document_files.h"
#include "documents/html_check.h"
#include "engine/date_validity.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane::cli
{
namespace
{

namespace fs = std::filesystem;
using documents::test::compare_au_golden;
using documents::test::octets;

class CommandeCalendrier : public test_support::DansUnRepertoireNeuf
{
protected:
    static test_support::Sortie lance(std::vector<std::string> args)
    {
        args.insert(args.begin(), "calendar");
        return test_support::lance(args);
    }

    /// The lines of the standard output written as the window saves its
    /// text area ("Enregistrer": Windows-1252, CR LF).
    fs::path enregistre(const std::string& sortie)
    {
        const fs::path chemin = dir / "memo_enregistre.txt";
        std::vector<std::string> lignes;
        std::size_t debut = 0;
        for (std::size_t fin; (fin = sortie.find('\n', debut)) != std::string::npos;
             debut = fin + 1) {
            lignes.push_back(sortie.substr(debut, fin - debut));
        }
        platform::write_lines(chemin, lignes);
        return chemin;
    }

    /// The message of a refusal: exit status 2, nothing on the output and
    /// nothing written into the program directory but its delivered files.
    void refuse(const std::vector<std::string>& args, const std::string& message)
    {
        const test_support::Sortie s = lance(args);
        EXPECT_EQ(s.code, 2) << s.out;
        EXPECT_EQ(s.out, "");
        EXPECT_NE(s.err.find(message), std::string::npos) << s.err;
        EXPECT_FALSE(fs::exists(dir / "cal_exl.txt"));
        EXPECT_FALSE(fs::exists(dir / "DATES"));
    }
};

// Paris, the civil year 2025 with the times by the Beth Din (France): the
// text area and the export file are those of the year page.
TEST_F(CommandeCalendrier, ParisCivil2025CommeLaPageDeLAnnee)
{
    const test_support::Sortie s = lance({"2025", "--place", "PARIS (75)", "--times", "--text"});
    ASSERT_EQ(s.code, 0) << s.err;
    compare_au_golden(enregistre(s.out), "civil_2025_paris_memo.txt");
    compare_au_golden(dir / "cal_exl.txt", "civil_2025_paris_cal_exl.txt");
    EXPECT_EQ(platform::read_lines(dir / "lieuinim.cal"),
              std::vector<std::string>{
                  "PARIS (75)\tFrance\t48°52'N\t02°20'E\t+1\tBeth Din (France)\t0\t"});
}

TEST_F(CommandeCalendrier, ParisHebreu5785CommeLaPageDeLAnnee)
{
    const test_support::Sortie s =
        lance({"5785", "--hebrew", "--place", "PARIS (75)", "--times", "--text"});
    ASSERT_EQ(s.code, 0) << s.err;
    compare_au_golden(enregistre(s.out), "hebreu_5785_paris_memo.txt");
    compare_au_golden(dir / "cal_exl.txt", "hebreu_5785_paris_cal_exl.txt");
}

/// Minutes between sunset and the entry of the Sabbath on the first Friday
/// line of a text area: "… 16:12 E.Ch15:32 ".
int minutes_avant_le_coucher(const std::string& texte)
{
    const std::size_t vendredi = texte.find("  Vendredi");
    const std::size_t entree = texte.find("E.Ch", vendredi);
    if (vendredi == std::string::npos || entree == std::string::npos) {
        return -1;
    }
    const auto minutes = [&](std::size_t p) {
        return std::stoi(texte.substr(p, 2)) * 60 + std::stoi(texte.substr(p + 3, 2));
    };
    return minutes(entree - 6) - minutes(entree + 4);
}

// No question is asked: the Tossefet is the standard of the place, unless
// --tossefet gives another; the Israeli place reads the Israeli readings.
TEST_F(CommandeCalendrier, TossefetDuLieuSaufOption)
{
    const test_support::Sortie jerusalem =
        lance({"2025", "--place", "Jérusalem", "--times", "--text"});
    ASSERT_EQ(jerusalem.code, 0) << jerusalem.err;
    EXPECT_EQ(minutes_avant_le_coucher(jerusalem.out), 40) << jerusalem.out.substr(0, 3000);
    EXPECT_NE(jerusalem.out.find("* Paracha selon Israël"), std::string::npos);

    const test_support::Sortie tossefet =
        lance({"2025", "--place", "Jérusalem", "--times", "--tossefet", "18", "--text"});
    ASSERT_EQ(tossefet.code, 0) << tossefet.err;
    EXPECT_EQ(minutes_avant_le_coucher(tossefet.out), 18);

    const test_support::Sortie paris = lance({"2025", "--times", "--israel", "--text"});
    ASSERT_EQ(paris.code, 0) << paris.err;
    EXPECT_EQ(minutes_avant_le_coucher(paris.out), 18);
    EXPECT_NE(paris.out.find("* Paracha selon Israël"), std::string::npos);
}

TEST_F(CommandeCalendrier, FichierDesDatesDeDeuxAnnees)
{
    const test_support::Sortie s = lance({"2024", "--years", "2", "--dates"});
    ASSERT_EQ(s.code, 0) << s.err;
    const fs::path fichier = dir / "DATES" / "Dates_2024_2025.txt";
    EXPECT_EQ(s.out, "\n\n\tCréation de fichier terminée.\tVoir :  " + fichier.string() + "\n");
    const fs::path golden =
        fs::path(ORVANE_SOURCE_DIR) / "tests" / "cli" / "golden" / "calendar_dates_2024_2025.txt";
    EXPECT_TRUE(octets(fichier) == octets(golden)) << fichier << " differs from " << golden;
    const std::vector<std::string> lignes = platform::read_lines(fichier);
    ASSERT_EQ(lignes.size(), 1u + 3u + 366u + 3u + 365u);
    EXPECT_EQ(lignes[0], "ANNEE(S) 2024 à 2025");
    EXPECT_EQ(lignes[4], "Lundi     \t01\tJanvier  \t2024\t=\t20\tTevet  \t5784");
    EXPECT_EQ(lignes.back(), "Mercredi  \t31\tDécembre \t2025\t=\t11\tTevet  \t5786");
}

// The page of one city, with the times, copied into the folder asked under
// the path the program gives it, read by the HTML checker.
TEST_F(CommandeCalendrier, PageHtmlDUneVille)
{
    const fs::path pages = dir / "pages";
    const test_support::Sortie s =
        lance({"2025", "--place", "STRASBOURG (67)", "--times", "--html", pages.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    const fs::path page = pages / "CAL_CIVL" / "2025" / "STRASBOU.htm";
    EXPECT_EQ(s.out, page.string() + "\n");
    const std::string texte = octets(page);
    const std::vector<std::string> defauts = documents::test::defauts_html(texte);
    EXPECT_TRUE(defauts.empty()) << defauts.front();
    EXPECT_NE(texte.find("de l'année 2025<BR>pour STRASBOURG (67)"), std::string::npos);
    EXPECT_NE(texte.find("<A name=\"12D\"> Décembre 2025</A>"), std::string::npos);
    EXPECT_TRUE(octets(dir / "CAL_CIVL" / "2025" / "STRASBOU.htm") == texte)
        << "the page of the program directory, as the window writes it";
}

// A list of cities: a page for each, the list page, and the city whose
// coordinates are refused reported on the error stream, without a page.
TEST_F(CommandeCalendrier, PagesDUneListe)
{
    const fs::path liste = dir / "ma_liste.cal";
    platform::write_lines(liste, {"PARIS (75)\t\tFrance\t48°52'N\t02°20'E\t+1",
                                  "NULLE PART\t\tFrance\t99°99'N\t02°20'E\t+1",
                                  "METZ (57)\t\tFrance\t49°07'N\t06°10'E\t+1"});
    const fs::path pages = dir / "pages";
    const test_support::Sortie s =
        lance({"2025", "--list", liste.string(), "--times", "--html", pages.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.err, "Erreur dans les coordonnées de la ville NULLE PART\n");
    EXPECT_TRUE(fs::exists(pages / "CAL_CIVL" / "2025" / "PARIS 75.htm"));
    EXPECT_TRUE(fs::exists(pages / "CAL_CIVL" / "2025" / "METZ 57.htm"));
    EXPECT_FALSE(fs::exists(pages / "CAL_CIVL" / "2025" / "NULLE PA.htm"));
    const std::string page_liste = octets(pages / "Orvanew" / "Calendri" / "calendri.htm");
    EXPECT_NE(page_liste.find("Villes[5]= \"NULLE PART\";"), std::string::npos);
    EXPECT_NE(page_liste.find("Fic_Villes[10] = \"METZ 57.htm\";"), std::string::npos);
}

// The years of the calendar: civil 100 to 9999, Hebrew 3860 to 13759, the
// last year of the span included, with the calendar's message.
TEST_F(CommandeCalendrier, AnneesHorsDuCalendrier)
{
    const std::string limites = platform::trim(engine::message_annee_hebraique_limites);
    refuse({"99", "--times", "--text"}, "99 : " + limites);
    refuse({"10000", "--text"}, "10000 : " + limites);
    refuse({"9999", "--years", "2", "--text"}, "10000 : " + limites);
    refuse({"3859", "--hebrew", "--text"}, "3859 : " + limites);
    refuse({"13760", "--hebrew", "--dates"}, "13760 : " + limites);
    refuse({"2025", "--years", "0", "--text"}, "« 0 » n'est pas entre 1 et 10000");
    refuse({"2025", "--years", "10001", "--dates"}, "« 10001 » n'est pas entre 1 et 10000");
    refuse({"2025", "--tossefet", "41", "--text"}, "« 41 » n'est pas entre 4 et 40");
    // The civil dates file needs the Hebrew year after the last civil one.
    refuse({"9999", "--dates"}, "sortent du calendrier (années 100 à 9998)");
    EXPECT_EQ(lance({"9999", "--times", "--text"}).code, 0);
    EXPECT_EQ(lance({"13759", "--hebrew", "--text"}).code, 0);
}

TEST_F(CommandeCalendrier, GenresEtSortiesRefuses)
{
    refuse({"2025", "--times", "--kind", "imprimeurs", "--xlsx", "a.xlsx"},
           "Il faut vous mettre sur \" Calendrier Hébraïque  -->  Civil \".");
    refuse({"5786", "--hebrew", "--times", "--kind", "mural", "--xlsx", "a.xlsx"},
           "Il faut vous mettre sur \" Calendrier Civil --> Hébraïque \".");
    refuse({"2025", "--times", "--years", "2", "--xlsx", "a.xlsx"},
           "d'années doit impérativement être égal à 1");
    refuse({"2025", "--xlsx", "a.xlsx"}, "vous devez avoir sélectionné 'Indique les horaires'.");
    refuse({"2025", "--kind", "magnet", "--text"}, "il va avec --xlsx FICHIER");
    refuse({"2025", "--kind", "poster", "--xlsx", "a.xlsx"},
           "--kind : « poster » n'est pas permis");
    refuse({"2025", "--times"}, "Choisissez une sortie");
    refuse({"2025", "--text", "--dates"}, "Choisissez une sortie");
    refuse({"2025", "--list", "willefr.cal", "--text"}, "choisissez --html DOSSIER");
    refuse({"2025", "--opinion", "Rabbi X", "--text"},
           "Avis inconnu : Rabbi X\nAvis possibles : Or Méïr, Beth Din (France)");
}

// The complete workbook of Paris at the path given, a sheet a month; the
// export file of the program directory is the year page's.
TEST_F(CommandeCalendrier, ClasseurCompletAuCheminDonne)
{
    const fs::path classeur = dir / "classeurs" / "paris.xlsx";
    const test_support::Sortie s =
        lance({"2025", "--place", "PARIS (75)", "--times", "--xlsx", classeur.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, classeur.string() + "\n");
    const std::string octets_classeur = octets(classeur);
    EXPECT_EQ(octets_classeur.substr(0, 4), std::string("PK\x03\x04", 4)) << "a zip archive";
    EXPECT_NE(octets_classeur.find("xl/worksheets/sheet12.xml"), std::string::npos);
    EXPECT_EQ(octets_classeur.find("xl/worksheets/sheet13.xml"), std::string::npos);
    compare_au_golden(dir / "cal_exl.txt", "civil_2025_paris_cal_exl.txt");

    fs::remove(dir / "cal_exl.txt");
    refuse({"5786", "--hebrew", "--times", "--kind", "imprimeurs", "--opinion", "Rav Rottenberg",
            "--xlsx", (dir / "rr.xlsx").string()},
           "avec le choix de l'avis de Rav Rottenberg.");
    EXPECT_FALSE(fs::exists(dir / "rr.xlsx"));
}

TEST_F(CommandeCalendrier, LAideNommeChaqueGenre)
{
    const test_support::Sortie s = lance({"--help"});
    EXPECT_EQ(s.code, 0);
    for (const char* genre :
         {"complet ", "magnet ", "imprimeurs ", "imprimeurs-hb ", "mural ", "mural-hebreu "}) {
        EXPECT_NE(s.out.find("  " + std::string(genre)), std::string::npos) << genre;
    }
    EXPECT_NE(s.out.find("« Calendrier complet en FR / HB pour imprimeurs »"), std::string::npos);
    EXPECT_NE(s.out.find("Tossefet"), std::string::npos);
}

} // namespace
} // namespace orvane::cli
