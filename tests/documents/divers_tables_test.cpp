// The fifteen tables of the "Divers" window as the window computes them:
// each against its golden file with its defaults for 5785 (Birkat Ha'hama
// from 5600), the web pages, the bounds of the inputs, and the moladot
// against an independent library.

#include "documents/divers_pages.h"
#include "documents/divers_tables.h"
#include "documents/document_files.h"
#include "documents/html_check.h"
#include "events/years/series_table.h"
#include "golden_file.h"
#include "platform/file_error.h"
#include "platform/temporary_directory.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

namespace orvane::documents
{
namespace
{

namespace fs = std::filesystem;
using events::ModeDivers;

const fs::path dossier_golden_divers =
    fs::path(ORVANE_SOURCE_DIR) / "tests/documents/golden/divers";

std::string texte_de(const std::vector<std::string>& lignes)
{
    std::string r;
    for (const std::string& l : lignes) {
        r += l + "\n";
    }
    return r;
}

events::EntreesDivers pour(ModeDivers mode, int annee)
{
    return events::entrees_par_defaut(mode, events::valeurs_par_defaut(mode, annee));
}

class TablesDivers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        contexte.repertoire = repertoire.path();
        contexte.tables_ete = &test::tables_livrees();
        fs::copy_file(test::donnees_livrees / "glossair.dta", repertoire.path() / "glossair.dta");
    }

    ResultatDivers calcule(ModeDivers mode, const events::EntreesDivers& e)
    {
        return calcule_divers(mode, e, contexte);
    }

    test::RepertoireAvecModeles repertoire;
    ContexteDivers contexte;
};

// Every table with its defaults, header included, byte for byte.
TEST_F(TablesDivers, ChaqueTableAvecSesValeursParDefautPour5785)
{
    for (const events::DescriptionModeDivers& d : events::modes_divers()) {
        SCOPED_TRACE(std::string(d.nom));
        const ResultatDivers r = calcule(d.mode, pour(d.mode, 5785));
        ASSERT_TRUE(r.calcule);
        ASSERT_GT(r.lignes.size(), 4u);
        orvane::test::compare_au_golden(texte_de(r.lignes), dossier_golden_divers,
                                        std::string(d.nom) + "_5785.txt");
    }
}

TEST_F(TablesDivers, LeTitreEstLaDeuxiemeLigneDeLEntete)
{
    const ResultatDivers r = calcule(ModeDivers::tekoufot, pour(ModeDivers::tekoufot, 5785));
    EXPECT_EQ(r.lignes[1], "      DATES ET HEURES DES  TEKOUFOT  (Les 4 saisons)");
    // The season of Tichri 5785 falls on 7 October 2024 at 3 h.
    bool trouve = false;
    for (const std::string& l : r.lignes) {
        trouve = trouve || (l.find("TICHRI") != std::string::npos &&
                            l.find("7  Octobre   2024") != std::string::npos &&
                            l.find(" 3h  0mn") != std::string::npos);
    }
    EXPECT_TRUE(trouve) << texte_de(r.lignes);
}

TEST_F(TablesDivers, BirkatHahamaDe5600EncadreLeProchain)
{
    const ResultatDivers r = calcule(ModeDivers::hahama, pour(ModeDivers::hahama, 5785));
    const std::string t = texte_de(r.lignes);
    const std::size_t prochain = t.find("   Prochain ---------------------");
    ASSERT_NE(prochain, std::string::npos);
    // The row after the frame's top is that of 5797 (2037).
    const std::size_t ligne = t.find('\n', prochain) + 1;
    EXPECT_NE(t.substr(ligne, t.find('\n', ligne) - ligne).find("5797"), std::string::npos);
    EXPECT_NE(t.find("2009"), std::string::npos);
}

TEST_F(TablesDivers, LaDerniereAnneeAvantLaPremiereEstRefusee)
{
    for (const ModeDivers m : {ModeDivers::types_annees, ModeDivers::tableau_cycles}) {
        events::EntreesDivers e = pour(m, 5785);
        e.derniere_hebr = e.annee_hebr - 1;
        const ResultatDivers r = calcule(m, e);
        EXPECT_FALSE(r.calcule);
        EXPECT_EQ(r.lignes, (std::vector<std::string>{
                                "Calcul impossible car l'année limite est inférieure à celle de "
                                "début de calcul"}));
    }
}

TEST_F(TablesDivers, UneAnneeNegativeNeCalculeRien)
{
    events::EntreesDivers e = pour(ModeDivers::moladot, 5785);
    e.annee_hebr = -3;
    EXPECT_FALSE(calcule(ModeDivers::moladot, e).calcule);
}

// No table walks past its last year, however many years are asked.
TEST_F(TablesDivers, LesBouclesSArretentALaDerniereAnnee)
{
    for (const ModeDivers m :
         {ModeDivers::moladot, ModeDivers::roch_hodech, ModeDivers::visites, ModeDivers::mariages,
          ModeDivers::tekoufot, ModeDivers::levana, ModeDivers::guechamim}) {
        SCOPED_TRACE(std::string(events::description(m).nom));
        events::EntreesDivers e = pour(m, 13757);
        e.nb_annees = 1000000;
        e.increment = 1;
        const std::vector<int> annees = annees_de_la_table(m, e);
        EXPECT_EQ(annees, (std::vector<int>{13757, 13758, 13759}));
        e.annee_hebr = 999999;
        EXPECT_EQ(annees_de_la_table(m, e), (std::vector<int>{13759}));
        e.annee_hebr = 13750;
        e.increment = 0; // taken as 1
        EXPECT_EQ(annees_de_la_table(m, e).size(), 10u);
    }
    events::EntreesDivers h = pour(ModeDivers::hahama, 5785);
    h.annee_hebr = 210000;
    h.nb_annees = 1000000;
    const ResultatDivers r = calcule(ModeDivers::hahama, h);
    ASSERT_TRUE(r.calcule);
    // The last blessing is that of 210169 = 1 + 28 × 7506, the last year of the table.
    EXPECT_NE(r.lignes.back().find(" 210169"), std::string::npos) << r.lignes.back();
    EXPECT_NE(r.lignes[r.lignes.size() - 2].find(" 210141"), std::string::npos);
}

TEST_F(TablesDivers, LesPagesWebUneParAnnee)
{
    events::EntreesDivers e = pour(ModeDivers::moladot, 5785);
    e.nb_annees = 3;
    e.web = true;
    const ResultatDivers r = calcule(ModeDivers::moladot, e);
    ASSERT_EQ(r.pages_construites.size(), 3u);
    for (int y = 5785; y <= 5787; ++y) {
        const fs::path page =
            repertoire.path() / "Orvanew/ELEMENTS/MOLAD" / (std::to_string(y) + ".htm");
        ASSERT_TRUE(fs::exists(page)) << page;
        const std::string html = platform::read_text(page);
        EXPECT_TRUE(test::defauts_html(html).empty()) << page;
        EXPECT_NE(html.find("Moladot de<BR>de l'année juive " + std::to_string(y) +
                            "<BR>Années civiles " + std::to_string(y - 3761) + "/" +
                            std::to_string(y - 3760)),
                  std::string::npos);
        EXPECT_NE(html.find("Moladot pour l'année " + std::to_string(y)), std::string::npos);
    }
    // The text shown is the last year's, without the header.
    EXPECT_NE(texte_de(r.lignes).find("Moladot pour l'année 5787"), std::string::npos);
    EXPECT_EQ(texte_de(r.lignes).find("Moladot pour l'année 5786"), std::string::npos);
    // A page that exists is not written again.
    const fs::path premiere = repertoire.path() / "Orvanew/ELEMENTS/MOLAD/5785.htm";
    platform::write_utf8(premiere, "gardée");
    EXPECT_EQ(calcule(ModeDivers::moladot, e).pages_construites.size(), 0u);
    EXPECT_EQ(platform::read_text(premiere), "gardée");
}

TEST_F(TablesDivers, ChaqueTableWebASesModeles)
{
    for (const events::DescriptionModeDivers& d : events::modes_divers()) {
        if (!d.web) {
            continue;
        }
        SCOPED_TRACE(std::string(d.nom));
        events::EntreesDivers e = pour(d.mode, 5785);
        e.web = true;
        const ResultatDivers r = calcule(d.mode, e);
        ASSERT_EQ(r.pages_construites.size(), 1u);
        const std::string html = platform::read_text(r.pages_construites.front());
        EXPECT_TRUE(test::defauts_html(html).empty());
        EXPECT_NE(html.find(std::string(d.web->titre) + "de l'année juive"), std::string::npos);
        EXPECT_EQ(r.pages_construites.front().parent_path().filename(), d.web->dossier);
    }
}

TEST_F(TablesDivers, UnModeleManquantEstSignale)
{
    fs::remove(repertoire.path() / "Orvanew/ELEMENTS/fic_dr2.htm");
    events::EntreesDivers e = pour(ModeDivers::mariages, 5785);
    e.web = true;
    EXPECT_THROW((void)calcule(ModeDivers::mariages, e), platform::FileError);
    EXPECT_FALSE(fs::exists(repertoire.path() / "Orvanew/ELEMENTS/MARIAGE/5785.htm"));
}

TEST_F(TablesDivers, GuechamimEnIsraelEtEnDiaspora)
{
    events::EntreesDivers e = pour(ModeDivers::guechamim, 5785);
    const std::string israel = texte_de(calcule(ModeDivers::guechamim, e).lignes);
    EXPECT_NE(israel.find("Guéchamim/Tal en Israël"), std::string::npos);
    e.coche1 = true;
    const std::string diaspora = texte_de(calcule(ModeDivers::guechamim, e).lignes);
    EXPECT_NE(diaspora.find("Guéchamim/Tal en Diaspora"), std::string::npos);
    // 5785: the prayer for rain starts on the eve of 5 December 2024.
    EXPECT_NE(diaspora.find("5  Décembre 2024"), std::string::npos) << diaspora;
}

TEST_F(TablesDivers, LesSeriesSontGardeesDansLeurFichier)
{
    const events::EntreesDivers e = pour(ModeDivers::series_61, 5785);
    int appels = 0;
    contexte.progres = [&appels](int, const std::string&) {
        ++appels;
        return true;
    };
    const ResultatDivers calculees = calcule(ModeDivers::series_61, e);
    EXPECT_FALSE(calculees.du_fichier);
    EXPECT_GT(appels, 0);
    ASSERT_TRUE(fs::exists(repertoire.path() / "Iserie.dta"));
    const ResultatDivers relues = calcule(ModeDivers::series_61, e);
    EXPECT_TRUE(relues.du_fichier);
    EXPECT_NE(texte_de(relues.lignes).find("PREMIERE OCCURRENCE : 191 EME ANNEE DE LA CREATION"),
              std::string::npos);
}

TEST_F(TablesDivers, LaRechercheDesSeriesPeutEtreArretee)
{
    contexte.progres = [](int, const std::string&) { return false; };
    const ResultatDivers r = calcule(ModeDivers::series_61, pour(ModeDivers::series_61, 5785));
    EXPECT_TRUE(r.arrete);
    EXPECT_FALSE(fs::exists(repertoire.path() / "Iserie.dta"));
}

TEST_F(TablesDivers, LeGlossaireDeChaqueTable)
{
    EXPECT_NE(texte_de(glossaire_divers(ModeDivers::moladot, repertoire.path())).find("Molad"),
              std::string::npos);
    // The tables of years and cycles show four entries one after the other.
    const std::string annees =
        texte_de(glossaire_divers(ModeDivers::tableau_types, repertoire.path()));
    const std::size_t type = annees.find("Type de l'ann");
    const std::size_t lunaire = annees.find("Cycle lunaire");
    const std::size_t solaire = annees.find("Cycle solaire");
    const std::size_t serie = annees.find("Série");
    EXPECT_LT(type, lunaire);
    EXPECT_LT(lunaire, solaire);
    EXPECT_LT(solaire, serie);
    EXPECT_NE(serie, std::string::npos);
    // An entry stops at the rule that closes it.
    EXPECT_EQ(annees.find("____"), std::string::npos);
}

// The rows of the moladot table against @hebcal/core (5500–5900): weekday,
// hour, minutes and halakim of every month's molad.
TEST_F(TablesDivers, LesMoladotCommeLaBibliothequeIndependante)
{
    std::ifstream f(fs::path(ORVANE_SOURCE_DIR) / "tests/data/events/hebcal_moladot.tsv");
    std::map<std::pair<int, int>, std::tuple<int, int, int, int>> reference;
    int annee = 0;
    int mois = 0;
    int jour = 0;
    int heure = 0;
    int minutes = 0;
    int halakim = 0;
    while (f >> annee >> mois >> jour >> heure >> minutes >> halakim) {
        reference[{annee, mois}] = {jour, heure, minutes, halakim};
    }
    ASSERT_GT(reference.size(), 4900u);
    static constexpr std::array<std::string_view, 8> jours = {
        "", "Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Chabbat"};
    events::EntreesDivers e = pour(ModeDivers::moladot, 5500);
    e.nb_annees = 401;
    const ResultatDivers r = calcule(ModeDivers::moladot, e);
    int vues = 0;
    int annee_table = 0;
    int slot = 0;
    for (const std::string& l : r.lignes) {
        if (l.find("Moladot pour l'année ") != std::string::npos &&
            l.find("années") == std::string::npos) {
            annee_table = std::stoi(l.substr(l.rfind(' ') + 1));
            slot = 0;
            continue;
        }
        const std::size_t a = l.find(" à ");
        if (a == std::string::npos || l.find(": ") == std::string::npos) {
            continue;
        }
        // Rows follow the slots; Adar II of a common year has none.
        ++slot;
        if (reference.count({annee_table, slot}) == 0) {
            ++slot;
        }
        const auto [j, h, mn, hl] = reference.at({annee_table, slot});
        SCOPED_TRACE(l);
        const std::string apres = l.substr(l.find(": ") + 2);
        EXPECT_EQ(apres.rfind(std::string(jours.at(static_cast<std::size_t>(j))), 0), 0u);
        int th = -1;
        int tm = -1;
        int thl = -1;
        ASSERT_EQ(std::sscanf(l.c_str() + a + 3, "%dh %dmn %dhl", &th, &tm, &thl), 3);
        EXPECT_EQ(std::make_tuple(th, tm, thl), std::make_tuple(h, mn, hl));
        ++vues;
    }
    EXPECT_EQ(vues, static_cast<int>(reference.size()));
}

} // namespace
} // namespace orvane::documents
