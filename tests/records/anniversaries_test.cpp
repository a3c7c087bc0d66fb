// The next anniversaries of a Hebrew date: the record window's list and the
// main window's "Prochains anniversaires civils".

#include "records/anniversaries.h"
#include "records/carrying.h"
#include "reference_calendar.h"

#include <gtest/gtest.h>

namespace orvane::records
{
namespace
{

namespace ref = orvane::reference;
using engine::DateCivile;
using engine::DateHebraique;

// Thursday 3 October 2024 is 1 Tichri 5785.
constexpr DateCivile rosh_hachana_5785{2024, 10, 3};

TEST(ProchainsAnniversaires, UnAnniversaireAujourdhuiNEstPasMarque)
{
    const ProchainsAnniversaires p =
        prochains_anniversaires({5700, 1, 1}, rosh_hachana_5785, 3, 1, Famille::naissance);
    ASSERT_EQ(p.anniversaires.size(), 3u);
    const Anniversaire& premier = p.anniversaires.front();
    EXPECT_EQ(premier.jour.civile, rosh_hachana_5785);
    EXPECT_FALSE(premier.passe);
    EXPECT_EQ(premier.ligne, "   Jeudi    3  Octobre   2024 --> 1  Tichri  5785");
    EXPECT_EQ(premier.texte_civil, "Jeudi    3  Octobre   2024");
    EXPECT_EQ(premier.texte_hebraique, "1  Tichri  5785");
    EXPECT_EQ(p.anniversaires[1].jour.hebraique, (DateHebraique{5786, 1, 1}));
    EXPECT_EQ(p.entete, " 3 anniversaires de la naissance");
}

// The day after, this year's anniversary is past: the list begins next year.
TEST(ProchainsAnniversaires, CommenceApresAujourdhui)
{
    const ProchainsAnniversaires p =
        prochains_anniversaires({5700, 1, 1}, {2024, 10, 4}, 2, 5, Famille::evenement);
    EXPECT_EQ(p.anniversaires[0].jour.hebraique, (DateHebraique{5786, 1, 1}));
    EXPECT_EQ(p.anniversaires[1].jour.hebraique, (DateHebraique{5791, 1, 1})); // step of 5 years
    EXPECT_EQ(p.entete, " 2 anniversaires de l'événement");
}

TEST(ProchainsAnniversaires, EntetesEtNombreDeLignes)
{
    EXPECT_EQ(
        prochains_anniversaires({5700, 1, 1}, rosh_hachana_5785, 1, 1, Famille::naissance).entete,
        " 1 anniversaire de la naissance");
    EXPECT_EQ(
        prochains_anniversaires({5700, 1, 1}, rosh_hachana_5785, 1, 1, Famille::evenement).entete,
        " 1 anniversaire de l'événement");
    const ProchainsAnniversaires deces =
        prochains_anniversaires({5700, 1, 1}, rosh_hachana_5785, 15, 1, Famille::deces);
    EXPECT_EQ(deces.entete, " 17 anniversaires du décès ");
    EXPECT_EQ(deces.anniversaires.size(), 17u);
}

// Born on 30 Hechvan 5785 (a complete year): in 5784-like years with a
// 29-day Hechvan the anniversary is 1 Kislev.
TEST(ProchainsAnniversaires, TrenteHechvan)
{
    const ProchainsAnniversaires p =
        prochains_anniversaires({5785, 2, 30}, {2025, 1, 1}, 12, 1, Famille::naissance);
    for (const Anniversaire& a : p.anniversaires) {
        const int hechvan = ref::month_length(a.jour.hebraique.annee, 2);
        const DateHebraique attendu = hechvan == 30 ? DateHebraique{a.jour.hebraique.annee, 2, 30}
                                                    : DateHebraique{a.jour.hebraique.annee, 3, 1};
        EXPECT_EQ(a.jour.hebraique, attendu);
    }
}

// An event in Adar of a common year: Adar II in leap years, Adar otherwise.
TEST(ProchainsAnniversaires, AdarDUneAnneeCommune)
{
    const ProchainsAnniversaires p =
        prochains_anniversaires({5785, 6, 14}, {2025, 1, 1}, 19, 1, Famille::evenement);
    int embolismiques = 0;
    for (const Anniversaire& a : p.anniversaires) {
        const bool leap = ref::hebrew_leap(a.jour.hebraique.annee);
        embolismiques += leap ? 1 : 0;
        EXPECT_EQ(a.jour.hebraique.mois, leap ? 7 : 6) << a.ligne;
        EXPECT_EQ(a.jour.hebraique.jour, 14);
    }
    EXPECT_EQ(embolismiques, 7);
}

// For dates of every month and many days of "today": the first anniversary
// is today or later, the one of the year before is past, lines are never
// marked past, and each anniversary is a real day of its year.
TEST(ProchainsAnniversaires, LePremierEstLePlusProcheAVenir)
{
    for (DateCivile aujourdhui{2020, 1, 1}; aujourdhui.annee < 2027;
         aujourdhui = engine::lendemain(engine::lendemain(engine::lendemain(aujourdhui)))) {
        for (const DateHebraique e : {DateHebraique{5700, 1, 1}, DateHebraique{5760, 6, 30},
                                      DateHebraique{5761, 6, 20}, DateHebraique{5763, 7, 29},
                                      DateHebraique{5764, 13, 29}, DateHebraique{5766, 3, 30}}) {
            const ProchainsAnniversaires p =
                prochains_anniversaires(e, aujourdhui, 2, 1, Famille::naissance);
            const Anniversaire& premier = p.anniversaires.front();
            ASSERT_FALSE(premier.jour.civile < aujourdhui);
            ASSERT_FALSE(premier.passe);
            const DateHebraique avant = reporte_date(e, premier.jour.hebraique.annee - 1);
            const std::int64_t fixe_avant =
                ref::fixed_from_hebrew({avant.annee, avant.mois, avant.jour});
            ASSERT_LT(fixe_avant,
                      ref::fixed_from_civil({aujourdhui.annee, aujourdhui.mois, aujourdhui.jour}));
            for (const Anniversaire& a : p.anniversaires) {
                ASSERT_GE(ref::month_length(a.jour.hebraique.annee, a.jour.hebraique.mois),
                          a.jour.hebraique.jour);
                ASSERT_EQ(a.ligne.find(" x"), std::string::npos);
            }
        }
    }
}

TEST(ProchainsAnniversaires, GroupeDeLaFiche)
{
    const ProchainsAnniversaires p =
        prochains_anniversaires({5700, 1, 1}, rosh_hachana_5785, 1, 1, Famille::naissance);
    const std::vector<std::string> attendu = {"Jeudi    ", "3  ", "Octobre", "2024",
                                              "-->",       "1  ", "Tichri ", "5785"};
    EXPECT_EQ(groupe_anniversaire(p.anniversaires.front()), attendu);
}

TEST(ProchainsAnniversaires, ConfirmationDeToutRecalculer)
{
    EXPECT_EQ(message_tout_recalculer("Tout Recalculer"),
              "Etes-vous sûr de vouloir Tout Recalculer ?\rCela prendra plusieurs minutes\r"
              "environ 2 min par 1000 lignes");
}

// --- The main window's list ----------------------------------------------

TEST(AnniversairesCivils, TitreEtLignes)
{
    // 1 Tichri 5784 is Saturday 16 September 2023, shown on Rosh Hachana 5785.
    const AnniversairesCivils l =
        anniversaires_civils({5784, 1, 1}, {2023, 9, 16}, rosh_hachana_5785, 15);
    EXPECT_EQ(l.titre, "   15  Prochains anniversaires civils");
    ASSERT_EQ(l.lignes.size(), 15u);
    EXPECT_EQ(l.lignes[0], "Jeu 3  Octo 2024 :1  Tichri  5785");
    EXPECT_EQ(l.texte_affiche, "   Jeu 3  Octo 2024 :1  Tichri  5785");
    EXPECT_EQ(l.jours[1].hebraique, (DateHebraique{5786, 1, 1}));
    EXPECT_EQ(anniversaires_civils({5784, 1, 1}, {2023, 9, 16}, rosh_hachana_5785, 1).lignes.size(),
              1u);
}

// A date shown today or later: the list begins the year after it.
TEST(AnniversairesCivils, DateMontreeAujourdhuiOuPlusTard)
{
    const AnniversairesCivils l =
        anniversaires_civils({5785, 1, 1}, rosh_hachana_5785, rosh_hachana_5785, 3);
    EXPECT_EQ(l.jours[0].hebraique, (DateHebraique{5786, 1, 1}));
    const AnniversairesCivils plus_tard =
        anniversaires_civils({5790, 6, 14}, {2030, 3, 17}, rosh_hachana_5785, 3);
    EXPECT_EQ(plus_tard.jours[0].hebraique.annee, 5791);
}

// A date shown before today never begins the list with a past date: 1
// Tichri 5700 shown on 10 October 2024 (8 Tichri 5785) begins with 1
// Tichri 5786, not with 3 October 2024.
TEST(AnniversairesCivils, JamaisUneDatePasseeEnTete)
{
    const AnniversairesCivils l =
        anniversaires_civils({5700, 1, 1}, {1939, 9, 14}, {2024, 10, 10}, 2);
    EXPECT_EQ(l.jours[0].hebraique, (DateHebraique{5786, 1, 1}));
    EXPECT_FALSE(l.jours[0].civile < (DateCivile{2024, 10, 10}));
    for (DateCivile aujourdhui{2024, 1, 1}; aujourdhui.annee < 2026;
         aujourdhui = engine::lendemain(aujourdhui)) {
        const AnniversairesCivils a =
            anniversaires_civils({5760, 6, 30}, {2000, 3, 7}, aujourdhui, 1);
        ASSERT_FALSE(a.jours[0].civile < aujourdhui)
            << aujourdhui.annee << '-' << aujourdhui.mois << '-' << aujourdhui.jour;
    }
}

} // namespace
} // namespace orvane::records
