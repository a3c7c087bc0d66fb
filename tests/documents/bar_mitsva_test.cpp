// The Bar-Mitsva calendars and tables: the worked examples of the rule,
// the headings of boys and girls, every row of whole years against the
// rule and the Chabbat found on their own way, the work files, the pages of
// 2011 byte for byte with their golden files (the HTML read by the checker,
// its anchors and links matched), and the workbooks read back by openpyxl.
#include "document_files.h"
#include "documents/bar_mitsva_pages.h"
#include "documents/workbook_bar_mitsva.h"
#include "engine/calendar_engine.h"
#include "engine/dates.h"
#include "engine/names.h"
#include "events/readings/bar_mitsva.h"
#include "html_check.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "workbook_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

namespace orvane::documents
{
namespace
{

using namespace test;
namespace fs = std::filesystem;
using engine::DateCivile;
using engine::DateHebraique;

ParametresBarMitsva parametres(ModeBarMitsva mode, bool fille, bool nuit = false)
{
    ParametresBarMitsva p;
    p.mode = mode;
    p.fille = fille;
    p.apres_la_nuit = nuit;
    return p;
}

LigneBarMitsva ligne(const DateCivile& naissance, const ParametresBarMitsva& p)
{
    const LectureDuChabbat lecture(p, naissance.annee);
    const std::optional<LigneBarMitsva> l = calcul(naissance, p, lecture);
    EXPECT_TRUE(l.has_value());
    return l.value_or(LigneBarMitsva{});
}

TEST(BarMitsva, GarconNeUn30HechvanDevientBarMitsvaLe1erKislev)
{
    // 5773 has a Hechvan of 29 days: the day after the 29th, 1 Kislev.
    const LigneBarMitsva l = ligne({1999, 11, 9}, parametres(ModeBarMitsva::tableau, false));
    EXPECT_EQ(l.naissance_hebraique, (DateHebraique{5760, 2, 30}));
    EXPECT_EQ(l.ceremonie, (DateHebraique{5773, 3, 1}));
    EXPECT_EQ(l.ceremonie_civile, (DateCivile{2012, 11, 15}));
    EXPECT_EQ(engine::jour_semaine(l.ceremonie_civile), 5); // a Thursday
    EXPECT_EQ(l.chabbat, (DateCivile{2012, 11, 17}));
    EXPECT_EQ(l.lecture, "Toledot");
    EXPECT_EQ(l.colonnes, "\t15  Nove 2012\t 1  Kislev 5773\tToledot");
    EXPECT_EQ(l.cle, "09/11/1999");
}

TEST(BarMitsva, FilleNeeLe15Mars2011EtApresLaNuit)
{
    const LigneBarMitsva jour = ligne({2011, 3, 15}, parametres(ModeBarMitsva::tableau, true));
    EXPECT_EQ(jour.naissance_hebraique, (DateHebraique{5771, 7, 9})); // 9 Adar II
    EXPECT_EQ(jour.ceremonie, (DateHebraique{5783, 6, 9}));           // 5783 is common
    EXPECT_EQ(jour.ceremonie_civile, (DateCivile{2023, 3, 2}));
    EXPECT_EQ(engine::jour_semaine(jour.ceremonie_civile), 5);
    EXPECT_EQ(jour.chabbat, (DateCivile{2023, 3, 4}));
    EXPECT_EQ(jour.date_hebraique, "Mardi     9 Adar II 5771");
    // Born after nightfall: the next Hebrew day, Friday 3 March 2023.
    const LigneBarMitsva nuit =
        ligne({2011, 3, 15}, parametres(ModeBarMitsva::tableau, true, true));
    EXPECT_EQ(nuit.naissance_hebraique, (DateHebraique{5771, 7, 10}));
    EXPECT_EQ(nuit.ceremonie, (DateHebraique{5783, 6, 10}));
    EXPECT_EQ(nuit.ceremonie_civile, (DateCivile{2023, 3, 3}));
    EXPECT_EQ(engine::jour_semaine(nuit.ceremonie_civile), 6);
    EXPECT_EQ(nuit.date_hebraique, "Mercredi 10 Adar II 5771");
    EXPECT_EQ(nuit.colonnes.substr(0, 29), "\t 3  Mars 2023\t10  Adar 5783\t");
}

TEST(BarMitsva, ApresLaNuitPasseLesMoisEtLesAnnees)
{
    const ParametresBarMitsva p = parametres(ModeBarMitsva::calendrier, false, true);
    // 30 Adar I 5771 (6 March 2011) → 1 Adar II; 29 Eloul 5771 (28 September
    // 2011) → 1 Tichri 5772.
    EXPECT_EQ(ligne({2011, 3, 6}, p).naissance_hebraique, (DateHebraique{5771, 7, 1}));
    EXPECT_EQ(ligne({2011, 9, 28}, p).naissance_hebraique, (DateHebraique{5772, 1, 1}));
    EXPECT_TRUE(naissance_apres_la_nuit("N"));
    EXPECT_TRUE(naissance_apres_la_nuit("n"));
    EXPECT_FALSE(naissance_apres_la_nuit("NL"));
    EXPECT_FALSE(naissance_apres_la_nuit("France"));
}

TEST(BarMitsva, TitresDesGarconsEtDesFilles)
{
    EXPECT_EQ(titre_bar_mitsva(ModeBarMitsva::calendrier, false),
              "Calendrier des Bar-Mitsvot pour un garçon");
    EXPECT_EQ(titre_bar_mitsva(ModeBarMitsva::tableau, true),
              "Tableau des Bat-Mitsvot pour une fille");
    const std::vector<std::string> garcon =
        entete_bar_mitsva(ModeBarMitsva::calendrier, false, 2011);
    EXPECT_EQ(garcon[0], "CALENDRIER DES BAR-MITSVOT - 2011");
    EXPECT_EQ(garcon[2], "Naissances en 2011 ( années 5771 / 5772 )");
    EXPECT_EQ(garcon[3], "Naissances en 2011 - Bar-Mitsva en 2024");
    EXPECT_EQ(garcon[5], "Dates de naissance\tDates de Bar-Mitsva\t\tParacha de Bar-Mitsva");
    // A girl comes of age at twelve: her heading says so.
    const std::vector<std::string> fille = entete_bar_mitsva(ModeBarMitsva::tableau, true, 2011);
    EXPECT_EQ(fille[0], "TABLEAU DES BAT-MITSVOT - 2011");
    EXPECT_EQ(fille[3], "Naissances en 2011 - Bat-Mitsva en 2023");
    EXPECT_EQ(fille[5], "Dates de naissance\tDates de Bat-Mitsva\t\tParacha de Bat-Mitsva");
}

/// Every row of the years 1995 to 2030 for a boy and a girl: a row for
/// every civil day in order; the ceremony is the birth's Hebrew day carried
/// by the rule; its Chabbat is the first on or after it, the same as the
/// main window's Bar-Mitsva panel finds, and its reading names the panel's.
TEST(BarMitsva, ToutesLesLignesDAnneesEntieres)
{
    for (const bool fille : {false, true}) {
        for (int annee = 1995; annee <= 2030; annee += fille ? 7 : 5) {
            const ParametresBarMitsva p = parametres(ModeBarMitsva::tableau, fille, annee % 2 == 0);
            const PageBarMitsva page = construit_page_calendrier_bm(p, annee, 12, tables_livrees());
            ASSERT_EQ(page.lignes.size(), engine::numero_du_civil({annee + 1, 1, 1}) -
                                              engine::numero_du_civil({annee, 1, 1}));
            DateCivile jour{annee, 1, 1};
            for (const LigneBarMitsva& l : page.lignes) {
                ASSERT_EQ(l.naissance, jour);
                jour = engine::lendemain(jour);
                DateHebraique h = engine::hebraique_du_civil(l.naissance);
                if (p.apres_la_nuit) {
                    h = engine::lendemain(h);
                }
                ASSERT_EQ(l.naissance_hebraique, h);
                ASSERT_EQ(l.ceremonie, events::date_bar_mitsva(h, fille)) << l.cle;
                ASSERT_EQ(engine::hebraique_du_civil(l.ceremonie_civile), l.ceremonie);
                ASSERT_EQ(engine::jour_semaine(l.chabbat), 7);
                const auto ecart = engine::numero_du_civil(l.chabbat) -
                                   engine::numero_du_civil(l.ceremonie_civile);
                ASSERT_TRUE(ecart >= 0 && ecart < 7) << l.cle;
                engine::CalendarEngine e;
                e.convertit_hebreu_civil(h.annee, h.mois, h.jour);
                const events::BarMitsva panneau = events::paracha_bar_mitsva(e, fille, true);
                ASSERT_EQ(l.chabbat,
                          (DateCivile{panneau.chabbat_annee_civile, panneau.chabbat_mois_civil,
                                      panneau.chabbat_jour_civil}));
                const std::string premier = panneau.paracha.substr(0, panneau.paracha.find(' '));
                ASSERT_NE(l.lecture.find(premier), std::string::npos)
                    << l.cle << " " << l.lecture << " / " << panneau.paracha;
            }
        }
    }
}

TEST(BarMitsva, LignesDeNouvelAnEtFichiersDeTravail)
{
    RepertoireAvecModeles dir;
    const PageBarMitsva page = construit_page_calendrier_bm(
        parametres(ModeBarMitsva::calendrier, false), 2011, 12, tables_livrees());
    ecrit_fichiers_bar_mitsva(dir.path(), page);
    const std::vector<std::string> texte = platform::read_lines(dir / "barmanim.txt");
    EXPECT_EQ(texte, page.texte);
    EXPECT_EQ(std::count(texte.begin(), texte.end(), "\t\t\t5772\t(Commune)"), 1);
    EXPECT_EQ(platform::read_lines(dir / "nemanim.txt").size(), 365u);
    EXPECT_EQ(platform::read_lines(dir / "pemanim.txt").size(), 365u);
    // A shorter year empties the files first.
    ecrit_fichiers_bar_mitsva(
        dir.path(), construit_page_calendrier_bm(parametres(ModeBarMitsva::calendrier, false), 2012,
                                                 1, tables_livrees()));
    EXPECT_EQ(platform::read_lines(dir / "nemanim.txt").size(), 31u);
    const std::vector<std::string> calendrier = platform::read_lines(dir / "cemanim.txt");
    EXPECT_EQ(calendrier[7].substr(0, 27), "\t<A name=B01/01/2012></A>  ");
}

/// The anchors of a page ("name=…") and its links ("href=\"#…\"").
std::pair<std::set<std::string>, std::set<std::string>> ancres_et_liens(const std::string& page)
{
    std::set<std::string> ancres;
    std::set<std::string> liens;
    for (std::size_t i = 0; (i = page.find("name=", i)) != std::string::npos; i += 5) {
        std::size_t debut = i + 5;
        const bool guillemet = page[debut] == '"';
        debut += guillemet ? 1 : 0;
        ancres.insert(
            page.substr(debut, page.find_first_of(guillemet ? "\"" : ">", debut) - debut));
    }
    for (std::size_t i = 0; (i = page.find("href=\"#", i)) != std::string::npos; i += 7) {
        liens.insert(page.substr(i + 7, page.find('"', i + 7) - i - 7));
    }
    return {ancres, liens};
}

class PagesBarMitsva : public ::testing::TestWithParam<std::tuple<ModeBarMitsva, bool>>
{
};

TEST_P(PagesBarMitsva, PagesDe2011CommeLesGolden)
{
    const auto [mode, fille] = GetParam();
    RepertoireAvecModeles dir;
    const PageBarMitsva page =
        construit_page_calendrier_bm(parametres(mode, fille), 2011, 12, tables_livrees());
    const std::string nom = std::string(mode == ModeBarMitsva::tableau ? "tableau" : "calendrier") +
                            "_" + nom_page_bar_mitsva(2011, fille);
    const fs::path texte = ecrit_page_bar_mitsva(dir.path(), page, false);
    const fs::path html = ecrit_page_bar_mitsva(dir.path(), page, true);
    compare_au_golden(texte, "bar_mitsva_" + nom + ".txt");
    compare_au_golden(html, "bar_mitsva_" + nom + ".htm");

    const std::string contenu = octets(html);
    const std::vector<std::string> defauts = defauts_html(contenu);
    EXPECT_TRUE(defauts.empty()) << defauts.front();
    const auto [ancres, liens] = ancres_et_liens(contenu);
    for (const std::string& l : liens) {
        EXPECT_TRUE(ancres.contains(l)) << l;
    }
    for (const char* section : {"B", "N", "P"}) {
        EXPECT_TRUE(ancres.contains(std::string(section) + "15/03/2011")) << section;
        EXPECT_TRUE(ancres.contains(std::string(section) + "31/12/2011")) << section;
    }
    EXPECT_NE(contenu.find("\t<A name=B05/03/2011></A>  Chabbat   5 Mars 2011"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(GarconsEtFilles, PagesBarMitsva,
                         ::testing::Values(std::tuple{ModeBarMitsva::calendrier, false},
                                           std::tuple{ModeBarMitsva::calendrier, true},
                                           std::tuple{ModeBarMitsva::tableau, false},
                                           std::tuple{ModeBarMitsva::tableau, true}));

TEST(BarMitsva, PagesDesGarconsEtDesFillesCoteACote)
{
    RepertoireAvecModeles dir;
    std::set<fs::path> pages;
    for (const ModeBarMitsva mode : {ModeBarMitsva::calendrier, ModeBarMitsva::tableau}) {
        for (const bool fille : {false, true}) {
            const PageBarMitsva page =
                construit_page_calendrier_bm(parametres(mode, fille), 2011, 1, tables_livrees());
            for (const bool web : {false, true}) {
                pages.insert(ecrit_page_bar_mitsva(dir.path(), page, web));
            }
        }
    }
    EXPECT_EQ(pages.size(), 8u);
    for (const fs::path& p : pages) {
        EXPECT_TRUE(fs::exists(p)) << p;
    }
    EXPECT_TRUE(fs::exists(dir / "Orvanew/Cal_Bar/Civheb/2011.htm"));
    EXPECT_TRUE(fs::exists(dir / "Orvanew/Cal_Bar/Civheb/2011F.htm"));
    EXPECT_TRUE(fs::exists(dir / "Orvanew/Tab_Bar/Civheb/2011F.htm"));
    EXPECT_TRUE(fs::exists(dir / "Orvanew/Bar/Civheb/2011T.txt"));
    EXPECT_TRUE(fs::exists(dir / "Orvanew/Bar/Civheb/2011F.txt"));
}

TEST(BarMitsva, ModelesLivresLisibles)
{
    for (const char* famille : {"fic_bc", "fic_bh"}) {
        const fs::path base = donnees_livrees / "Orvanew" / "Bar" / famille;
        std::string page;
        for (const char* partie : {"1.htm", "2.htm"}) {
            for (const std::string& l : platform::read_lines(base.string() + partie)) {
                page += l + "\n";
            }
        }
        const std::vector<std::string> defauts = defauts_html(page);
        EXPECT_TRUE(defauts.empty()) << famille << " : " << defauts.front();
    }
    const auto tete = platform::read_lines(donnees_livrees / "Orvanew/Bar/fic_bc1.htm");
    const auto tete_h = platform::read_lines(donnees_livrees / "Orvanew/Bar/fic_bh1.htm");
    EXPECT_EQ(std::count_if(tete.begin(), tete.end(),
                            [](const std::string& l) {
                                return l.find("Bar Mitsvot<BR>") != std::string::npos;
                            }),
              1);
    EXPECT_EQ(std::count_if(tete_h.begin(), tete_h.end(),
                            [](const std::string& l) {
                                return l.find("Bar Mitsvot <BR>") != std::string::npos;
                            }),
              1);
}

/// "9 Adar 5783", "10 Adar II 5771".
std::string hebreu(const DateHebraique& d)
{
    engine::CalendarEngine e;
    return std::to_string(d.jour) + " " +
           platform::trim(engine::nom_mois_hebreu(d.mois, e.teste_embolismique(d.annee))) + " " +
           std::to_string(d.annee);
}

TEST(BarMitsva, ClasseursLusParOpenpyxl)
{
    RepertoireAvecModeles dir;
    for (const ModeBarMitsva mode : {ModeBarMitsva::calendrier, ModeBarMitsva::tableau}) {
        const PageBarMitsva page =
            construit_page_calendrier_bm(parametres(mode, true), 2011, 12, tables_livrees());
        const fs::path chemin = ecrit_classeur_bar_mitsva_dans(dir.path(), page);
        EXPECT_EQ(chemin,
                  dir / (mode == ModeBarMitsva::tableau ? "Orvanew/Tab_Bar/Civheb/2011F.xlsx"
                                                        : "Orvanew/Cal_Bar/Civheb/2011F.xlsx"));
        const ClasseurLu lu = lit_classeur(chemin);
        ASSERT_EQ(lu.feuilles.size(), 12u);
        EXPECT_EQ(lu.feuilles.front().nom, "Janvier 2011");
        EXPECT_EQ(lu.feuilles.back().nom, "Décembre 2011");
        const std::vector<std::string> colonnes = colonnes_classeur_bar_mitsva(mode, true);
        const int n = static_cast<int>(colonnes.size());
        for (const FeuilleLue& f : lu.feuilles) {
            EXPECT_EQ(f.orientation, "portrait");
            EXPECT_EQ(f.papier, "9");
            EXPECT_EQ(f.lignes_repetees, "1:4");
            EXPECT_EQ(f.texte(1, 1), entete_bar_mitsva(mode, true, 2011)[0]);
            for (int c = 1; c <= n; ++c) {
                EXPECT_EQ(f.texte(4, c), colonnes[static_cast<std::size_t>(c - 1)]);
            }
        }
        // Every row against the page's rows.
        std::map<std::string, const FeuilleLue*> par_nom;
        for (const FeuilleLue& f : lu.feuilles) {
            par_nom[f.nom] = &f;
        }
        std::map<const FeuilleLue*, int> ligne;
        for (const LigneBarMitsva& l : page.lignes) {
            const std::string mois =
                lu.feuilles[static_cast<std::size_t>(l.naissance.mois - 1)].nom;
            const FeuilleLue& f = *par_nom.at(mois);
            const int r = 5 + ligne[&f]++;
            const auto iso = [](const DateCivile& d) {
                char t[32];
                std::snprintf(t, sizeof t, "%04d-%02d-%02dT00:00:00", d.annee, d.mois, d.jour);
                return std::string(t);
            };
            ASSERT_EQ(f.genre(r, 2), 'd') << l.cle;
            EXPECT_EQ(f.texte(r, 2), iso(l.naissance));
            EXPECT_EQ(f.texte(r, 3), hebreu(l.naissance_hebraique));
            int c = 4;
            if (mode == ModeBarMitsva::tableau) {
                EXPECT_EQ(f.texte(r, c++), iso(l.ceremonie_civile)) << l.cle;
                EXPECT_EQ(f.texte(r, c++), hebreu(l.ceremonie));
            }
            EXPECT_EQ(f.texte(r, c++), iso(l.chabbat)) << l.cle;
            EXPECT_EQ(f.texte(r, c), l.lecture) << l.cle;
        }
        const FeuilleLue& mars = *par_nom.at("Mars 2011");
        if (mode == ModeBarMitsva::tableau) {
            EXPECT_EQ(mars.texte(19, 4), "2023-03-02T00:00:00"); // 15 March 2011
            EXPECT_EQ(mars.texte(19, 5), "9 Adar 5783");
        }
    }
}

} // namespace
} // namespace orvane::documents
