// The text of the day page: its headings, its optional lines and the order
// of its parts, from a set of contents and from a real date.
#include "platform/temporary_directory.h"
#include "shell/day/day_page_contents.h"
#include "shell/day/day_page_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::shell
{
namespace
{

using Lignes = std::vector<std::string>;

ContenuPageDuJour contenu()
{
    ContenuPageDuJour c;
    c.date_civile = "Vendredi  21  Juin 2024";
    c.date_hebraique = "Vendredi  15  Sivan   5784";
    c.ligne_horloge = "15 h 10 mn 20 sec = 15 h 186.0 halakim ";
    c.libelles_jour = {"Ent: 21.40  Sor: 23.05", "", "Chabbat prochain  : Paracha: Behaalotkha"};
    c.nombre_anniversaires = 2;
    c.anniversaires = {"Mer 11 Juin 2025 :15 Sivan   5785", "Dim 31 Mai  2026 :15 Sivan   5786"};
    c.ligne_bar_mitsva = "   Vendredi  29 Mai 2037 = 15 Sivan   5797";
    c.ligne_chabbat_bar_mitsva = "Chabbat Bar-Mitsva : Behaalotkha";
    c.annee_hebr = 5784;
    c.caracteristiques = {"L'année 5784 est du type ZA 'HA G"};
    c.lieu = {"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
    c.correction_ete = 1;
    c.jour = 21;
    c.mois = 6;
    c.opinion = "Beth Din (France)";
    c.horaires = {"Aube : Cha'har              03:01"};
    c.heures_saison = {"  Heure actuelle Hagra   06:57:39 (journée)"};
    c.durees = {"  Durée jour Lev/coucher (Hagra)     16.11"};
    c.jours_importants = {"F Roch Hachana    : Chabbat  16  Septembre 2023  ==>  1 Tichri  5784"};
    return c;
}

TEST(PageDuJour, LignesDansLOrdre)
{
    const Lignes p = page_du_jour(contenu());
    const Lignes attendu = {
        ligne_titre("    AUJOURD'HUI "),
        "       Vendredi  21  Juin 2024 correspondant au Vendredi  15  Sivan   5784",
        "       Il est : 15 h 10 mn 20 sec = 15 h 186.0 halakim ",
        "       Ent: 21.40  Sor: 23.05",
        "       Chabbat prochain  : Paracha: Behaalotkha",
        ligne_titre("    2 PROCHAIN(S) ANNIVERSAIRE(S) "),
        "       Mer 11 Juin 2025 :15 Sivan   5785",
        "       Dim 31 Mai  2026 :15 Sivan   5786",
        "       ",
        ligne_titre("    DATE DE BAR-MITSVA "),
        "         Vendredi  29 Mai 2037 = 15 Sivan   5797",
        "       Chabbat Bar-Mitsva : Behaalotkha",
        "",
        ligne_titre("    CARACTERISTIQUES DE L'ANNEE HEBRAÏQUE 5784 --------"),
        "L'année 5784 est du type ZA 'HA G",
        ligne_titre("    VILLE : PARIS (75)(France)"),
        "       Latitude : 48°52'N   Longitude : 02°20'E    gmt : +1   Heure d'été (1 heure)",
        "",
        "    HORAIRES DU JOUR 21 Juin     ( selon l'avis du Beth Din (France) ) ---------",
        "     Aube : Cha'har              03:01",
        "",
        "    Heure actuelle Hagra   06:57:39 (journée)",
        "",
        "      Durée jour Lev/coucher (Hagra)     16.11",
        "",
        "",
        ligne_titre("    JOURS IMPORTANTS DE L'ANNEE 5784 (en Diaspora) -----------", 90),
        "    F = Jour de fête, férié     f = Jour de demi-fête",
        "      F Roch Hachana    : Chabbat  16  Septembre 2023  ==>  1 Tichri  5784",
    };
    EXPECT_EQ(p, attendu);
}

TEST(PageDuJour, Titres)
{
    EXPECT_EQ(ligne_titre("    AUJOURD'HUI "), "    AUJOURD'HUI " + std::string(64, '-'));
    EXPECT_EQ(ligne_titre(std::string(100, 'x')), std::string(80, 'x'));
    EXPECT_EQ(texte_correction(1), "1");
    EXPECT_EQ(texte_correction(0), "0");
}

TEST(PageDuJour, JourSpecialBatMitsvaEtIsrael)
{
    ContenuPageDuJour c = contenu();
    c.nom_jour_special = "Pessa'h (YomTov)";
    c.fille = true;
    c.diaspora = false;
    c.correction_ete = 0;
    c.ligne_horloge.clear();
    const Lignes p = page_du_jour(c);
    EXPECT_EQ(p[0],
              ligne_titre("    AUJOURD'HUI ---- Pessa'h (YomTov) --------------------------"));
    EXPECT_EQ(p[2], "       Ent: 21.40  Sor: 23.05"); // no clock line
    EXPECT_NE(std::find(p.begin(), p.end(), ligne_titre("    DATE DE BAT-MITSVA ")), p.end());
    EXPECT_NE(std::find_if(p.begin(), p.end(),
                           [](const std::string& l) {
                               return l.find("   Heure d'hiver (0 heure)") != std::string::npos;
                           }),
              p.end());
    EXPECT_EQ(p[p.size() - 3],
              ligne_titre("    JOURS IMPORTANTS DE L'ANNEE 5784 (en Israël) -------------", 90));
    EXPECT_EQ(p[p.size() - 3].size() - 1, 90u); // "Ë" takes two bytes
}

// The page of a real date in Israel mode ends with the list headed
// " (en Israël) ", and every heading stays within its width.
TEST(PageDuJour, PageCompleteEnIsrael)
{
    platform::test_support::TemporaryDirectory dir;
    DemandePageAccueil d;
    d.jour.date = {2024, 10, 17}; // 15 Tichri 5785, Soukot
    d.jour.lieu = {"Jérusalem", "Israël", "31°46'N", "35°13'E", "+2"};
    d.jour.opinion = "Or Méïr";
    d.jour.diaspora = false;
    d.aujourdhui = {2024, 10, 17};
    d.nombre_anniversaires = 3;
    const PageAccueil page = calcule_page_accueil(DonneesChargees(dir.path()), d);
    const Lignes p = page_du_jour(contenu_page_du_jour(page, d, "", 12.0));
    EXPECT_EQ(p[0].rfind("    AUJOURD'HUI ---- Soukot ---", 0), 0u) << p[0];
    const auto titre = std::find_if(p.begin(), p.end(), [](const std::string& l) {
        return l.rfind("    JOURS IMPORTANTS DE L'ANNEE 5785 (en Israël) ", 0) == 0;
    });
    ASSERT_NE(titre, p.end());
    EXPECT_EQ(p.end() - titre, 2 + static_cast<long>(page.jours_importants.size()));
    EXPECT_EQ(p.back(), "      " + page.jours_importants.back());
    // Three anniversaries and the line of seven blanks.
    const auto anniv =
        std::find(p.begin(), p.end(), ligne_titre("    3 PROCHAIN(S) ANNIVERSAIRE(S) "));
    ASSERT_NE(anniv, p.end());
    EXPECT_EQ(*(anniv + 4), "       ");
    // No city in the program directory's summer tables: winter time.
    EXPECT_NE(std::find_if(p.begin(), p.end(),
                           [](const std::string& l) {
                               return l.find("Heure d'hiver (0 heure)") != std::string::npos;
                           }),
              p.end());
}

// The year panel may list another year than the date's: the
// characteristics keep the heading of the year whose lines they are, the
// year of the date shown.
TEST(PageDuJour, CaracteristiquesDeLAnneeDeLaDateMontree)
{
    platform::test_support::TemporaryDirectory dir;
    DemandePageAccueil d;
    d.jour.date = {2025, 6, 1}; // 5 Sivan 5785
    d.jour.lieu = {"Jérusalem", "Israël", "31°46'N", "35°13'E", "+2"};
    d.jour.opinion = "Or Méïr";
    d.aujourdhui = {2025, 6, 1};
    PageAccueil page = calcule_page_accueil(DonneesChargees(dir.path()), d);
    page.annee_panneau = 5784; // the user stepped the year panel back
    const Lignes p = page_du_jour(contenu_page_du_jour(page, d, "", 12.0));
    const auto titre = std::find_if(p.begin(), p.end(), [](const std::string& l) {
        return l.rfind("    CARACTERISTIQUES DE L'ANNEE HEBRAÏQUE ", 0) == 0;
    });
    ASSERT_NE(titre, p.end());
    EXPECT_NE(titre->find("5785"), std::string::npos) << *titre;
    ASSERT_NE(titre + 1, p.end());
    EXPECT_EQ(*(titre + 1), page.jour.caracteristiques.texte_type);
}

} // namespace
} // namespace orvane::shell
