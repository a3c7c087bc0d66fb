// The page files of one city and of a list of cities, in a scratch program
// directory holding the delivered templates.
#include "document_files.h"
#include "documents/city_pages.h"
#include "platform/file_error.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::documents
{
namespace
{

using namespace test;
namespace fs = std::filesystem;

TEST(NomFichierVille, Exemples)
{
    EXPECT_EQ(nom_fichier_ville("Saint-Jean-de-Luz"), "Saint Je");
    EXPECT_EQ(nom_fichier_ville("Béziers"), "Beziers");
    EXPECT_EQ(nom_fichier_ville("PARIS (75)"), "PARIS 75");
    // Every accent goes, not only the French ones.
    EXPECT_EQ(nom_fichier_ville("Ñuñoa"), "Nunoa");
    EXPECT_EQ(nom_fichier_ville("Łódź"), "Lodz");
    EXPECT_EQ(nom_fichier_ville("Ústí nad Labem"), "Usti nad");
    EXPECT_EQ(nom_fichier_ville("Øresund"), "Oresund");
    EXPECT_EQ(nom_fichier_ville("L'Haÿ-les-Roses"), "L Hay le");
    EXPECT_EQ(nom_fichier_ville("Ïle Ça"), "Ile Ca");
    EXPECT_EQ(nom_fichier_ville("Montréal, Québec"), "Montreal");
    EXPECT_EQ(nom_fichier_ville("---"), "");
    // Nothing that could leave the output folder or break a file name.
    EXPECT_EQ(nom_fichier_ville("../../etc"), "etc");
    EXPECT_EQ(nom_fichier_ville("a/b\\c:d*"), "a b c d");
    EXPECT_EQ(nom_fichier_ville("Tel Aviv \t(Yafo)"), "Tel Aviv");
}

TEST(Emplacements, DescendentLesCinqColonnes)
{
    EXPECT_EQ(emplacement_ville(0), 0);
    EXPECT_EQ(emplacement_ville(1), 5);
    EXPECT_EQ(emplacement_ville(57), 285);
    EXPECT_EQ(emplacement_ville(58), 1); // the 59th city
    EXPECT_EQ(emplacement_ville(59), 6); // the 60th
    EXPECT_EQ(emplacement_ville(289), 289);
    // Every one of the 290 slots is taken once, and past them no slot is
    // taken twice.
    std::set<int> pris;
    for (int i = 0; i < 400; ++i) {
        EXPECT_TRUE(pris.insert(emplacement_ville(i)).second) << i;
    }
    EXPECT_EQ(*pris.rbegin(), 399);
    EXPECT_EQ(lignes_emplacement(5, "PARIS (75)", "PARIS 75", "htm"),
              (std::vector<std::string>{"Villes[5]= \"PARIS (75)\";",
                                        "Fic_Villes[5] = \"PARIS 75.htm\";"}));
    EXPECT_EQ(lignes_emplacement(7, "", "", "htm"), std::vector<std::string>{"Villes[7]= \"\";"});
    EXPECT_EQ(lignes_emplacement(1, "a\"b</script>", "ab", "txt")[0],
              "Villes[1]= \"a\\\"b\\x3C/script>\";");
}

DemandeCalendrier paris(bool horaires, bool web)
{
    DemandeCalendrier d;
    d.annee = 2025;
    d.horaires = horaires;
    d.web = web;
    d.cible = Cible::fichier;
    return d;
}

TEST(PageUneVille, CheminsEtUneSeuleConstruction)
{
    EXPECT_EQ(chemin_page_une_ville(paris(false, false), 2025), "Orvanew/Dates/Civhebtx/2025.txt");
    EXPECT_EQ(chemin_page_une_ville(paris(false, true), 2025), "Orvanew/Dates/Civheb/2025.htm");
    EXPECT_EQ(chemin_page_une_ville(paris(true, true), 2025), "CAL_CIVL/2025/PARIS 75.htm");
    DemandeCalendrier h = paris(true, false);
    h.sens = Sens::hebreu_civil;
    EXPECT_EQ(chemin_page_une_ville(h, 5785), "CAL_HEBR/5785/PARIS 75.txt");
    h.horaires = false;
    EXPECT_EQ(chemin_page_une_ville(h, 5785), "Orvanew/Dates/Hebcivtx/5785.txt");

    RepertoireAvecModeles dossier;
    const ResultatPage r =
        page_une_ville(dossier.path(), paris(false, false), 2025, tables_livrees());
    EXPECT_TRUE(r.construite);
    const std::vector<std::string> lignes = platform::read_lines(r.page);
    EXPECT_EQ(lignes[0], "<===== CALENDRIER DE L'ANNEE 2025 =====>");
    EXPECT_EQ(lignes[1], " ");
    EXPECT_EQ(lignes[2], " ");
    EXPECT_EQ(lignes[3], "Janvier 2025");
    EXPECT_TRUE(lignes[4].starts_with("  Mercredi  1 Janv 2025 7e 'Hanouka")) << lignes[4];
    // The foot template closes the page.
    EXPECT_EQ(lignes.back(), " Les heures sont arrondies à la minute dans le sens de la 'houmra.");
    // The delivered text template is left as it was.
    EXPECT_EQ(octets(dossier / "Orvanew/Dates/fic_cc1.txt"),
              octets(donnees_livrees / "Orvanew/Dates/fic_cc1.txt"));
    // Built again for the same year: the first page stays untouched.
    platform::write_lines(r.page, {"page de l'utilisateur"});
    EXPECT_FALSE(
        page_une_ville(dossier.path(), paris(false, false), 2025, tables_livrees()).construite);
    EXPECT_EQ(platform::read_lines(r.page), std::vector<std::string>{"page de l'utilisateur"});
}

TEST(PageUneVille, AvecHorairesLesLignesDuLieu)
{
    RepertoireAvecModeles dossier;
    DemandeCalendrier d = paris(true, false);
    d.nombre_annees = 2;
    const std::vector<ResultatPage> pages = pages_une_ville(dossier.path(), d, tables_livrees());
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].page, dossier / "CAL_CIVL/2026/PARIS 75.txt");
    const std::vector<std::string> lignes = platform::read_lines(pages[0].page);
    EXPECT_EQ(lignes[0], "<===== CALENDRIER DE L'ANNEE 2025 pour la ville de PARIS (75) =====>");
    EXPECT_EQ(lignes[2],
              "PARIS (75) ( France )  Latitude : 48°52'N   Longitude : 02°20'E\t   GMT : +1");
    EXPECT_EQ(lignes[3], "L'heure d'été est prise en compte dans ce tableau.");
    // 365 day lines and the year line of 5786.
    const auto jours = std::count_if(lignes.begin(), lignes.end(), [](const std::string& l) {
        return l.starts_with("  ") && l.size() > 90;
    });
    EXPECT_EQ(jours, 365);
    // "cal_exl.txt" holds the export of the last page built.
    EXPECT_EQ(platform::read_lines(dossier / "cal_exl.txt").front(),
              " Calendrier de 2026 ( 5786 - 5787 ) pour PARIS (75)");
}

TEST(PageUneVille, EnteteHtmlPersonnaliseeSansToucherAuModele)
{
    RepertoireAvecModeles dossier;
    const ResultatPage r =
        page_une_ville(dossier.path(), paris(false, true), 2024, tables_livrees());
    const std::vector<std::string> lignes = platform::read_lines(r.page);
    const auto marque = std::find(lignes.begin(), lignes.end(),
                                  "<H1>Calendrier civil - hébraïque<BR><!-- Dates C -->");
    ASSERT_NE(marque, lignes.end());
    EXPECT_EQ(*(marque + 1), "de l'année 2024");
    const auto lien = std::find(lignes.begin(), lignes.end(), "<!-- CIVHEBTX -->");
    ASSERT_NE(lien, lignes.end());
    EXPECT_EQ(*(lien + 1), "2024.txt");
    EXPECT_EQ(octets(dossier / "Orvanew/Dates/fic_cc1.htm"),
              octets(donnees_livrees / "Orvanew/Dates/fic_cc1.htm"));
}

TEST(ListeDeVilles, PagesEmplacementsEtVillesEnErreur)
{
    RepertoireAvecModeles dossier;
    std::vector<std::string> liste = {
        "PARIS (75)\t\tFrance\t48°52'N\t02°20'E\t+1", "",
        "Béziers\t\tFrance\t43°21'N\t03°13'E\t+1",    "Nulle part\t\tFrance\t43°21'X\t03°13'E\t+1",
        "Jérusalem\t\tIsraël\t31°47'N\t35°13'E\t+2",
    };
    for (int i = 0; i < 54; ++i) {
        liste.emplace_back("");
    }
    liste.emplace_back("Saint-Jean-de-Luz\t\tFrance\t43°23'N\t01°40'W\t+1");
    std::vector<std::string> apres;
    DemandeCalendrier d = paris(true, true);
    d.premiers_du_mois = true; // short pages: the layout is what is checked
    const RapportListe r =
        pages_liste_villes(dossier.path(), d, 2025, liste, tables_livrees(), {},
                           [&apres](const std::string& f) { apres.push_back(f); });
    EXPECT_EQ(apres, (std::vector<std::string>{"PARIS 75", "Beziers", "Nulle pa", "Jerusale",
                                               "Saint Je"}));
    EXPECT_EQ(r.pages.size(), 4u);
    EXPECT_TRUE(fs::exists(dossier / "CAL_CIVL/2025/Beziers.htm"));
    EXPECT_TRUE(fs::exists(dossier / "CAL_CIVL/2025/Saint Je.htm"));
    EXPECT_FALSE(fs::exists(dossier / "CAL_CIVL/2025/Nulle pa.htm"));
    EXPECT_EQ(r.messages,
              std::vector<std::string>{"Erreur dans les coordonnées de la ville Nulle part"});
    EXPECT_EQ(platform::read_lines(dossier / "Orvanew/Calendri/ville_HS.txt"),
              std::vector<std::string>{"\tErreur dans les coordonnées de la ville Nulle part"});
    const std::vector<std::string> ok =
        platform::read_lines(dossier / "Orvanew/Calendri/ville_OK.txt");
    EXPECT_EQ(ok[0], "Villes[0]= \"PARIS (75)\";");
    EXPECT_EQ(ok[1], "Fic_Villes[0] = \"PARIS 75.htm\";");
    EXPECT_EQ(ok[2], "Villes[5]= \"\";");
    EXPECT_EQ(ok[3], "Villes[10]= \"Béziers\";");
    EXPECT_EQ(ok[5], "Villes[15]= \"Nulle part\";");           // keeps its slot
    EXPECT_EQ(ok.back(), "Fic_Villes[6] = \"Saint Je.htm\";"); // the 60th line
    // Jerusalem gets its Tossefet of 40 minutes and the Israel rules.
    const std::vector<std::string> jerusalem =
        platform::read_lines(dossier / "CAL_CIVL/2025/Jerusale.htm");
    EXPECT_NE(std::find(jerusalem.begin(), jerusalem.end(),
                        "<FONT face=\"times\" style=\"font-size: 12pt\">  (Israël)   Latitude : "
                        "31°47'N   Longitude : 35°13'E\t   GMT : +2  (Beth Din)<BR></FONT>"),
              jerusalem.end());
    // The list page: the templates around the slots.
    const std::vector<std::string> liste_page = platform::read_lines(r.page_liste);
    const std::vector<std::string> haut =
        platform::read_lines(donnees_livrees / "Orvanew/Calendri/cal_haut.htm");
    ASSERT_GT(liste_page.size(), haut.size() + ok.size());
    EXPECT_TRUE(std::equal(haut.begin(), haut.end(), liste_page.begin()));
    EXPECT_TRUE(
        std::equal(ok.begin(), ok.end(), liste_page.begin() + static_cast<long>(haut.size())));
}

// Two towns folding to the same eight letters get two files, and the
// report says which; a run stopped by its progress makes the list page of
// the towns done.
TEST(ListeDeVilles, NomsUniquesEtInterruption)
{
    RepertoireAvecModeles dossier;
    const std::vector<std::string> liste = {
        "Neuilly-sur-Seine\t\tFrance\t48°53'N\t02°16'E\t+1",
        "Neuilly-Plaisance\t\tFrance\t48°52'N\t02°31'E\t+1",
        "Neuilly-sur-Marne\t\tFrance\t48°52'N\t02°32'E\t+1",
        "Lyon\t\tFrance\t45°45'N\t04°51'E\t+1",
    };
    DemandeCalendrier d = paris(true, true);
    d.premiers_du_mois = true;
    std::vector<std::string> fichiers;
    const RapportListe r =
        pages_liste_villes(dossier.path(), d, 2025, liste, tables_livrees(), {},
                           [&fichiers](const std::string& f) { fichiers.push_back(f); });
    EXPECT_EQ(fichiers, (std::vector<std::string>{"Neuilly", "Neuilly2", "Neuilly3", "Lyon"}));
    EXPECT_EQ(r.pages.size(), 4u);
    for (const std::string& f : fichiers) {
        EXPECT_TRUE(fs::exists(dossier / "CAL_CIVL/2025" / (f + ".htm"))) << f;
    }
    ASSERT_EQ(r.messages.size(), 2u);
    EXPECT_EQ(r.messages[0], "La ville Neuilly-Plaisance a le fichier « Neuilly2 », le nom « "
                             "Neuilly » étant déjà pris");
    const std::vector<std::string> ok =
        platform::read_lines(dossier / "Orvanew/Calendri/ville_OK.txt");
    EXPECT_NE(std::find(ok.begin(), ok.end(), "Fic_Villes[5] = \"Neuilly2.htm\";"), ok.end());

    RepertoireAvecModeles autre;
    std::vector<int> vus;
    const RapportListe arrete = pages_liste_villes(autre.path(), d, 2025, liste, tables_livrees(),
                                                   {}, {}, {}, [&vus](int faites, int total) {
                                                       vus.push_back(faites);
                                                       EXPECT_EQ(total, 4);
                                                       return faites < 2;
                                                   });
    EXPECT_TRUE(arrete.interrompu);
    EXPECT_EQ(vus, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(arrete.pages.size(), 2u);
    EXPECT_TRUE(fs::exists(arrete.page_liste));
}

// Two towns of Israel whose names begin with a letter of three bytes in
// UTF-8 fold to the same name: the second is cut by characters before its
// number, never in the middle of a letter.
TEST(ListeDeVilles, NomsUniquesDeLettresLongues)
{
    RepertoireAvecModeles dossier;
    const std::vector<std::string> liste = {
        "‘Ar‘ara\t\tIsraël\t32°30'N\t35°06'E\t+2",
        "‘Ar‘ara BaNegev\t\tIsraël\t31°10'N\t35°01'E\t+2",
    };
    DemandeCalendrier d = paris(true, true);
    d.premiers_du_mois = true;
    std::vector<std::string> fichiers;
    const RapportListe r =
        pages_liste_villes(dossier.path(), d, 2025, liste, tables_livrees(), {},
                           [&fichiers](const std::string& f) { fichiers.push_back(f); });
    EXPECT_EQ(fichiers, (std::vector<std::string>{"‘Ar‘ara", "‘Ar‘ara2"}));
    EXPECT_EQ(r.pages.size(), 2u);
    for (const std::string& f : fichiers) {
        EXPECT_TRUE(platform::is_valid_utf8(f)) << f;
        EXPECT_TRUE(fs::exists(dossier / "CAL_CIVL/2025" / (f + ".htm"))) << f;
    }
}

// A template missing stops the list run before any page is written.
TEST(ListeDeVilles, ModeleManquantAvantToutePage)
{
    RepertoireAvecModeles dossier;
    fs::remove(dossier / "Orvanew/Calendri/cal_bas.htm");
    DemandeCalendrier d = paris(true, true);
    try {
        (void)pages_liste_villes(dossier.path(), d, 2025, {"Lyon\t\tFrance\t45°45'N\t04°51'E\t+1"},
                                 tables_livrees());
        ADD_FAILURE() << "no error for a missing template";
    } catch (const platform::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("cal_bas.htm"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(fs::exists(dossier / "CAL_CIVL/2025/Lyon.htm"));
}

TEST(Rapport, ApresUneSortieDeFichiers)
{
    DemandeCalendrier d = paris(true, true);
    const std::vector<std::string> r = rapport_pages(d, 2025, 2027);
    EXPECT_EQ(r[1], "CONSTRUCTION DES PAGES WEB TERMINEE pour 3 année(s)");
    EXPECT_EQ(r[8], "Résultats Fichier(s) HTM destinés au pc. Sortie sous le répertoire  :  "
                    "CAL_CIVL\\l_année\\nom_du_la_ville.htm");
    d.horaires = false;
    d.web = false;
    d.sens = Sens::hebreu_civil;
    EXPECT_EQ(rapport_pages(d, 5785, 5785)[8],
              "Résultats Fichier(s) TXT destinés au web. Sortie sous le répertoire  :  "
              "Orvanew\\Dates\\Hebcivtx\\l_année.txt");
    EXPECT_EQ(r.back(), "Attention ! Chaque fichier occupera ~42Kb.");
}

} // namespace
} // namespace orvane::documents
