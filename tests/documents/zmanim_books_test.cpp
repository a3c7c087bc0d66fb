// The books of zmanim tables: a book of the first 85 cities of the delivered
// "villefr.cal" split into groups of 40 (zemani1, zemani2, zemanif), read
// back by a splitter of our own as CR LF lines of Windows-1252; the last
// group byte for byte with its golden file, the others by a digest of their
// bytes; the plaque lists of "villepl.cal"; the columns of each layout; the
// lines passed over, a refused city, an interrupted run, a missing list.
#include "document_files.h"
#include "documents/zmanim_books.h"
#include "places/places.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace orvane::documents
{
namespace
{

using namespace test;
namespace fs = std::filesystem;

/// The lines of a file split at CR LF by hand, still as bytes.
std::vector<std::string> lignes_crlf(const fs::path& fichier)
{
    const std::string o = octets(fichier);
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    for (std::size_t fin = o.find("\r\n"); fin != std::string::npos; fin = o.find("\r\n", debut)) {
        lignes.push_back(o.substr(debut, fin - debut));
        debut = fin + 2;
    }
    EXPECT_EQ(debut, o.size()) << fichier << " does not end with CR LF";
    return lignes;
}

/// 64-bit FNV-1a of the bytes: a digest stable everywhere.
std::uint64_t empreinte(const std::string& octets)
{
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : octets) {
        h = (h ^ c) * 1099511628211ull;
    }
    return h;
}

/// The lines of a delivered list, as bytes.
std::vector<std::string> lignes_livrees(std::string_view liste)
{
    return lignes_crlf(donnees_livrees / std::string(liste));
}

void ecrit_octets(const fs::path& chemin, const std::vector<std::string>& lignes)
{
    std::ofstream f(chemin, std::ios::binary);
    for (const std::string& l : lignes) {
        f << l << "\r\n";
    }
}

/// The place lines of a book (the city, " - ", then the coordinates).
std::vector<std::string> lignes_de_lieu(const fs::path& fichier)
{
    std::vector<std::string> villes;
    for (const std::string& l : lignes_crlf(fichier)) {
        if (l.find(" -    Latitude : ") != std::string::npos) {
            villes.push_back(l.substr(0, l.find(" -    Latitude : ")));
        }
    }
    return villes;
}

/// The city field of a list line, up to its tab.
std::string ville_de(const std::string& ligne)
{
    return ligne.substr(0, ligne.find('\t'));
}

class LivreDeVilles : public ::testing::Test
{
protected:
    platform::test_support::TemporaryDirectory dir;
    zmanim::ZmanimSettings reglages;
    tables::EnvironnementTable env = environnement();

    static tables::EnvironnementTable environnement()
    {
        tables::EnvironnementTable e;
        e.tables_ete = &tables_livrees();
        return e;
    }

    RapportLivre livre(tables::MiseEnPage m, const ProgresVilles& progres = {})
    {
        tables::DemandeTable modele;
        return livre_des_villes(dir.path(), demande_livre(modele, m, 2025), reglages, env, progres);
    }
    fs::path fichier(std::string_view nom) const { return dir.path() / std::string(nom); }
};

TEST_F(LivreDeVilles, QuatreVingtCinqVillesEnTroisFichiers)
{
    std::vector<std::string> liste = lignes_livrees("villefr.cal");
    ASSERT_GE(liste.size(), 85u);
    liste.resize(85);
    ecrit_octets(fichier("villefr.cal"), liste);
    const RapportLivre r = livre(tables::MiseEnPage::livre);
    EXPECT_FALSE(r.liste_absente);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(r.villes, 85);
    ASSERT_EQ(r.groupes.size(), 3u);
    EXPECT_EQ(r.groupes[0].chemin, fichier("zemani1.txt"));
    EXPECT_EQ(r.groupes[1].chemin, fichier("zemani2.txt"));
    EXPECT_EQ(r.groupes[2].chemin, fichier("zemanif.txt"));
    EXPECT_EQ(r.groupes[0].villes, 40);
    EXPECT_EQ(r.groupes[1].villes, 40);
    EXPECT_EQ(r.groupes[2].villes, 5);

    // The cities of the files, in list order, each once.
    std::vector<std::string> villes;
    for (std::string_view nom : {"zemani1.txt", "zemani2.txt", "zemanif.txt"}) {
        const std::vector<std::string> v = lignes_de_lieu(fichier(nom));
        villes.insert(villes.end(), v.begin(), v.end());
    }
    ASSERT_EQ(villes.size(), 85u);
    for (std::size_t i = 0; i < villes.size(); ++i) {
        EXPECT_EQ(villes[i], ville_de(liste[i])) << i;
    }
    // Every city has one row every fifth day of the year: 1, 6, … 361.
    const std::vector<std::string> l = lignes_crlf(fichier("zemani1.txt"));
    const std::size_t par_ville = l.size() / 40;
    EXPECT_EQ(l.size(), 40 * par_ville);
    EXPECT_EQ(par_ville, 5u + 73u); // place, note, blank, empty, titles; the rows
    EXPECT_EQ(l[5].rfind("M 01Ja01Te \t", 0), 0u) << l[5];
    EXPECT_EQ(platform::read_lines(fichier("zemani1.txt"))[77].rfind("C 27Dé07Te \t", 0), 0u);

    compare_au_golden(fichier("zemanif.txt"), "zmanim_livre_zemanif_2025.txt");
    EXPECT_EQ(empreinte(octets(fichier("zemani1.txt"))), 14778613769206827891ull)
        << "zemani1.txt changed";
    EXPECT_EQ(empreinte(octets(fichier("zemani2.txt"))), 9572548073172644632ull)
        << "zemani2.txt changed";

    EXPECT_TRUE(fs::is_directory(fichier("LIVRE")));
    EXPECT_EQ(octets(fichier("zemanim.txt")), ""); // the work file, emptied by the moves
    EXPECT_FALSE(fs::exists(fichier("zemanim.tmp")));
}

TEST_F(LivreDeVilles, LesColonnesDeChaqueLivre)
{
    ecrit_octets(fichier("villefr.cal"), {lignes_livrees("villefr.cal").front()});
    auto titres = [this](tables::MiseEnPage m) {
        (void)livre(m);
        return platform::read_lines(fichier("zemanif.txt")).at(4);
    };
    EXPECT_EQ(titres(tables::MiseEnPage::livre),
              " Date\t Aube\tDébut\tL. sol\tChéma.1\tChéma.2\tTéphi.1\tTéphi.2\tMi-jour\tMin.Gué\t"
              " Plag\tEnt Ch\tC.sol\tEtoiles7.08\tSort Ch");
    reglages = {};
    const std::string rt = titres(tables::MiseEnPage::livre_rt);
    EXPECT_NE(rt.find("\tDébut\t72 min\tL. sol\tChéma.1\tChéma72\tChéma.2\t"), std::string::npos)
        << rt;
    EXPECT_NE(rt.find("\tSort Ch\t Nuit\tnuit 16"), std::string::npos) << rt;
    EXPECT_EQ(rt.find("Min.Két"), std::string::npos) << rt;
}

TEST_F(LivreDeVilles, LesPlaquesDixVillesParFichierChaqueJour)
{
    const std::vector<std::string> liste = lignes_livrees("villepl.cal");
    ecrit_octets(fichier("villepl.cal"), liste);
    const RapportLivre r = livre(tables::MiseEnPage::plaque_chema);
    ASSERT_EQ(r.groupes.size(), liste.size() / 10 + 1);
    EXPECT_EQ(r.groupes.back().villes, static_cast<int>(liste.size() % 10));
    const std::vector<std::string> l = lignes_crlf(fichier("zemani1.txt"));
    ASSERT_EQ(l.size(), 10u * (5u + 365u));
    EXPECT_EQ(l[0], ville_de(liste[0])); // the city alone
    const std::string titres = platform::read_lines(fichier("zemani1.txt")).at(4);
    EXPECT_NE(titres.find("\tMin.Két\t Plag\tEnt Ch\tC.sol\tEtoiles7.08\tEt.Chéma\tSort Ch\t Nuit"),
              std::string::npos)
        << titres;
    EXPECT_EQ(titres.find("2ePlag"), std::string::npos);
}

TEST_F(LivreDeVilles, LesQuatreFichiersDesPlaques)
{
    // Four years in a row, the first ten cities of each kept under its letter.
    const std::vector<std::string> liste = lignes_livrees("villepl.cal");
    ecrit_octets(fichier("villepl.cal"),
                 std::vector<std::string>(liste.begin(), liste.begin() + 3));
    tables::DemandeTable modele;
    const std::vector<fs::path> f = fichiers_des_plaques(
        dir.path(), modele, tables::MiseEnPage::plaque_sans_chema, 2025, reglages, env);
    ASSERT_EQ(f.size(), 4u);
    const std::vector<std::string> noms{"ZEMANI1A.txt", "ZEMANI1B.txt", "ZEMANI1C.txt",
                                        "ZEMANI1D.txt"};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(f[k].filename(), noms[k]);
        const std::vector<std::string> l = lignes_crlf(f[k]);
        // Three cities of 5 lines and a row per day of the year (2028 has 366).
        EXPECT_EQ(l.size(), 3u * (5u + (k == 3 ? 366u : 365u))) << noms[k];
    }
}

TEST_F(LivreDeVilles, LignesPasseesEtVilleRefusee)
{
    const std::vector<std::string> livrees = lignes_livrees("villefr.cal");
    ecrit_octets(fichier("villefr.cal"), {livrees[0],
                                          " \t\tFrance\t48\xb0"
                                          "52'N\t02\xb0"
                                          "20'E\t+1",
                                          "SANS LATITUDE\t\tFrance\t\t02\xb0"
                                          "20'E\t+1",
                                          "FAUSSE\t\tFrance\t48\xb0"
                                          "52'X\t02\xb0"
                                          "20'E\t+1",
                                          livrees[1]});
    const RapportLivre r = livre(tables::MiseEnPage::livre);
    EXPECT_EQ(r.villes, 3);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].rfind("FAUSSE : ", 0), 0u) << r.messages[0];
    const std::vector<std::string> villes = lignes_de_lieu(fichier("zemanif.txt"));
    EXPECT_EQ(villes,
              (std::vector<std::string>{ville_de(livrees[0]), "FAUSSE", ville_de(livrees[1])}));
}

TEST_F(LivreDeVilles, UneInterruptionFermeLeGroupeEnCours)
{
    ecrit_octets(fichier("villefr.cal"), lignes_livrees("villefr.cal"));
    const RapportLivre r =
        livre(tables::MiseEnPage::livre, [](long faites, long) { return faites < 45; });
    EXPECT_TRUE(r.interrompu);
    ASSERT_EQ(r.groupes.size(), 2u);
    EXPECT_EQ(lignes_de_lieu(fichier("zemani1.txt")).size(), 40u);
    EXPECT_EQ(lignes_de_lieu(fichier("zemanif.txt")).size(), 5u);
    EXPECT_FALSE(fs::exists(fichier("zemani2.txt")));
}

TEST_F(LivreDeVilles, SansListeRienNEstEcrit)
{
    const RapportLivre r = livre(tables::MiseEnPage::livre);
    EXPECT_TRUE(r.liste_absente);
    EXPECT_TRUE(r.groupes.empty());
    EXPECT_FALSE(fs::exists(fichier("zemanif.txt")));
    EXPECT_FALSE(fs::exists(fichier("LIVRE")));
}

TEST(PreparationDesPublications, LesCasesDesLivresEtDesPlaques)
{
    zmanim::ZmanimSettings r;
    prepare_moments_publication(r, tables::MiseEnPage::tableau);
    for (std::size_t i : {9u, 12u, 17u, 18u}) {
        EXPECT_FALSE(r.moments[i]) << i;
    }
    EXPECT_TRUE(r.moments[16]);
    prepare_moments_publication(r, tables::MiseEnPage::livre);
    EXPECT_FALSE(r.moments[16]);
    zmanim::ZmanimSettings p;
    prepare_moments_publication(p, tables::MiseEnPage::plaque_sans_chema);
    EXPECT_TRUE(p.moments[9]);
    EXPECT_FALSE(p.moments[12]);
    EXPECT_FALSE(p.moments[17]);
    EXPECT_EQ(nom_fichier_groupe('z', 2, "txt"), "zemani2.txt");
    EXPECT_EQ(nom_fichier_groupe('w', 0, "htm"), "wemanif.htm");
}

} // namespace
} // namespace orvane::documents
