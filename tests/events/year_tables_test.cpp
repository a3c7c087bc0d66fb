// Tables of year types, cycles and series, the year-type window text and
// the glossary entries.

#include "engine/calendar_engine.h"
#include "events/glossary_entry.h"
#include "events/years/series_table.h"
#include "events/years/year_tables.h"
#include "events/years/year_type_text.h"
#include "platform/file_error.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include "../platform/temporary_directory.h"

#include <gtest/gtest.h>

namespace orvane::events
{
namespace
{

using engine::CalendarEngine;

TEST(TableauDeTypes, LignesDe5785Et5784)
{
    EXPECT_EQ(
        ligne_tableau_de_types(5785),
        "      5785   HA CHA A    Jeudi      30  30     29   -    Dimanche   Commune      9    "
        "17     355 j");
    EXPECT_EQ(
        ligne_tableau_de_types(5784),
        "      5784   ZA 'HA G    Chabbat    29  29     30  29    Mardi      Embolism     8    "
        "16     383 j");
    const auto t = tableau_de_types(5785, 30, 1);
    ASSERT_EQ(t.size(), 4u + 30u);
    EXPECT_EQ(t[0], "      CARACTERISTIQUES DES ANNEES");
    EXPECT_EQ(t[4], ligne_tableau_de_types(5785));
    // The rows stop at the bounds of the years.
    EXPECT_EQ(tableau_de_types(214998, 10, 1).size(), 4u + 2u);
    EXPECT_EQ(tableau_de_types(5, 10, -2).size(), 4u + 3u);
}

TEST(TypesDesAnnees, GrilleDeDixAnnees)
{
    EXPECT_EQ(premiere_annee_grille(5785), 5681);
    const auto g = types_des_annees(5681, 5880);
    ASSERT_EQ(g.size(), 7u + 20u);
    EXPECT_EQ(g[0], "       " + std::string(45, '=') + "h\"b===");
    EXPECT_EQ(g[1], "        TYPE DES ANNEES   5681  A  5880");
    EXPECT_EQ(g[6], " ");
    // Right to left: the first year's number at the right end, its sign just before.
    EXPECT_TRUE(g[7].ends_with("\t5681")) << g[7];
    EXPECT_EQ(g[7].rfind("       ", 0), 0u);
    EXPECT_EQ(std::count(g[7].begin(), g[7].end(), '\t'), 10);

    const auto h = types_des_annees(5685, 5880);
    ASSERT_EQ(h.size(), 7u + 20u);
    EXPECT_TRUE(h[7].ends_with("\t5685"));
    // The last row, 5875 to 5880, is written without the margin.
    EXPECT_TRUE(h.back().ends_with("\t5875"));
    EXPECT_EQ(std::count(h.back().begin(), h.back().end(), '\t'), 6);
    EXPECT_NE(h.back().front(), ' ');
}

TEST(CyclesEtSeries, ListeEtTableau)
{
    const auto l = liste_cycles_series(60);
    EXPECT_EQ(l[3], "        1\t1  \t  10\tLundi       5  heures  204 hal   ");
    EXPECT_EQ(l.size(), 3u + 316u); // first years 1, 20, … up to 6000
    const auto t = tableau_cycles_series(1, 6119);
    ASSERT_EQ(t.size() % 4, 0u);
    EXPECT_EQ(t[0].substr(0, 26), "      Années 1    20   39");
    EXPECT_EQ(t[2].substr(0, 26), "      Séries 10   32   56");
    EXPECT_TRUE(tableau_cycles_series(100, 100).empty());
}

TEST(SoixanteEtUneSeries, LignesDeDroiteAGauche)
{
    EXPECT_EQ(ligne_de_droite_a_gauche("A  B  C"), " C  " + std::string(" B ") + "A ");
    EXPECT_EQ(ligne_de_droite_a_gauche("sans"), "sans  ");
}

TEST(SoixanteEtUneSeries, RechercheEtFichier)
{
    int appels = 0;
    const auto arrete = calcule_61_series([&](int, int, int) { return ++appels < 3; });
    EXPECT_TRUE(arrete.empty());

    platform::test_support::TemporaryDirectory dir;
    int dernier = 0;
    const Series s = lit_ou_calcule_series(dir.path(), [&](int pourcent, int, int) {
        dernier = pourcent;
        return true;
    });
    EXPECT_FALSE(s.du_fichier);
    ASSERT_EQ(s.lignes.size(), 60u); // series 58 does not occur before year 213846
    EXPECT_GT(dernier, 90);
    EXPECT_NE(s.lignes[0].find("\t191\t"), std::string::npos) << s.lignes[0];
    EXPECT_NE(s.lignes[9].find("\t1\t"), std::string::npos) << s.lignes[9]; // series 10: year 1
    const Series relue = lit_ou_calcule_series(dir.path());
    EXPECT_TRUE(relue.du_fichier);
    EXPECT_EQ(relue.lignes, s.lignes);
    // The name of the file does not depend on case.
    std::filesystem::rename(dir.path() / "Iserie.dta", dir.path() / "ISERIE.DTA");
    EXPECT_TRUE(lit_ou_calcule_series(dir.path()).du_fichier);
    const auto texte = texte_61_series(relue.lignes);
    EXPECT_EQ(platform::char_count(texte[0]), 163u);
    EXPECT_EQ(texte.size(), 4u + 60u + 4u);
    EXPECT_EQ(texte[2].substr(0, 10), "   19     ");
}

TEST(TexteTypeAnnee, Annee5785)
{
    const TexteTypeAnnee t = texte_type_annee(5785, 2025);
    ASSERT_EQ(t.lignes.size(), 17u);
    EXPECT_EQ(t.lignes[1], "    Type / caractéristiques de l'année juive (Simane de l'année)");
    EXPECT_EQ(t.lignes[2], "    Année hébraïque : 5785    Année civile : 2025");
    EXPECT_EQ(t.lignes[0], "    " + std::string(55, '=') + "B\"H==");
    EXPECT_EQ(t.lignes[3], "    " + std::string(60, '='));
    EXPECT_EQ(t.lignes[5], "    L'Année 5785 est du type HA CHA A :");
    EXPECT_EQ(t.lignes[6], "\t  Une année commune : 12 mois ===> 355 jours");
    EXPECT_EQ(t.lignes[11], "    C'est la 9e  année du 305e cycle lunaire");
    EXPECT_EQ(t.lignes[12], "          la 17e année du 207e cycle solaire");
    EXPECT_EQ(t.lignes[14], "          la 9e  année de la série n° 61");
    EXPECT_EQ(t.lignes[16], "    L'année 5785 Correspond à 2024 / 2025 du calendrier civil.");
    EXPECT_EQ(t.texte_nature, "(5785 est une année commune)");
    EXPECT_EQ(t.signe_hebreu, "ach");
    EXPECT_EQ(t.mot_hebreu, "hfwcp");
    EXPECT_EQ(nom_fichier_type(5785), "TYPE_5785.txt");
    const auto imprime = lignes_a_imprimer_type(t.lignes);
    EXPECT_EQ(imprime.size(), 4u + 16u);
    EXPECT_EQ(imprime[4], "        " + t.lignes[1]);
}

TEST(TexteTypeAnnee, AnneesAutourDeLAnZero)
{
    EXPECT_EQ(texte_type_annee(3761, 1).correspondance,
              "    L'année 3761 Correspond à -1 / 1 du calendrier civil.");
    EXPECT_EQ(texte_type_annee(3760, -1).correspondance,
              "    L'année 3760 Correspond à -2 / -1 du calendrier civil.");
    EXPECT_EQ(texte_type_annee(3762, 2).correspondance,
              "    L'année 3762 Correspond à 1 / 2 du calendrier civil.");
    // Far years still have a type (64-bit molad arithmetic).
    EXPECT_EQ(texte_type_annee(999999, 996239).lignes.size(), 17u);
}

TEST(Glossaire, EntreeDuTypeDeLAnnee)
{
    const std::vector<std::string> fichier = {
        "@@Calendrier@", "@Molad@\tLa conjonction", "Texte du molad", "@Type de l'année@",
        "Ligne 1",       "@Autre paragraphe",       "Ligne 2",        "fin @ ici",
        "Ligne 3"};
    const auto entree = entree_glossaire(fichier, cle_glossaire_type);
    ASSERT_TRUE(entree.has_value());
    EXPECT_EQ(*entree, (std::vector<std::string>{"@Type de l'année", "Ligne 1", "Ligne 2"}));
    EXPECT_FALSE(entree_glossaire(fichier, "Absent").has_value());
    const std::vector<std::string> souligne = {"@Cycle solaire@", "a", "___", "b"};
    EXPECT_EQ(entree_glossaire(souligne, "Cycle solaire@", true)->size(), 2u);
}

// The glossary button of every window: the entry of the program
// directory's file, whatever the case of its name, or the message naming
// the missing key; an unreadable file is an error, never an empty entry.
TEST(Glossaire, LignesDuBoutonDesFenetres)
{
    platform::test_support::TemporaryDirectory dir;
    platform::write_lines(dir / "GLOSSAIR.DTA", {"@Fêtes@", "Les fêtes de l'année", "@Fin@"});
    EXPECT_EQ(lignes_du_glossaire(dir.path(), cle_glossaire_fetes),
              (std::vector<std::string>{"@Fêtes", "Les fêtes de l'année"}));
    EXPECT_EQ(lignes_du_glossaire(dir.path(), cle_glossaire_type),
              (std::vector<std::string>{message_glossaire_absent(cle_glossaire_type)}));
    std::filesystem::remove(dir / "GLOSSAIR.DTA");
    EXPECT_THROW((void)lignes_du_glossaire(dir.path(), cle_glossaire_fetes), platform::FileError);
}

} // namespace
} // namespace orvane::events
