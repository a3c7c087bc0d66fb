// The consistory's series: the twenty-four builds of a Hebrew year for
// Paris against golden files and against builds made one by one, the dawn
// of the fasts, the refusals, the workbook read back by openpyxl; the
// nightfall tables of the Admour Hazaken over "villetset.txt".
#include "document_files.h"
#include "documents/consistory_series.h"
#include "documents/year_page.h"
#include "platform/file_error.h"
#include "platform/text_file.h"
#include "workbook_reader.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane::documents
{
namespace
{

using namespace test;

DemandeCalendrier paris_5786()
{
    DemandeCalendrier d = demande_paris(Sens::hebreu_civil, 5786);
    d.est_ouest = 5;
    d.opinion = "Or Méïr";
    return d;
}

/// A program directory with the consistory's festival files of the years.
class DossierCiop : public platform::test_support::TemporaryDirectory
{
public:
    explicit DossierCiop(std::initializer_list<int> annees)
    {
        for (const int a : annees) {
            platform::cree_dossier_de(path() / chemin_fetes_ciop(a));
            platform::write_lines(path() / chemin_fetes_ciop(a), {"Fêtes de " + std::to_string(a)});
        }
    }
};

/// The export of one build made directly.
std::vector<std::string> export_direct(DemandeCalendrier d, int annee, std::string_view longitude,
                                       std::string_view opinion, double aube)
{
    d.annee = annee;
    d.lieu.longitude = std::string(longitude);
    d.opinion = std::string(opinion);
    d.contexte.aube_degres = aube;
    d.cible = Cible::fichier;
    d.pour_tableur = true;
    const CalendrierSimplifie c = calendrier_simplifie(d, tables_livrees());
    EXPECT_TRUE(c.erreur.empty()) << c.erreur;
    return c.pages.empty() ? std::vector<std::string>{} : c.pages.back().export_lignes;
}

TEST(SeriesCiop, VingtQuatreFichiersDistincts)
{
    std::set<std::string_view> noms;
    int taanit = 0;
    for (const ConstructionCiop& c : constructions_ciop()) {
        noms.insert(c.fichier);
        taanit += c.aube_taanit ? 1 : 0;
    }
    EXPECT_EQ(noms.size(), 24u);
    EXPECT_EQ(taanit, 18); // all but Greenwich and the first eastern triple
    EXPECT_EQ(constructions_ciop().front().fichier, "CAL_GrE0.txt");
    EXPECT_EQ(constructions_ciop().back().fichier, "CAL_M_W2.txt");
}

TEST(SeriesCiop, AubeDesJeunes)
{
    EXPECT_DOUBLE_EQ(aube_taanit(config::FichierCles{}), 12.0);
    EXPECT_DOUBLE_EQ(aube_taanit(config::FichierCles{{"taanit 150"}}), 15.0);
    EXPECT_DOUBLE_EQ(aube_taanit(config::FichierCles{{"taanit douze"}}), 12.0);
    EXPECT_DOUBLE_EQ(aube_taanit(config::FichierCles{{"taanit -5"}}), 12.0);
}

TEST(SeriesCiop, SansLesFetesDeLAnneeSuivanteRienNEstConstruit)
{
    DossierCiop dossier({5786});
    try {
        (void)series_ciop(paris_5786(), Sortie::calendrier_ciop, config::FichierCles{},
                          tables_livrees(), dossier.path());
        FAIL() << "series built without the festivals of 5787";
    } catch (const RefusSerie& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Erreur :\rVeuillez calculer auparavant les fêtes de l'année 5786 et l'année "
                  "5787.\rPour cela, aller sur le menu Fêtes juives\" Choisissez \"Fêtes et "
                  "Jeûnes\".\rChoisissez l'année puis cliquez sur le boutton CIOP en bas à "
                  "gauche.");
    }
    EXPECT_FALSE(std::filesystem::exists(dossier / "CAL_GrE0.txt"));
}

class SeriesParis : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dossier_ = new DossierCiop({5786, 5787});
        series_ =
            new SeriesCiop(series_ciop(paris_5786(), Sortie::calendrier_ciop, config::FichierCles{},
                                       tables_livrees(), dossier_->path()));
    }
    static void TearDownTestSuite()
    {
        delete series_;
        delete dossier_;
    }
    static std::vector<std::string> lignes(std::string_view nom)
    {
        return platform::read_lines(dossier_->path() / nom);
    }
    static DossierCiop* dossier_;
    static SeriesCiop* series_;
};
DossierCiop* SeriesParis::dossier_ = nullptr;
SeriesCiop* SeriesParis::series_ = nullptr;

TEST_F(SeriesParis, LesFichiersDeLAnneeCommeLesFichiersDeReference)
{
    ASSERT_EQ(series_->fichiers.size(), 24u);
    for (const char* nom : {"CAL_GrE0.txt", "CAL_GrE1.txt", "CAL_GrE2.txt", "CAL_M_E3.txt",
                            "CAL_M_E4.txt", "CAL_M_E5.txt", "CAL_P_C0.txt", "CAL_M_C0.txt",
                            "CAL_P_E0.txt", "CAL_M_E0.txt", "CAL_P_W0.txt", "CAL_M_W0.txt"}) {
        compare_au_golden(dossier_->path() / nom, std::string("consistoire/") + nom);
    }
}

TEST_F(SeriesParis, ChaqueFichierEstLaConstructionDeSonLieuDeSonAvisEtDeSonAnnee)
{
    const DemandeCalendrier d = paris_5786();
    EXPECT_EQ(lignes("CAL_M_C1.txt"), export_direct(d, 5785, "02°20'E", "Or Méïr", 12.0));
    EXPECT_EQ(lignes("CAL_P_C2.txt"), export_direct(d, 5787, "02°20'E", "Rav Rottenberg", 12.0));
    // The east and west ends five minutes of arc from the centre.
    EXPECT_EQ(lignes("CAL_M_E0.txt"), export_direct(d, 5786, "02°25'E", "Or Méïr", 12.0));
    EXPECT_EQ(lignes("CAL_P_W1.txt"), export_direct(d, 5785, "02°15'E", "Rav Rottenberg", 12.0));
    EXPECT_EQ(lignes("CAL_M_E4.txt"), export_direct(d, 5785, "02°25'E", "Or Méïr", 16.1));
    DemandeCalendrier g = d;
    g.lieu = {"Greenwich", "Angleterre", "51.47N", "0.0E", "0"};
    EXPECT_EQ(lignes("CAL_GrE2.txt"), export_direct(g, 5787, "0.0E", "Or Méïr", 16.1));
}

TEST_F(SeriesParis, SansTaanitLAubeDesJeunesEstA12Degres)
{
    const DemandeCalendrier d = paris_5786();
    EXPECT_EQ(lignes("CAL_M_E0.txt"), export_direct(d, 5786, "02°25'E", "Or Méïr", 12.0));
    EXPECT_NE(lignes("CAL_M_E0.txt"), lignes("CAL_M_E3.txt")); // the same build at 16.1°
}

TEST_F(SeriesParis, LeLieuDeLaFenetreEtLesFetesCopiees)
{
    const std::optional<LieuCalendrier> lieu = lit_lieu_calendrier(dossier_->path());
    ASSERT_TRUE(lieu);
    EXPECT_EQ(lieu->lieu.longitude, "02°20'E");
    EXPECT_EQ(lieu->opinion, "Or Méïr");
    EXPECT_EQ(platform::read_lines(dossier_->path() / "b_molad_ciop.txt"),
              std::vector<std::string>{"Fêtes de 5786"});
}

TEST_F(SeriesParis, LeClasseurUneFeuilleParFichier)
{
    ASSERT_EQ(series_->classeurs.size(), 1u);
    EXPECT_EQ(series_->classeurs[0],
              dossier_->path() / "CALENDRIER_CIOP_5786" / "CALENDRIER_CIOP_5786_PARIS.xlsx");
    const ClasseurLu c = lit_classeur(series_->classeurs[0]);
    std::vector<std::string> attendues;
    for (const ConstructionCiop& x : constructions_ciop()) {
        attendues.emplace_back(x.fichier.substr(0, x.fichier.size() - 4));
    }
    EXPECT_EQ(c.noms(), attendues);
    const FeuilleLue& f = c.feuille("CAL_M_C0");
    const std::vector<std::string> l = lignes("CAL_M_C0.txt");
    EXPECT_EQ(f.texte(1, 1), l[0]);
    // The first day of Tichri: its line's fields, the times as times.
    EXPECT_EQ(f.texte(5, 1), "Mar");
    EXPECT_EQ(f.genre(5, 2), 'n');
    EXPECT_EQ(f.genre(5, 5), 't');
    EXPECT_EQ(f.texte(5, 5), l[4].substr(l[4].find("\t06.") + 1, 2) + ":" +
                                 l[4].substr(l[4].find("\t06.") + 4, 2));
}

// West of Greenwich the east end is fewer minutes of arc: the shift is the
// calendars' own, which reads any notation of the longitude.
TEST(SeriesCiop, LEstEtLOuestDUneVilleALOuestDeGreenwich)
{
    DossierCiop dossier({5786, 5787});
    DemandeCalendrier d = paris_5786();
    d.lieu = {"Montréal", "Canada", "45°31'N", "73.5833W", "-5"};
    d.est_ouest = 3;
    (void)series_ciop(d, Sortie::tables_ciop, config::FichierCles{}, tables_livrees(),
                      dossier.path());
    EXPECT_EQ(platform::read_lines(dossier / "CAL_M_E0.txt"),
              export_direct(d, 5786, "73°32'W", "Or Méïr", 12.0));
    EXPECT_EQ(platform::read_lines(dossier / "CAL_M_W0.txt"),
              export_direct(d, 5786, "73°38'W", "Or Méïr", 12.0));
    EXPECT_TRUE(std::filesystem::exists(dossier / "CALENDRIER_CIOP_5786" /
                                        "TABLES_CIOP_5786_Montreal.xlsx"));
}

// A copy that cannot be made stops the series with the file's name.
TEST(SeriesCiop, UneCopieImpossibleEstSignalee)
{
    DossierCiop dossier({5786, 5787});
    std::filesystem::create_directories(dossier / "CAL_GrE1.txt" / "occupé");
    try {
        (void)series_ciop(paris_5786(), Sortie::calendrier_ciop, config::FichierCles{},
                          tables_livrees(), dossier.path());
        FAIL() << "a copy onto a folder went through";
    } catch (const platform::FileError& e) {
        EXPECT_EQ(e.path(), dossier / "CAL_GrE1.txt");
        EXPECT_NE(std::string(e.what()).find("cal_exl.txt"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(std::filesystem::exists(dossier / "CAL_GrE0.txt"));
}

TEST(SeriesCiop, LesTablesHorairesOntLeurPropreClasseur)
{
    EXPECT_EQ(chemin_classeur_ciop(Sortie::tables_ciop, 5786, "PARIS (75)"),
              std::filesystem::path("CALENDRIER_CIOP_5786") / "TABLES_CIOP_5786_PARIS.xlsx");
    EXPECT_EQ(chemin_classeur_ciop(Sortie::calendrier_ciop, 5786, "Saint-Jean-de-Luz"),
              std::filesystem::path("CALENDRIER_CIOP_5786") / "CALENDRIER_CIOP_5786_Saint Je.xlsx");
}

TEST(TablesTset, LigneDeVilletset)
{
    const places::Place p = lieu_tset("Anvers\tBelgique\t51°13'N\t04°25'E\t+1        reste");
    EXPECT_EQ(p.ville, "Anvers");
    EXPECT_EQ(p.pays, "Belgique");
    EXPECT_EQ(p.latitude, "51°13'N");
    EXPECT_EQ(p.longitude, "04°25'E");
    EXPECT_EQ(p.decalage, "+1");
}

TEST(TablesTset, SansVilletsetRienNEstConstruit)
{
    platform::test_support::TemporaryDirectory dossier;
    try {
        (void)tables_tset(demande_paris(Sens::civil_hebreu, 2026), tables_livrees(),
                          dossier.path());
        FAIL();
    } catch (const RefusSerie& e) {
        EXPECT_EQ(std::string(e.what()), "Il manque le fichier villetset.txt.");
    }
}

TEST(TablesTset, DeuxVillesEtLesCopiesAnciennesEffacees)
{
    platform::test_support::TemporaryDirectory dossier;
    platform::write_lines(
        dossier / "villetset.txt",
        {"PARIS (75)\tFrance\t48°52'N\t02°20'E\t+1", "", "Anvers\tBelgique\t51°13'N\t04°25'E\t+1"});
    for (int n = 1; n <= 4; ++n) {
        platform::write_lines(dossier / ("tset_vil_" + std::to_string(n) + ".txt"), {"ancien"});
    }
    DemandeCalendrier d = demande_paris(Sens::civil_hebreu, 2026);
    const SeriesCiop s = tables_tset(d, tables_livrees(), dossier.path());
    ASSERT_EQ(s.fichiers.size(), 2u);
    compare_au_golden(dossier / "tset_vil_1.txt", "consistoire/tset_vil_1.txt");
    compare_au_golden(dossier / "tset_vil_2.txt", "consistoire/tset_vil_2.txt");
    EXPECT_FALSE(std::filesystem::exists(dossier / "tset_vil_3.txt"));
    EXPECT_FALSE(std::filesystem::exists(dossier / "tset_vil_4.txt"));
    // Or Méïr with the stars of the Admour Hazaken.
    d.lieu = {"Anvers", "Belgique", "51°13'N", "04°25'E", "+1"};
    d.opinion = "Or Méïr";
    d.contexte.etoiles_degres = 6.54;
    d.cible = Cible::fichier;
    d.pour_tableur = true;
    const CalendrierSimplifie c = calendrier_simplifie(d, tables_livrees());
    EXPECT_EQ(platform::read_lines(dossier / "tset_vil_2.txt"), c.pages.back().export_lignes);
    d.contexte.etoiles_degres.reset();
    EXPECT_NE(platform::read_lines(dossier / "tset_vil_2.txt"),
              calendrier_simplifie(d, tables_livrees()).pages.back().export_lignes);
    const ClasseurLu lu = lit_classeur(dossier / "TSET_ADMOUR_2026.xlsx");
    EXPECT_EQ(lu.noms(), (std::vector<std::string>{"tset_vil_1 PARIS", "tset_vil_2 Anvers"}));
}

} // namespace
} // namespace orvane::documents
