// The HTML pages of the annual calendar opened in a real browser, Chromium
// without a screen: the page of a city for a civil year, with its title,
// its month anchors and a line for every day of the year, and the list page
// of the cities, whose table its script fills. The console must stay free
// of script errors, and the text the browser decoded must be the page's
// own (UTF-8, accents and any Hebrew letters as Unicode characters).
//
// Chromium is a dependency of the tests (scripts/setup): without it the
// tests fail, they do not pass over the pages unread.
#include "document_files.h"
#include "documents/city_pages.h"
#include "html_check.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace orvane::documents
{
namespace
{

using namespace test;
namespace fs = std::filesystem;

/// "file:///…" with every byte but the unreserved ones percent-encoded
/// ("PARIS 75.htm" → "PARIS%2075.htm").
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

struct PageChargee {
    std::string dom;     // the document as the browser holds it after its scripts
    std::string journal; // the browser's log, its console included
};

/// The page opened by Chromium without a screen, its document dumped once
/// loaded; a test failure when Chromium is missing or does not end.
PageChargee charge_dans_chromium(const fs::path& page, const fs::path& travail)
{
    const fs::path dom = travail / "dom.html";
    const fs::path journal = travail / "journal.txt";
    const std::string profil = "--user-data-dir=" + (travail / "profil").string();
    const std::string url = url_de(page);
    std::vector<std::string> args = {"chromium",       "--headless",
                                     "--disable-gpu",  "--no-sandbox",
                                     "--no-first-run", "--enable-logging=stderr",
                                     "--v=0",          profil,
                                     "--dump-dom",     url};
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, dom.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, journal.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = 0;
    const int erreur = posix_spawnp(&pid, "chromium", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (erreur != 0) {
        ADD_FAILURE() << "chromium cannot be started (" << std::strerror(erreur)
                      << "): install it with scripts/setup";
        return {};
    }
    int status = 0;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > limite) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            ADD_FAILURE() << "chromium did not end within 60 s on " << url;
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "chromium on " << url;
    return {octets(dom), octets(journal)};
}

/// The script errors of the browser's console, one line each.
std::vector<std::string> erreurs_de_console(const std::string& journal)
{
    std::vector<std::string> erreurs;
    for (const std::string& ligne : platform::split_lines(journal)) {
        if (ligne.find("Uncaught") != std::string::npos ||
            ligne.find("ERROR:CONSOLE") != std::string::npos) {
            erreurs.push_back(ligne);
        }
    }
    return erreurs;
}

/// What every page must show in the browser: its own text, nothing lost in
/// the decoding, no Hebrew drawn by a font over Latin letters.
void verifie_texte_decode(const PageChargee& p, const fs::path& page)
{
    const std::string fichier = octets(page);
    EXPECT_TRUE(platform::is_valid_utf8(fichier)) << page;
    EXPECT_TRUE(defauts_html(fichier).empty()) << page;
    EXPECT_EQ(p.dom.find("\xef\xbf\xbd"), std::string::npos) << "U+FFFD in the document";
    EXPECT_EQ(platform::to_lower(p.dom).find("hebrew"), std::string::npos)
        << "Hebrew drawn by a font over Latin letters";
    // Every Hebrew letter of the file (U+05D0..U+05EA: D7 90..D7 AA) reaches
    // the document as the same character.
    for (std::size_t i = fichier.find('\xd7'); i != std::string::npos;
         i = fichier.find('\xd7', i + 1)) {
        EXPECT_NE(p.dom.find(fichier.substr(i, 2)), std::string::npos) << "Hebrew letter lost";
    }
    EXPECT_TRUE(erreurs_de_console(p.journal).empty())
        << erreurs_de_console(p.journal).front() << " on " << page;
}

/// The weekday of a civil date counted independently of the engine.
unsigned jour_iso(int annee, unsigned mois, unsigned jour)
{
    using namespace std::chrono;
    return weekday(sys_days(year{annee} / month{mois} / day{jour})).iso_encoding(); // 1 Monday
}

TEST(PagesDansUnNavigateur, UneErreurDeScriptSeVoitDansLaConsole)
{
    // The check of the console, on a page whose script fails: without it, a
    // silent console would prove nothing.
    platform::test_support::TemporaryDirectory dossier;
    const fs::path page = dossier / "essai.htm";
    std::ofstream(page) << "<!DOCTYPE html><HTML><HEAD><META charset=\"utf-8\"><TITLE>é</TITLE>"
                           "</HEAD><BODY><SCRIPT>fonction_absente();</SCRIPT></BODY></HTML>\n";
    const PageChargee p = charge_dans_chromium(page, dossier.path());
    EXPECT_NE(p.dom.find("<title>é</title>"), std::string::npos) << p.dom;
    EXPECT_FALSE(erreurs_de_console(p.journal).empty()) << p.journal;
}

// Paris, civil year 2025, with the times: the title and the heading of the
// city, the twelve months under their anchors inside the table of the
// head, and each of the 365 days on its line with its own weekday.
TEST(PagesDansUnNavigateur, PageDUneVilleEnCivil)
{
    RepertoireAvecModeles dossier;
    DemandeCalendrier d;
    d.web = true;
    d.cible = Cible::fichier;
    const ResultatPage r = page_une_ville(dossier.path(), d, 2025, tables_livrees());
    ASSERT_TRUE(r.construite);
    const PageChargee p = charge_dans_chromium(r.page, dossier.path());
    verifie_texte_decode(p, r.page);
    EXPECT_NE(p.dom.find("<title>Calendrier civil - hébraïque d'une ville</title>"),
              std::string::npos);
    EXPECT_NE(p.dom.find("Calendrier Civil - Hébraïque<br>\nde l'année 2025<br>pour PARIS (75)"),
              std::string::npos);
    const char* mois[] = {"Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
                          "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};
    std::size_t avant = p.dom.find("<table");
    ASSERT_NE(avant, std::string::npos);
    for (const char* m : mois) {
        const std::size_t ici = p.dom.find("> " + std::string(m) + " 2025</a>", avant);
        EXPECT_NE(ici, std::string::npos) << m << " missing or out of order";
        avant = ici == std::string::npos ? avant : ici;
    }
    EXPECT_NE(p.dom.find("</pre></td></tr></tbody></table>", avant), std::string::npos);

    // Each day line: "\n  " + weekday + blanks + day + " " + month (four
    // letters) + " 2025 ".
    const std::vector<std::string> jours = {"Lundi",    "Mardi",   "Mercredi", "Jeudi",
                                            "Vendredi", "Chabbat", "Dimanche"};
    const std::vector<std::string> abreges = {"Janv", "Févr", "Mars", "Avri", "Mai ", "Juin",
                                              "Juil", "Août", "Sept", "Octo", "Nove", "Déce"};
    std::set<std::pair<unsigned, unsigned>> vus;
    for (std::size_t debut = p.dom.find("\n  "); debut != std::string::npos;
         debut = p.dom.find("\n  ", debut + 1)) {
        std::istringstream ligne(p.dom.substr(debut + 3, 40));
        std::string nom;
        unsigned j = 0;
        ligne >> nom >> j;
        const auto jour = std::find(jours.begin(), jours.end(), nom);
        if (jour == jours.end() || !ligne || ligne.get() != ' ') {
            continue;
        }
        std::string reste;
        std::getline(ligne, reste);
        const auto m_it =
            std::find_if(abreges.begin(), abreges.end(), [&reste](const std::string& a) {
                return reste.rfind(a + " 2025 ", 0) == 0;
            });
        if (m_it == abreges.end()) {
            continue;
        }
        const auto m = static_cast<unsigned>(m_it - abreges.begin() + 1);
        EXPECT_TRUE(vus.insert({m, j}).second) << nom << " " << j << "/" << m << " twice";
        EXPECT_EQ(nom, jours[jour_iso(2025, m, j) - 1]) << j << "/" << m;
    }
    EXPECT_EQ(vus.size(), 365u);
}

// The list page: its script puts every city of the list in the table, as a
// link, down the columns.
TEST(PagesDansUnNavigateur, PageDeLaListeDesVilles)
{
    RepertoireAvecModeles dossier;
    DemandeCalendrier d;
    d.web = true;
    d.premiers_du_mois = true;
    const RapportListe r = pages_liste_villes(dossier.path(), d, 2025,
                                              {"PARIS (75)\t\tFrance\t48°52'N\t02°20'E\t+1",
                                               "STRASBOURG (67)\t\tFrance\t48°35'N\t07°45'E\t+1"},
                                              tables_livrees());
    ASSERT_EQ(r.pages.size(), 2u);
    const PageChargee p = charge_dans_chromium(r.page_liste, dossier.path());
    verifie_texte_decode(p, r.page_liste);
    EXPECT_NE(p.dom.find("<title>Calendriers des villes</title>"), std::string::npos);
    // Slot 0 and slot 5: the first cells of the first two rows.
    const std::size_t paris = p.dom.find("<td><a href=\"#\">PARIS (75)</a></td>");
    const std::size_t strasbourg = p.dom.find("<td><a href=\"#\">STRASBOURG (67)</a></td>");
    ASSERT_NE(paris, std::string::npos) << p.dom;
    ASSERT_NE(strasbourg, std::string::npos) << p.dom;
    EXPECT_NE(p.dom.find("</tr><tr>", paris), std::string::npos);
    EXPECT_LT(p.dom.find("</tr><tr>", paris), strasbourg) << "Strasbourg on the second row";
}

} // namespace
} // namespace orvane::documents
