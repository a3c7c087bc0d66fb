// The times of one day for a list of cities ("villactu.cal"): the delivered
// list on fixed dates against golden files (the window's "cal_exl.txt"),
// the order of the five notice-board times for every city, the name without
// its parenthesised part, and each city computed on its own: a polar day or
// a refused city never shows the times of the city before it.
#include "golden_file.h"
#include "places/places.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "table_test_support.h"
#include "tables/day_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::tables
{
namespace
{

using test::donnees_livrees;
using test::dossier_golden;
using test::environnement;

std::vector<places::Place> villactu()
{
    return places::lit_fichier_lieux(donnees_livrees, liste_villes_du_jour).lieux;
}

std::vector<std::string> champs(const std::string& ligne)
{
    std::vector<std::string> c;
    std::size_t debut = 0;
    for (std::size_t tab = ligne.find('\t'); tab != std::string::npos;
         tab = ligne.find('\t', debut)) {
        c.push_back(ligne.substr(debut, tab - debut));
        debut = tab + 1;
    }
    c.push_back(ligne.substr(debut));
    return c;
}

int minutes(const std::string& hh_mm)
{
    return std::stoi(hh_mm.substr(0, 2)) * 60 + std::stoi(hh_mm.substr(3, 2));
}

ListeDuJour liste(const std::vector<places::Place>& villes, engine::DateCivile date,
                  bool actuj = false)
{
    DemandeListeDuJour d;
    d.date = date;
    d.actuj = actuj;
    zmanim::ZmanimSettings reglages;
    return liste_du_jour_des_villes(villes, d, reglages, environnement());
}

TEST(ListeDuJour, LaVilleSansSaPartieEntreParentheses)
{
    struct Cas {
        std::string_view ville, attendue;
    };
    for (const Cas& c : std::vector<Cas>{
             {"PARIS (75)", "PARIS "},
             {"NEUILLY (92) SUR SEINE", "NEUILLY SUR SEINE"},
             {"(75)", ""},
             {"Bruxelles", "Bruxelles"},
             {"SANS FIN (75", "SANS FIN (75"}, // no closing parenthesis: kept whole
             {"A) ET (B", "A) ET (B"},         // no closing one after the opening one
             {"SANS DEBUT 75)", "SANS DEBUT 75)"},
         }) {
        EXPECT_EQ(ville_sans_parenthese(c.ville), c.attendue) << c.ville;
    }
}

TEST(ListeDuJour, LaListeLivreeUnJourDHiver)
{
    platform::test_support::TemporaryDirectory dir;
    const ListeDuJour l = liste(villactu(), {2025, 1, 15});
    EXPECT_TRUE(l.messages.empty());
    ASSERT_EQ(l.lignes.size(), villactu().size() + 1);
    EXPECT_EQ(l.lignes[0].rfind("Mercredi 15 Janvier 2025\tAube : Cha'har            \t", 0), 0u)
        << l.lignes[0];
    ecrit_liste_du_jour(dir.path(), l);
    orvane::test::compare_au_golden(
        orvane::test::octets_du_fichier(dir.path() / std::string(nom_fichier_liste_du_jour)),
        dossier_golden, "villactu_2025_01_15.txt");
}

TEST(ListeDuJour, ActujUnChabbatDEte)
{
    platform::test_support::TemporaryDirectory dir;
    const ListeDuJour l = liste(villactu(), {2025, 6, 21}, true);
    ASSERT_FALSE(l.lignes.empty());
    EXPECT_EQ(l.lignes[0], "Chabbat 21 Juin 2025\tDébut des Téphilin /Chéma \tLever du soleil : "
                           "Nets    \tEntrée du Chabbat         \tCoucher du soleil : "
                           "Chekia\tSortie du Chabbat         ");
    ecrit_liste_du_jour(dir.path(), l);
    orvane::test::compare_au_golden(
        orvane::test::octets_du_fichier(dir.path() / std::string(nom_fichier_liste_du_jour)),
        dossier_golden, "villactu_actuj_2025_06_21.txt");
}

// Every city of the list on the first day of each month of a year: the
// city and five times, the tefillin before sunrise, the entry before sunset
// and the exit after it.
TEST(ListeDuJour, ActujCinqHeuresDansLOrdrePourChaqueVille)
{
    for (int mois = 1; mois <= 12; ++mois) {
        const ListeDuJour l = liste(villactu(), {2025, mois, 1}, true);
        for (std::size_t i = 1; i < l.lignes.size(); ++i) {
            const std::vector<std::string> c = champs(l.lignes[i]);
            ASSERT_EQ(c.size(), 6u) << l.lignes[i];
            for (std::size_t k = 1; k < c.size(); ++k) {
                ASSERT_EQ(c[k].size(), 5u) << l.lignes[i];
                EXPECT_EQ(c[k][2], ':') << l.lignes[i];
            }
            EXPECT_LT(minutes(c[1]), minutes(c[2])) << l.lignes[i];
            EXPECT_LT(minutes(c[3]), minutes(c[4])) << l.lignes[i];
            EXPECT_LT(minutes(c[4]), minutes(c[5])) << l.lignes[i];
            EXPECT_EQ(c[0].find('('), std::string::npos) << l.lignes[i];
        }
    }
}

// The times of a polar city are its polar message, whichever city comes
// before it, and the city after it has its own times again.
TEST(ListeDuJour, UnJourPolaireNeMontreQueSonMessage)
{
    const places::Place paris{"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
    const places::Place tromso{"TROMSO", "Norvège", "69°40'N", "18°56'E", "+1"};
    const ListeDuJour seule = liste({paris}, {2025, 6, 21});
    const ListeDuJour l = liste({paris, tromso, paris}, {2025, 6, 21});
    ASSERT_EQ(l.lignes.size(), 4u);
    EXPECT_EQ(l.lignes[1], seule.lignes[1]);
    EXPECT_EQ(l.lignes[2], "TROMSO\tLe soleil est toujours au-dessus de l'horizon") << l.lignes[2];
    EXPECT_EQ(l.lignes[3], seule.lignes[1]);
}

TEST(ListeDuJour, UneVilleRefuseeDonneSonMessageEtLaListeContinue)
{
    const places::Place paris{"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
    const places::Place fausse{"FAUSSE", "France", "48°52'X", "02°20'E", "+1"};
    const ListeDuJour seule = liste({paris}, {2025, 3, 1});
    const ListeDuJour l = liste({paris, fausse, paris}, {2025, 3, 1});
    ASSERT_EQ(l.lignes.size(), 4u);
    ASSERT_EQ(l.messages.size(), 1u);
    EXPECT_EQ(l.messages[0].rfind("FAUSSE : ", 0), 0u) << l.messages[0];
    // The message in place of the times.
    EXPECT_EQ(l.lignes[2], "FAUSSE\t" + l.messages[0].substr(std::string("FAUSSE : ").size()));
    EXPECT_NE(l.lignes[2].find("Nord (N) ou Sud (S)"), std::string::npos) << l.lignes[2];
    EXPECT_EQ(l.lignes[3], seule.lignes[1]);
}

TEST(ListeDuJour, LesLignesIncompletesSontPassees)
{
    const places::Place paris{"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
    const ListeDuJour l = liste({{" ", "France", "48°52'N", "02°20'E", "+1"},
                                 {"SANS LAT", "France", "", "02°20'E", "+1"},
                                 {"SANS LON", "France", "48°52'N", " ", "+1"},
                                 {"SANS GMT", "France", "48°52'N", "02°20'E", ""},
                                 paris},
                                {2025, 3, 1});
    ASSERT_EQ(l.lignes.size(), 2u);
    EXPECT_EQ(l.lignes[1].rfind("PARIS \t", 0), 0u);
}

TEST(ListeDuJour, ActujNeGardeQueCinqCases)
{
    zmanim::ZmanimSettings r;
    reduit_aux_moments_actuj(r);
    std::vector<std::size_t> cochees;
    for (std::size_t i = 0; i < r.moments.size(); ++i) {
        if (r.moments[i]) {
            cochees.push_back(i);
        }
    }
    EXPECT_EQ(cochees, (std::vector<std::size_t>{1, 2, 11, 13, 15}));
}

} // namespace
} // namespace orvane::tables
