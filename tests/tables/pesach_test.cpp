// The 'Hamets times: the days they fall on in every year of the lists, the
// blessing of the sun in each year of its cycle, the order of the limits
// under each method, and the files of 5785 (14 Nissan on a Sabbath) and
// 5797 (Birkat Ha'hama) byte for byte.
#include "golden_file.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "table_test_support.h"
#include "tables/pesach.h"

#include <gtest/gtest.h>

namespace orvane::tables
{
namespace
{

using namespace test;

/// "21:16" → minutes of the day.
int minutes(const std::string& t)
{
    return std::stoi(t.substr(0, 2)) * 60 + std::stoi(t.substr(3, 2));
}

ResultatHamets hamets_de(const places::Place& lieu, int annee, MethodeHamets m)
{
    DemandeTable d = paris_janvier();
    d.lieu = lieu;
    d.ete_jour_par_jour = true;
    return calcule_hamets(d, {}, environnement(), jours_du_hamets(annee), m);
}

const places::Place paris{"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
const places::Place marseille{"MARSEILLE (13)", "France", "43°18'N", "05°24'E", "+1"};
const places::Place strasbourg{"STRASBOURG (67)", "France", "48°35'N", "07°45'E", "+1"};

TEST(JoursDuHamets, DansChaqueAnneeDesListes)
{
    for (int a = 5750; a <= 5860; ++a) {
        const JoursHamets j = jours_du_hamets(a);
        EXPECT_EQ(engine::hebraique_du_civil(j.veille), engine::DateHebraique(a, 8, 14));
        const int veille = engine::jour_semaine(j.veille);
        EXPECT_EQ(j.veille_chabbat, veille == 7);
        const int recherche = engine::jour_semaine(j.recherche);
        EXPECT_GE(recherche, 1);
        EXPECT_LE(recherche, 5) << a; // Sunday to Thursday evening
        if (j.veille_chabbat) {
            EXPECT_EQ(recherche, 5) << a;
            EXPECT_EQ(engine::hebraique_du_civil(j.recherche), engine::DateHebraique(a, 8, 12));
            EXPECT_EQ(engine::jour_semaine(j.vendredi), 6);
        } else {
            EXPECT_EQ(engine::hebraique_du_civil(j.recherche), engine::DateHebraique(a, 8, 13));
        }
    }
    // 5785: Thursday 10 April 2025, Friday 11, Sabbath 12.
    const JoursHamets j = jours_du_hamets(5785);
    EXPECT_EQ(j.recherche, engine::DateCivile(2025, 4, 10));
    EXPECT_EQ(j.vendredi, engine::DateCivile(2025, 4, 11));
    EXPECT_TRUE(j.veille_chabbat);
}

TEST(JoursDuHamets, BirkatHahamaChaqueAnneeDuCycle)
{
    EXPECT_EQ(jours_du_hamets(5769).birkat_hahama, engine::DateCivile(2009, 4, 8));
    EXPECT_EQ(jours_du_hamets(5797).birkat_hahama, engine::DateCivile(2037, 4, 8));
    for (int a = 5000; a <= 6500; ++a) {
        const auto b = jours_du_hamets(a).birkat_hahama;
        EXPECT_EQ(b.has_value(), a % 28 == 1) << a;
        if (b) {
            // The season of Nissan on a Tuesday evening: the blessing on Wednesday.
            EXPECT_EQ(engine::jour_semaine(*b), 4) << a;
        }
    }
}

TEST(HorairesDuHamets, LOrdreDesLimitesSelonChaqueMethode)
{
    for (int a : {5785, 5786, 5787, 5790, 5797}) {
        for (MethodeHamets m :
             {MethodeHamets::beth_din, MethodeHamets::gaon, MethodeHamets::rabbenou_tam}) {
            const ResultatHamets r = hamets_de(paris, a, m);
            ASSERT_TRUE(r.complet) << a;
            const HorairesHamets& h = r.horaires;
            EXPECT_LT(minutes(h.consommer), minutes(h.posseder)) << a;
            EXPECT_LT(minutes(h.posseder), minutes(h.fin_neuvieme)) << a;
            EXPECT_LT(minutes(h.fin_neuvieme), minutes(h.matsa)) << a;
            EXPECT_GT(minutes(h.recherche), 20 * 60) << a; // after sunset in spring
        }
    }
    // The Gaon's day from sunrise to sunset is shorter than the Beth-Din's
    // from dawn: its fourth hour ends later in the morning.
    EXPECT_GT(minutes(hamets_de(paris, 5786, MethodeHamets::gaon).horaires.consommer),
              minutes(hamets_de(paris, 5786, MethodeHamets::beth_din).horaires.consommer));
    // Rabbénou Tam's day ends later than the Beth-Din's: its hours are longer.
    EXPECT_GT(minutes(hamets_de(paris, 5786, MethodeHamets::rabbenou_tam).horaires.fin_neuvieme),
              minutes(hamets_de(paris, 5786, MethodeHamets::beth_din).horaires.fin_neuvieme));
}

class FichiersDuHamets : public ::testing::Test
{
protected:
    void ville(int annee, const places::Place& lieu)
    {
        const JoursHamets j = jours_du_hamets(annee);
        const ResultatHamets r = hamets_de(lieu, annee, MethodeHamets::beth_din);
        ASSERT_TRUE(r.complet);
        ajoute_au_fichier(fichier_hamets(dossier_.path(), j, lieu.ville, false),
                          bloc_hamets(j, r.horaires, lieu.ville));
    }
    void liste(int annee)
    {
        const JoursHamets j = jours_du_hamets(annee);
        std::vector<std::string> lignes = entete_liste_hamets(j);
        for (const places::Place& p : {paris, marseille, strasbourg}) {
            const ResultatHamets r = hamets_de(p, annee, MethodeHamets::beth_din);
            ASSERT_TRUE(r.complet);
            lignes.push_back(ligne_liste_hamets(j, r.horaires, p.ville));
        }
        ajoute_au_fichier(fichier_hamets(dossier_.path(), j, "", true), lignes);
    }
    std::string octets(const std::filesystem::path& relatif) const
    {
        return orvane::test::octets_du_fichier(dossier_.path() / relatif);
    }
    platform::test_support::TemporaryDirectory dossier_;
};

TEST_F(FichiersDuHamets, Annee5785QuatorzeNissanUnChabbat)
{
    ville(5785, paris);
    ville(5785, paris); // the file is added to, one block per computation
    liste(5785);
    orvane::test::compare_au_golden(octets("HAMETS/2025/PARIS 75.txt"), dossier_golden,
                                    "hamets_5785_paris.txt");
    const std::string l = octets("HAMETS/2025/France.txt");
    orvane::test::compare_au_golden(l, dossier_golden, "hamets_5785_liste.txt");
    const std::string texte = platform::read_text(dossier_.path() / "HAMETS/2025/France.txt");
    EXPECT_NE(texte.find("Fin 9e heure\tMotsaé\r\n"), std::string::npos);
    EXPECT_NE(platform::read_text(dossier_.path() / "HAMETS/2025/PARIS 75.txt")
                  .find("étoiles du Jeudi 10 Avril 2025"),
              std::string::npos);
}

TEST_F(FichiersDuHamets, Annee5797BirkatHahama)
{
    ville(5797, paris);
    liste(5797);
    const std::string v = octets("HAMETS/2037/PARIS 75.txt");
    orvane::test::compare_au_golden(v, dossier_golden, "hamets_5797_paris.txt");
    EXPECT_NE(v.find("BIRKAT HA'HAMA ce Mercredi 8 avril"), std::string::npos);
    const std::string l = octets("HAMETS/2037/France.txt");
    orvane::test::compare_au_golden(l, dossier_golden, "hamets_5797_liste.txt");
    EXPECT_NE(l.find("Birkat Ha'hama\tBirkat Ha'hama"), std::string::npos);
}

TEST(FichiersDuHametsNoms, UnNomDeVilleSur)
{
    const JoursHamets j = jours_du_hamets(5785);
    EXPECT_EQ(fichier_hamets("/p", j, "../../etc/passwd", false),
              std::filesystem::path("/p/HAMETS/2025/etc pass.txt"));
    EXPECT_EQ(fichier_hamets("/p", j, "A/B\\C", false),
              std::filesystem::path("/p/HAMETS/2025/A B C.txt"));
    EXPECT_EQ(fichier_hamets("/p", j, "...", false),
              std::filesystem::path("/p/HAMETS/2025/ville.txt"));
    EXPECT_EQ(fichier_hamets("/p", j, "", true),
              std::filesystem::path("/p/HAMETS/2025/France.txt"));
}

} // namespace
} // namespace orvane::tables
