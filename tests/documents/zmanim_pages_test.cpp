// The year pages of the zmanim tables: the web and text pages of Paris for
// 2025 byte for byte with their golden files, the HTML page through our own
// checker and opened by headless Chromium; the markers of each mode; the
// world list's names within one run and year, its index "ajouter.txt" with
// its fields escaped, a run interrupted and started again without renaming
// or recomputing; the folded names of unsafe cities; the memo of the end.
#include "document_files.h"
#include "documents/zmanim_pages.h"
#include "html_check.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace orvane::documents
{
namespace
{

using namespace test;
namespace fs = std::filesystem;

const std::string paris = "PARIS (75)\t\tFrance\t48\xb0"
                          "52'N\t02\xb0"
                          "20'E\t+1";

void ecrit_liste(const fs::path& chemin, const std::vector<std::string>& lignes)
{
    std::ofstream f(chemin, std::ios::binary);
    for (const std::string& l : lignes) {
        f << l << "\r\n";
    }
}

/// The page folder of a year, as the lists write it.
fs::path dossier_annee(const fs::path& repertoire, bool web, int annee)
{
    return repertoire / "Orvanew" / "Horaires" / (web ? "Horaires" : "Horaitxt") /
           std::to_string(annee);
}

/// The page with the month titles' elements put in order: their fixed texts
/// close the bold before the font opened inside it, which browsers mend;
/// the checker reads the rest of the page. `croises` counts them.
std::string titres_remis_en_ordre(std::string html, int& croises)
{
    const std::string croise = "</A></STRONG></FONT>";
    croises = 0;
    for (std::size_t i = html.find(croise); i != std::string::npos;
         i = html.find(croise, i + croise.size())) {
        html.replace(i, croise.size(), "</A></FONT></STRONG>");
        ++croises;
    }
    return html;
}

/// What our checker finds in a page beyond the twelve crossed month titles.
std::vector<std::string> defauts_de_page(const std::string& html)
{
    int croises = 0;
    const std::string propre = titres_remis_en_ordre(html, croises);
    EXPECT_EQ(croises, 12);
    return defauts_html(propre);
}

class PagesZmanim : public ::testing::Test
{
protected:
    RepertoireAvecModeles dir;
    zmanim::ZmanimSettings reglages;

    RapportPages pages(GenrePages g, bool web, int de, int a, const ProgresPages& progres = {},
                       const places::Place& lieu = {})
    {
        DemandePages d;
        d.genre = g;
        d.web = web;
        d.premiere_annee = de;
        d.derniere_annee = a;
        if (!lieu.ville.empty()) {
            d.modele.lieu = lieu;
        }
        tables::EnvironnementTable env;
        env.tables_ete = &tables_livrees();
        return pages_zmanim(dir.path(), d, reglages, env, progres);
    }
    fs::path fichier(const std::string& nom) const { return dir.path() / nom; }
};

TEST_F(PagesZmanim, PageWebDeParis2025)
{
    ecrit_liste(fichier("willefr.cal"), {paris});
    const RapportPages r = pages(GenrePages::liste_villes, true, 2025, 2025);
    const fs::path page = dossier_annee(dir.path(), true, 2025) / "PARIS 75.htm";
    ASSERT_EQ(r.construites, std::vector<fs::path>{page});
    compare_au_golden(page, "zmanim_page_paris_2025.htm");
    const std::string html = octets(page);
    EXPECT_TRUE(platform::is_valid_utf8(html));
    const std::vector<std::string> defauts = defauts_de_page(html);
    EXPECT_TRUE(defauts.empty()) << defauts.front();
    const std::vector<std::string> l = platform::read_lines(page);
    const auto titre =
        std::find(l.begin(), l.end(), "<H1>Horaires de la journée<BR><!-- de l'année -->");
    ASSERT_NE(titre, l.end());
    EXPECT_EQ(*(titre + 1), "de l'année 2025  (5785/86)<BR>pour PARIS (75)");
    EXPECT_NE(std::find(l.begin(), l.end(), "2025/PARIS 75.txt"), l.end());
}

TEST_F(PagesZmanim, PageTexteDeParis2025)
{
    ecrit_liste(fichier("willefr.cal"), {paris});
    const RapportPages r = pages(GenrePages::liste_villes, false, 2025, 2025);
    const fs::path page = dossier_annee(dir.path(), false, 2025) / "PARIS 75.txt";
    ASSERT_EQ(r.construites, std::vector<fs::path>{page});
    compare_au_golden(page, "zmanim_page_paris_2025.txt");
    const std::vector<std::string> l = platform::read_lines(page);
    ASSERT_GE(l.size(), 2u);
    EXPECT_EQ(l[0], "<===== HORAIRES DE L'ANNEE 2025 pour la ville de PARIS (75) =====>");
    EXPECT_EQ(l[1], " ");
    // Windows-1252 with CR LF: "é" is one byte.
    EXPECT_NE(octets(page).find("\xe9t\xe9 est prise en compte dans ce tableau\r\n"),
              std::string::npos);
}

/// "file:///…" with the bytes outside the unreserved ones percent-encoded.
std::string url_de(const fs::path& page)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : page.string()) {
        if (std::isalnum(c) != 0 || c == '/' || c == '.' || c == '-' || c == '_') {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 15];
        }
    }
    return url;
}

TEST_F(PagesZmanim, LaPageWebDansChromium)
{
    ecrit_liste(fichier("willefr.cal"), {paris});
    (void)pages(GenrePages::liste_villes, true, 2025, 2025);
    const fs::path page = dossier_annee(dir.path(), true, 2025) / "PARIS 75.htm";
    const fs::path dom = fichier("dom.html");
    const fs::path journal = fichier("journal.txt");
    const std::string commande = "timeout 60 chromium --headless --disable-gpu --no-sandbox "
                                 "--no-first-run --enable-logging=stderr --v=0 --user-data-dir='" +
                                 fichier("profil").string() + "' --dump-dom '" + url_de(page) +
                                 "' > '" + dom.string() + "' 2> '" + journal.string() + "'";
    ASSERT_EQ(std::system(commande.c_str()), 0) << "chromium (scripts/setup) on " << page;
    const std::string d = octets(dom);
    EXPECT_EQ(d.find("\xef\xbf\xbd"), std::string::npos) << "U+FFFD in the document";
    for (const std::string& ligne : platform::split_lines(octets(journal))) {
        EXPECT_EQ(ligne.find("Uncaught"), std::string::npos) << ligne;
        EXPECT_EQ(ligne.find("ERROR:CONSOLE"), std::string::npos) << ligne;
    }
    // The script made the link to the text page from the marked line.
    EXPECT_NE(d.find("href=\"../../Horaitxt/2025/PARIS 75.txt\""), std::string::npos);
    EXPECT_NE(d.find("<strong>PARIS (75)</strong>"), std::string::npos);
    // The twelve month anchors, in order, each with its month's title.
    const char* mois[] = {"Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
                          "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};
    std::size_t avant = 0;
    for (int m = 1; m <= 12; ++m) {
        const std::string ancre = "<a name=\"" + std::to_string(m) +
                                  std::string(mois[m - 1]).substr(0, 1) + "\"> " + mois[m - 1] +
                                  " 2025</a>";
        const std::size_t ici = d.find(ancre, avant);
        EXPECT_NE(ici, std::string::npos) << ancre;
        avant = ici == std::string::npos ? avant : ici;
    }
}

TEST_F(PagesZmanim, LesMarqueursDUneVille)
{
    const places::Place lieu{"A&B <X>", "France", "48°52'N", "02°20'E", "+1"};
    const RapportPages r = pages(GenrePages::une_ville, true, 2025, 2026, {}, lieu);
    ASSERT_EQ(r.construites.size(), 2u);
    EXPECT_EQ(r.construites[1], fichier("Horaires/2026/A&B X.htm"));
    const std::string html = octets(r.construites[1]);
    EXPECT_TRUE(defauts_de_page(html).empty()) << defauts_de_page(html).front();
    const std::vector<std::string> l = platform::read_lines(r.construites[1]);
    const auto titre =
        std::find(l.begin(), l.end(), "<H1>Horaires de la journée<BR><!-- de l'année -->");
    ASSERT_NE(titre, l.end());
    EXPECT_EQ(*(titre + 1), "2026 pour la ville de A&amp;B &lt;X&gt;");
    EXPECT_EQ(r.memo.at(0), " PAGE WEB TERMINEE. VILLE A&B <X> ANNEES 2025 A 2026");
    EXPECT_EQ(r.memo.at(1), "");
    EXPECT_EQ(r.memo.at(2),
              " Les fichiers A&B X.htm se trouvent dans " + (dir.path() / "").string() +
                  "Orvanew\\horaires\\Horaitx\\l_année\\la_ville.txt sous 2025 à 2026");
    EXPECT_EQ(r.memo.at(4), " Il vous fraudra les supprimer s'ils ne vous sont pas utiles.");
}

TEST_F(PagesZmanim, LesNomsDeFichiersSontSurs)
{
    ecrit_liste(fichier("willefr.cal"), {"../../ETC\t\tFrance\t48\xb0"
                                         "52'N\t02\xb0"
                                         "20'E\t+1",
                                         "A/B\\C\t\tFrance\t48\xb0"
                                         "52'N\t02\xb0"
                                         "20'E\t+1",
                                         "...\t\tFrance\t48\xb0"
                                         "52'N\t02\xb0"
                                         "20'E\t+1"});
    const RapportPages r = pages(GenrePages::liste_villes, false, 2025, 2025);
    const fs::path annee = dossier_annee(dir.path(), false, 2025);
    EXPECT_EQ(r.construites,
              (std::vector<fs::path>{annee / "ETC.txt", annee / "A B C.txt", annee / "ville.txt"}));
    for (const fs::path& p : r.construites) {
        EXPECT_EQ(p.parent_path(), annee);
    }
}

TEST_F(PagesZmanim, MondeDeuxVillesDeMemeNomDansUneAnnee)
{
    ecrit_liste(fichier("willemd.cal"), {"Neuilly\t\tFrance\t48\xb0"
                                         "53'N\t02\xb0"
                                         "16'E\t+1",
                                         "NEUILLY\t\tFrance\t48\xb0"
                                         "52'N\t02\xb0"
                                         "28'E\t+1",
                                         "Neuilly\t\tFrance\t48\xb0"
                                         "51'N\t02\xb0"
                                         "30'E\t+1",
                                         "Le \"Cap\" \\ Sud\t\tAfrique du Sud\t33\xb0"
                                         "55'S\t18\xb0"
                                         "25'E\t+2"});
    const RapportPages r = pages(GenrePages::liste_monde, false, 2025, 2026);
    const fs::path a25 = dossier_annee(dir.path(), false, 2025);
    const fs::path a26 = dossier_annee(dir.path(), false, 2026);
    EXPECT_EQ(r.construites, (std::vector<fs::path>{a25 / "Neuilly.txt", a25 / "1NEUILLY.txt",
                                                    a25 / "21Neuilly.txt", a25 / "Le Cap S.txt",
                                                    a26 / "Neuilly.txt", a26 / "1NEUILLY.txt",
                                                    a26 / "21Neuilly.txt", a26 / "Le Cap S.txt"}));
    const std::vector<std::string> index = platform::read_lines(fichier("ajouter.txt"));
    ASSERT_EQ(index.size(), 8u);
    EXPECT_EQ(index[0], "AjouterVille(\"France\",\"Neuilly\",\"Neuilly.txt\");");
    EXPECT_EQ(index[1], "AjouterVille(\"France\",\"NEUILLY\",\"1NEUILLY.txt\");");
    EXPECT_EQ(index[2], "AjouterVille(\"France\",\"Neuilly\",\"21Neuilly.txt\");");
    EXPECT_EQ(index[3],
              "AjouterVille(\"Afrique du Sud\",\"Le \\\"Cap\\\" \\\\ Sud\",\"Le Cap S.txt\");");
    EXPECT_EQ(index[4], index[0]); // each year names the same pages
    // The world pages carry no year in their title.
    EXPECT_EQ(platform::read_lines(a26 / "1NEUILLY.txt").at(0),
              "<===== HORAIRES pour la ville de NEUILLY =====>");
}

// A run stopped after 30 cities and started again: the pages already made
// are left as they were, under the same names, and only the others are
// computed; the index is whole again.
TEST_F(PagesZmanim, MondeInterrompuPuisRepris)
{
    std::vector<std::string> liste;
    for (int i = 0; i < 40; ++i) {
        // Two by two the same folded name: "Ville-3" and "Ville 3".
        liste.push_back(std::string(i % 2 == 0 ? "Ville-" : "Ville ") + std::to_string(i / 2) +
                        "\t\tFrance\t48\xb0"
                        "52'N\t0" +
                        std::to_string(i % 10) +
                        "\xb0"
                        "20'E\t+1");
    }
    ecrit_liste(fichier("willemd.cal"), liste);
    const RapportPages premier = pages(GenrePages::liste_monde, true, 2025, 2025,
                                       [](long faites, long) { return faites < 30; });
    EXPECT_TRUE(premier.interrompu);
    ASSERT_EQ(premier.construites.size(), 30u);
    EXPECT_EQ(platform::read_lines(fichier("ajouter.txt")).size(), 30u); // put in place on stop
    const fs::path vingt_neuf = premier.construites[29];
    const std::string avant = octets(vingt_neuf);
    const auto date = fs::last_write_time(vingt_neuf);

    const RapportPages second = pages(GenrePages::liste_monde, true, 2025, 2025);
    EXPECT_FALSE(second.interrompu);
    EXPECT_EQ(second.existantes,
              std::vector<fs::path>(premier.construites.begin(), premier.construites.end()));
    ASSERT_EQ(second.construites.size(), 10u);
    EXPECT_EQ(fs::last_write_time(vingt_neuf), date);
    EXPECT_EQ(octets(vingt_neuf), avant);
    const std::vector<std::string> index = platform::read_lines(fichier("ajouter.txt"));
    ASSERT_EQ(index.size(), 40u);
    std::set<std::string> noms(index.begin(), index.end());
    EXPECT_EQ(noms.size(), 40u); // no page named twice
    std::size_t fichiers = 0;
    for (const auto& e : fs::directory_iterator(dossier_annee(dir.path(), true, 2025))) {
        (void)e;
        ++fichiers;
    }
    EXPECT_EQ(fichiers, 40u);
}

// A page that cannot be written stops the run with the file's error; the
// index already holds the cities of the pages made before.
TEST_F(PagesZmanim, UneErreurDEcritureLaisseLIndexEnPlace)
{
    ecrit_liste(fichier("willemd.cal"), {paris, "LYON (69)\t\tFrance\t45\xb0"
                                                "45'N\t04\xb0"
                                                "51'E\t+1"});
    fs::create_directories(dossier_annee(dir.path(), false, 2025).parent_path());
    std::ofstream(dossier_annee(dir.path(), false, 2026)) << "not a folder";
    long total = 0;
    EXPECT_THROW((void)pages(GenrePages::liste_monde, false, 2025, 2026,
                             [&total](long, long t) {
                                 total = t;
                                 return true;
                             }),
                 platform::FileError);
    EXPECT_EQ(total, 4); // two years of two cities
    EXPECT_EQ(
        platform::read_lines(fichier("ajouter.txt")),
        (std::vector<std::string>{"AjouterVille(\"France\",\"PARIS (75)\",\"PARIS 75.txt\");",
                                  "AjouterVille(\"France\",\"LYON (69)\",\"LYON 69.txt\");"}));
}

TEST_F(PagesZmanim, ListeAbsenteEtModeleManquant)
{
    RapportPages r = pages(GenrePages::liste_villes, true, 2025, 2025);
    EXPECT_TRUE(r.liste_absente);
    EXPECT_TRUE(r.construites.empty());
    EXPECT_EQ(r.memo.at(0), "                 CONSTRUCTION DES PAGES WEB TERMINEE");
    EXPECT_EQ(r.memo.at(8), "  Les fichiers  .htm se trouvent dans " + (dir.path() / "").string() +
                                "à voir sous 2025 à 2025 et portent le nom de la ville");
    ecrit_liste(fichier("willefr.cal"), {paris});
    fs::remove(fichier("Orvanew/Horaires/fic_h2.htm"));
    EXPECT_THROW((void)pages(GenrePages::liste_villes, true, 2025, 2025), platform::FileError);
    EXPECT_FALSE(fs::exists(dossier_annee(dir.path(), true, 2025) / "PARIS 75.htm"));
}

TEST(NomsDuMonde, UnNomPrisCeTourPrendUnChiffreDevant)
{
    std::set<std::string> pris;
    EXPECT_EQ(nom_page_monde("PARIS 75", pris), "PARIS 75");
    EXPECT_EQ(nom_page_monde("PARIS 75", pris), "1PARIS 75");
    EXPECT_EQ(nom_page_monde("PARIS 75", pris), "21PARIS 75");
    EXPECT_EQ(nom_page_monde("PARIS 75", pris), "321PARIS 75");
    EXPECT_EQ(nom_page_monde("PARIS 75", pris), "4321PARIS 75");
    EXPECT_EQ(nom_page_monde("PARIS 75", pris), "54321PARIS 7"); // cut to 12
    EXPECT_EQ(nom_page_monde("LYON", pris), "LYON");
}

} // namespace
} // namespace orvane::documents
