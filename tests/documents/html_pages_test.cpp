// Every HTML page the documents write, and every delivered template pair,
// read by the checker of html_check.h: valid UTF-8, charset declared, tags
// balanced, "&", "<" and ">" escaped in the text.
#include "document_files.h"
#include "documents/city_pages.h"
#include "html_check.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::documents
{
namespace
{

using namespace test;

std::string lignes_jointes(const std::vector<std::string>& lignes)
{
    std::string t;
    for (const std::string& l : lignes) {
        t += l + "\n";
    }
    return t;
}

void verifie(const std::filesystem::path& page)
{
    const std::vector<std::string> defauts = defauts_html(octets(page));
    EXPECT_TRUE(defauts.empty()) << page << " : " << (defauts.empty() ? "" : defauts.front());
}

TEST(VerificateurHtml, TrouveLesFautes)
{
    const std::string tete = "<!DOCTYPE html><HTML><HEAD><META charset=\"utf-8\"></HEAD><BODY>";
    const std::string pied = "</BODY></HTML>";
    EXPECT_TRUE(defauts_html(tete + "<P>a &amp; b<BR><IMG src=x></P>" + pied).empty());
    EXPECT_TRUE(defauts_html(tete + "<SCRIPT>if (a < b && c > d) {}</SCRIPT>" + pied).empty());
    EXPECT_FALSE(defauts_html(tete + "<STRONG><FONT>x</STRONG></FONT>" + pied).empty());
    EXPECT_FALSE(defauts_html(tete + "<P>a & b</P>" + pied).empty());
    EXPECT_FALSE(defauts_html(tete + "<P>a < b</P>" + pied).empty());
    EXPECT_FALSE(defauts_html(tete + "<P>a > b</P>" + pied).empty());
    EXPECT_FALSE(defauts_html(tete + "<P>" + pied).empty());
    EXPECT_FALSE(defauts_html(tete + "<P title=\"x>" + pied).empty());
    EXPECT_FALSE(defauts_html(tete + "\xe9t\xe9" + pied).empty());    // Windows-1252
    EXPECT_FALSE(defauts_html("<HTML><BODY></BODY></HTML>").empty()); // no charset
}

TEST(PagesHtml, ModelesLivresAutourDUnCorpsVide)
{
    for (const char* famille :
         {"Dates/fic_cc", "Dates/fic_ch", "Calendri/fic_cc", "Calendri/fic_ch"}) {
        const std::filesystem::path base = donnees_livrees / "Orvanew" / famille;
        const std::string page = lignes_jointes(platform::read_lines(base.string() + "1.htm")) +
                                 "<PRE></PRE></TD></TR></TBODY></TABLE>\n" +
                                 lignes_jointes(platform::read_lines(base.string() + "2.htm"));
        const std::vector<std::string> defauts = defauts_html(page);
        EXPECT_TRUE(defauts.empty())
            << famille << " : " << (defauts.empty() ? "" : defauts.front());
    }
}

TEST(PagesHtml, PagesDUneVilleDansLesDeuxSens)
{
    RepertoireAvecModeles dossier;
    for (Sens sens : {Sens::civil_hebreu, Sens::hebreu_civil}) {
        for (bool horaires : {false, true}) {
            DemandeCalendrier d;
            d.sens = sens;
            d.mois_fin = sens == Sens::civil_hebreu ? 12 : 13;
            d.horaires = horaires;
            d.web = true;
            // A city whose name needs escaping.
            d.lieu = {"Bar & Grill <Sud>", "France", "48°52'N", "02°20'E", "+1"};
            const int annee = sens == Sens::civil_hebreu ? 2025 : 5784;
            const ResultatPage r = page_une_ville(dossier.path(), d, annee, tables_livrees());
            ASSERT_TRUE(r.construite);
            verifie(r.page);
            const std::string texte = octets(r.page);
            EXPECT_EQ(texte.find("Bar & Grill"), std::string::npos) << r.page;
            // One anchor per month, named as the head's links expect.
            const int mois = sens == Sens::civil_hebreu ? 12 : 13;
            int ancres = 0;
            for (std::size_t p = texte.find("<A name=\""); p != std::string::npos;
                 p = texte.find("<A name=\"", p + 1)) {
                ++ancres;
            }
            EXPECT_EQ(ancres, mois + 1) << r.page; // and "debut" of the head
            EXPECT_NE(texte.find(sens == Sens::civil_hebreu ? "<A name=\"1J\"> Janvier 2025</A>"
                                                            : "<A name=\"8N\"> Nissan 5784</A>"),
                      std::string::npos);
        }
    }
}

TEST(PagesHtml, PageDeLaListeDesVilles)
{
    RepertoireAvecModeles dossier;
    DemandeCalendrier d;
    d.web = true;
    d.premiers_du_mois = true;
    const RapportListe r = pages_liste_villes(dossier.path(), d, 2025,
                                              {"PARIS (75)\t\tFrance\t48°52'N\t02°20'E\t+1", "",
                                               "A \"B\" </script>\t\tFrance\t48°52'N\t02°20'E\t+1"},
                                              tables_livrees());
    verifie(r.page_liste);
    for (const ResultatPage& p : r.pages) {
        verifie(p.page);
    }
}

} // namespace
} // namespace orvane::documents
