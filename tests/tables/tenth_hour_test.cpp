// The tenth-hour files under "NEUVIEME": their names, a month of Paris byte
// for byte, the time as sunrise plus nine seasonal hours on every day of a
// year, the file of a city replaced and the list's file added to.
#include "golden_file.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "table_test_support.h"
#include "tables/tenth_hour.h"

#include <gtest/gtest.h>

#include <charconv>

namespace orvane::tables
{
namespace
{

using namespace test;
namespace fs = std::filesystem;

DemandeTable paris_dixieme()
{
    DemandeTable d = paris_janvier();
    d.dixieme_heure = true;
    return d;
}

/// Computes `d` into the tenth-hour file of `repertoire` (and `autre`).
fs::path ecrit(const fs::path& repertoire, const DemandeTable& d,
               zmanim::ZmanimSettings reglages = {}, SortieTable* autre = nullptr)
{
    FichierDixiemeHeure f(repertoire, d);
    std::vector<SortieTable*> sorties{&f};
    if (autre != nullptr) {
        sorties.push_back(autre);
    }
    SortiesMultiples toutes(sorties);
    const ResultatTable r = calcule_table(d, reglages, environnement(), toutes);
    EXPECT_FALSE(r.refuse) << r.message;
    f.termine();
    return f.chemin();
}

std::vector<std::string> lignes_du_fichier(const fs::path& chemin)
{
    const auto texte = platform::read_text_if_exists(chemin);
    EXPECT_TRUE(texte.has_value()) << chemin;
    return platform::split_lines(texte.value_or(""));
}

TEST(DixiemeHeure, LesNomsDesFichiers)
{
    DemandeTable d = paris_dixieme();
    EXPECT_EQ(chemin_dixieme_heure(d), fs::path("NEUVIEME") / "2025_PARIS 75.txt");
    d.lieu.ville = "Saint-Jean-de-Luz";
    EXPECT_EQ(chemin_dixieme_heure(d), fs::path("NEUVIEME") / "2025_Saint Je.txt");
    d.lieu.ville = "Béziers";
    d.reference_hebraique = true;
    d.annee_reference = 5785;
    EXPECT_EQ(chemin_dixieme_heure(d), fs::path("NEUVIEME") / "5785_Beziers.txt");
    d.sortie = Sortie::liste;
    EXPECT_EQ(chemin_dixieme_heure(d), fs::path("NEUVIEME") / "France.txt");
}

TEST(DixiemeHeure, JanvierAParisOctetPourOctet)
{
    platform::test_support::TemporaryDirectory dossier;
    const fs::path chemin = ecrit(dossier.path(), paris_dixieme());
    EXPECT_EQ(chemin, dossier.path() / "NEUVIEME" / "2025_PARIS 75.txt");
    orvane::test::compare_au_golden(orvane::test::octets_du_fichier(chemin), dossier_golden,
                                    "neuvieme_paris_2025_01.txt");
}

/// Seconds of a "hh:mm:ss" text.
int secondes(std::string_view t)
{
    EXPECT_EQ(t.size(), 8u) << t;
    int h = 0, m = 0, s = 0;
    if (t.size() == 8) {
        std::from_chars(t.data(), t.data() + 2, h);
        std::from_chars(t.data() + 3, t.data() + 5, m);
        std::from_chars(t.data() + 6, t.data() + 8, s);
    }
    return h * 3600 + m * 60 + s;
}

/// The cells of a line, between its tabs.
std::vector<std::string> cellules_de(std::string_view ligne)
{
    std::vector<std::string> c;
    std::size_t debut = 0;
    for (std::size_t tab = ligne.find('\t'); tab != std::string_view::npos;
         tab = ligne.find('\t', debut)) {
        c.emplace_back(ligne.substr(debut, tab - debut));
        debut = tab + 1;
    }
    c.emplace_back(ligne.substr(debut));
    return c;
}

TEST(DixiemeHeure, LeLeverPlusNeufHeuresSaisonnieresTouteLAnnee)
{
    // Every day of 2025 at Paris, with the seconds and the summer time: the
    // file's time is sunrise plus nine of the day's seasonal hours (each
    // rounded to its second: within 10 s), and the same as the table's own
    // column for that day.
    platform::test_support::TemporaryDirectory dossier;
    DemandeTable d = paris_dixieme();
    d.fin = {2025, 12, 31};
    d.ete_jour_par_jour = true;
    zmanim::ZmanimSettings reglages;
    reglages.affiche_secondes = true;
    Rangees table;
    const std::vector<std::string> fichier =
        lignes_du_fichier(ecrit(dossier.path(), d, reglages, &table));
    ASSERT_EQ(table.rangees.size(), 365u);
    ASSERT_EQ(fichier.size(), 4u + 365u);
    EXPECT_EQ(fichier[0], table.lignes[0]);
    EXPECT_EQ(fichier[1], "Début de la 10 ème heure");
    EXPECT_EQ(fichier[3], "2025 Date\t10e heure");
    std::size_t lever = 0, dixieme = 0, heure = 0;
    for (std::size_t i = 0; i < table.titres.size(); ++i) {
        const std::string_view jeton = colonnes()[table.titres[i].indice].jeton;
        lever = jeton == "heureL" ? i + 1 : lever;
        dixieme = jeton == "heureNV" ? i + 1 : dixieme;
        heure = jeton == "heure_saison_lc" ? i + 1 : heure;
    }
    ASSERT_TRUE(lever != 0 && dixieme != 0 && heure != 0);
    for (std::size_t j = 0; j < table.rangees.size(); ++j) {
        const RangeeTable& r = table.rangees[j];
        const std::vector<std::string> c = cellules_de(r.texte);
        const std::vector<std::string> f = cellules_de(fichier[4 + j]);
        ASSERT_EQ(f.size(), 2u) << fichier[4 + j];
        EXPECT_EQ(f[0], r.libelle);
        EXPECT_EQ(f[1], c[dixieme]);
        EXPECT_NEAR(secondes(f[1]), secondes(c[lever]) + 9 * secondes(c[heure]), 10) << r.texte;
    }
}

TEST(DixiemeHeure, LeFichierDUneVilleEstRemplaceCeluiDeLaListeComplete)
{
    platform::test_support::TemporaryDirectory dossier;
    DemandeTable d = paris_dixieme();
    d.fin = {2025, 1, 10};
    ecrit(dossier.path(), d);
    const fs::path ville = ecrit(dossier.path(), d);
    EXPECT_EQ(lignes_du_fichier(ville).size(), 4u + 10u); // once, not twice

    d.sortie = Sortie::liste;
    const fs::path liste = ecrit(dossier.path(), d);
    DemandeTable lyon = d;
    lyon.lieu = {"LYON (69)", "France", "45°45'N", "04°51'E", "+1"};
    EXPECT_EQ(ecrit(dossier.path(), lyon), liste);
    EXPECT_EQ(liste, dossier.path() / "NEUVIEME" / "France.txt");
    const std::vector<std::string> l = lignes_du_fichier(liste);
    ASSERT_EQ(l.size(), 2u * (4u + 10u));
    EXPECT_TRUE(l[0].starts_with("PARIS (75) (France)")) << l[0];
    EXPECT_TRUE(l[14].starts_with("LYON (69) (France)")) << l[14];
    // The list's title line is this file's, not the fixed one of the list pages.
    EXPECT_EQ(l[3], " Date\t10e heure");
    // Lyon is east of Paris: its tenth hour comes earlier on the same day.
    EXPECT_LT(cellules_de(l[18])[1], cellules_de(l[4])[1]);
}

TEST(DixiemeHeure, SansLaColonneLesHeuresSontVides)
{
    platform::test_support::TemporaryDirectory dossier;
    DemandeTable d = paris_janvier();
    d.fin = {2025, 1, 3};
    const std::vector<std::string> l = lignes_du_fichier(ecrit(dossier.path(), d));
    ASSERT_EQ(l.size(), 4u + 3u);
    EXPECT_EQ(l[3], " Date");
    EXPECT_TRUE(l[4].ends_with("\t--")) << l[4];
}

} // namespace
} // namespace orvane::tables
