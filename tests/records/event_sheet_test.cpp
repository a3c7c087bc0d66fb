// The events window without its widgets: the examples of its computation,
// the carrying of every day of a year, the saved and printed sheets.
#include "engine/date_validity.h"
#include "engine/dates.h"
#include "platform/text.h"
#include "records/carrying.h"
#include "records/day_lines.h"
#include "records/events/event_sheet.h"

#include <gtest/gtest.h>

namespace orvane::records
{
namespace
{

using engine::DateCivile;
using engine::DateHebraique;

const DateCivile aujourdhui(2025, 1, 5); // 5 Tevet 5785

SaisieEvenement hebreu(const std::string& date, int annees = 1, int increment = 1)
{
    SaisieEvenement s;
    s.date_hebraique = date;
    s.plusieurs_annees = annees > 1;
    s.nb_annees = annees;
    s.increment = increment;
    return s;
}

// The Hebrew date as an anniversary line ends: "%2d %7s %6d".
std::string texte_attendu(const DateHebraique& d)
{
    return platform::pad_left(std::to_string(d.jour), 2) + " " +
           platform::pad_left(nom_mois_de_l_annee(d.annee, d.mois), 7) + " " +
           platform::pad_left(std::to_string(d.annee), 6);
}

// The Hebrew date written at the end of an anniversary line.
std::string fin_hebraique(const std::string& ligne)
{
    return ligne.substr(ligne.find("---> ") + 5);
}

TEST(Evenement, DepuisLaDateCivile)
{
    SaisieEvenement s;
    s.titre = "Pourim";
    s.date_civile = "13/3/2025";
    const CalculEvenement c = calcule_evenement(s, aujourdhui);
    ASSERT_TRUE(c.erreur.empty()) << c.erreur;
    EXPECT_EQ(c.date_civile, "13/03/2025");
    EXPECT_EQ(c.date_hebraique, "13/06/5785");
    EXPECT_EQ(c.texte_civil, "Jeudi    13 Mars 2025");
    EXPECT_EQ(c.texte_hebreu, "Jeudi     13 Adar    5785 ");
    ASSERT_EQ(c.anniversaires.size(), 1u);
    EXPECT_EQ(c.anniversaires[0], "Jeudi    13     Mars   2025 ---> 13 Adar      5785");
}

TEST(Evenement, LaDateCivileDecideQuandLesDeuxSontSaisies)
{
    SaisieEvenement s;
    s.date_civile = "03/01/1951";
    s.date_hebraique = "25/04/5700";
    const CalculEvenement c = calcule_evenement(s, aujourdhui);
    EXPECT_EQ(c.date_hebraique, "25/04/5711");
    s.date_civile.clear();
    EXPECT_EQ(calcule_evenement(s, aujourdhui).date_civile, "06/01/1940");
}

TEST(Evenement, TrenteHechvan)
{
    // 30 Hechvan 5785: 5786's Hechvan has 29 days, 5787's 30.
    const CalculEvenement c = calcule_evenement(hebreu("30/2/5785", 3), aujourdhui);
    ASSERT_EQ(c.anniversaires.size(), 3u);
    EXPECT_EQ(fin_hebraique(c.anniversaires[0]), " 1 Kislev    5786");
    EXPECT_EQ(fin_hebraique(c.anniversaires[1]), "30 Hechvan   5787");
}

TEST(Evenement, AdarDUneAnneeCommuneEtAdarI)
{
    // Adar of 5785 (common): Adar II in a leap year, Adar in a common one.
    const CalculEvenement adar = calcule_evenement(hebreu("10/6/5785", 4), aujourdhui);
    ASSERT_EQ(adar.anniversaires.size(), 4u);
    EXPECT_EQ(fin_hebraique(adar.anniversaires[0]), "10 Adar      5785");
    EXPECT_EQ(fin_hebraique(adar.anniversaires[1]), "10 Adar      5786");
    EXPECT_EQ(fin_hebraique(adar.anniversaires[2]), "10 Adar II   5787");
    // Adar I of a leap year stays Adar I in a leap year.
    const CalculEvenement adar1 = calcule_evenement(hebreu("10/6/5784", 4), aujourdhui);
    EXPECT_EQ(fin_hebraique(adar1.anniversaires[2]), "10 Adar I    5787");
}

TEST(Evenement, LAnniversaireDAujourdhuiVientEnPremier)
{
    const CalculEvenement c = calcule_evenement(hebreu("5/4/5700"), aujourdhui);
    ASSERT_EQ(c.anniversaires.size(), 1u);
    EXPECT_EQ(c.anniversaires[0].substr(0, 27), "Dimanche  5  Janvier   2025");
}

TEST(Evenement, NombreDAnneesEtIncrement)
{
    // Unchecked: one line whatever the number held.
    SaisieEvenement s = hebreu("1/1/5700", 10);
    s.plusieurs_annees = false;
    EXPECT_EQ(calcule_evenement(s, aujourdhui).anniversaires.size(), 1u);
    // An increment of 0: the same anniversary repeated.
    const CalculEvenement zero = calcule_evenement(hebreu("1/1/5700", 3, 0), aujourdhui);
    ASSERT_EQ(zero.anniversaires.size(), 3u);
    EXPECT_EQ(zero.anniversaires[0], zero.anniversaires[2]);
    // The list stops at the last year the calendar converts.
    const CalculEvenement loin = calcule_evenement(hebreu("1/1/5700", 1000, 100), aujourdhui);
    EXPECT_EQ(loin.anniversaires.size(), 80u); // 5786, 5886 … 13686
    EXPECT_NE(fin_hebraique(loin.anniversaires.back()).find("13686"), std::string::npos);
}

TEST(Evenement, LesDatesQuiNExistentPas)
{
    SaisieEvenement s;
    s.date_civile = "10/10/1582";
    CalculEvenement c = calcule_evenement(s, aujourdhui);
    EXPECT_EQ(c.erreur, engine::message_jours_supprimes_1582);
    EXPECT_EQ(c.focus, ChampEvenement::date_civile);
    EXPECT_TRUE(c.anniversaires.empty());
    c = calcule_evenement(hebreu("5/7/5780"), aujourdhui);
    EXPECT_EQ(c.erreur, engine::message_adar2_annee_commune);
    EXPECT_EQ(c.focus, ChampEvenement::date_hebraique);
    c = calcule_evenement(hebreu("30/7/5784"), aujourdhui);
    EXPECT_EQ(c.erreur, engine::message_30_adar2);
    c = calcule_evenement(hebreu("12/14/5784"), aujourdhui);
    EXPECT_FALSE(c.erreur.empty());
    s.date_civile = "hier";
    c = calcule_evenement(s, aujourdhui);
    EXPECT_EQ(c.erreur, "« hier » n'est pas une date civile (jj/mm/aaaa)");
    // A Hebrew text without "/" is ignored.
    EXPECT_TRUE(calcule_evenement(hebreu("Pourim"), aujourdhui).erreur.empty());
    EXPECT_TRUE(calcule_evenement(hebreu("Pourim"), aujourdhui).anniversaires.empty());
}

// Every day of two years, carried over thirty years: each line is the date
// the anniversary rules give, and never before today.
TEST(Evenement, ChaqueJourPorteSurTrenteAns)
{
    for (DateCivile d(2023, 9, 1); d < DateCivile(2025, 9, 1); d = engine::lendemain(d)) {
        const DateHebraique h = engine::hebraique_du_civil(d);
        SaisieEvenement s;
        s.date_civile =
            std::to_string(d.jour) + "/" + std::to_string(d.mois) + "/" + std::to_string(d.annee);
        s.plusieurs_annees = true;
        s.nb_annees = 30;
        const CalculEvenement c = calcule_evenement(s, aujourdhui);
        ASSERT_EQ(c.anniversaires.size(), 30u);
        const DateHebraique premier = reporte_date(h, 5785);
        const int annee0 = engine::civil_de_l_hebreu(premier) >= aujourdhui ? 5785 : 5786;
        for (int i = 0; i < 30; ++i) {
            const DateHebraique attendu = reporte_date(h, annee0 + i);
            ASSERT_EQ(fin_hebraique(c.anniversaires[static_cast<std::size_t>(i)]),
                      texte_attendu(attendu))
                << s.date_civile << " " << i;
        }
    }
}

TEST(Evenement, FichierEtImpression)
{
    SaisieEvenement s = hebreu("13/6/5785");
    s.titre = "Fête de l'école, 2025";
    s.commentaire = {"Salle des fêtes", "à 18 h"};
    const CalculEvenement c = calcule_evenement(s, aujourdhui);
    EXPECT_EQ(nom_fichier_evenement(s.titre), "Fête_de_.txt");
    EXPECT_EQ(nom_fichier_evenement(""), "EVENT.txt");
    EXPECT_EQ(nom_fichier_evenement("a/b.c,d*e f"), "a_b_c_d_.txt");
    EXPECT_EQ(lignes_evenement(s, c),
              (std::vector<std::string>{"Jeudi    13 Mars 2025(Jeudi     13 Adar    5785 )",
                                        "Fête de l'école, 2025", "", "Salle des fêtes", "à 18 h",
                                        "", "Les prochains anniversaires", c.anniversaires[0]}));
    const std::vector<std::string> imprimees = lignes_impression_evenement(s, c);
    EXPECT_EQ(imprimees.size(), 4u + 2u + 1u + 2u + 1u + 1u + 1u);
    EXPECT_EQ(imprimees[4], "        Jeudi    13 Mars 2025  (Jeudi     13 Adar    5785 )");
    EXPECT_EQ(imprimees[10], "        Les prochains anniversaires");
    const std::vector<std::string> directe = lignes_impression_directe(s, c, {"EN-TETE"}, {"PIED"});
    EXPECT_EQ(directe.front(), "        EN-TETE");
    EXPECT_EQ(directe[1], "        Evénement      : Fête de l'école, 2025");
    EXPECT_EQ(directe.back(), "        PIED");
}

} // namespace
} // namespace orvane::records
