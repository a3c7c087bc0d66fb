// The times of one day by opinion: the worked day of Paris, each opinion's
// rules in summer and in winter at Paris and Jerusalem, the Sabbath entry
// and the exit schedule of the Beth Din of Paris.

#include "jour_commun.h"
#include "zmanim/day/chabbat.h"
#include "zmanim/format/libelles.h"
#include "zmanim/settings/opinions.h"

#include <gtest/gtest.h>

namespace orvane::zmanim
{
namespace
{

using namespace test;

TEST(HorairesDuJour, ParisAuSolsticeDEte2024)
{
    const DayTimes j = calcule(paris, 21, 6, 2024, "Beth Din (France)", 1);
    ASSERT_FALSE(j.erreur_horaires) << j.message_erreur;
    EXPECT_EQ(j.heureL, (TexteHoraire{"05", "47", "00"}));
    EXPECT_EQ(j.heureC, (TexteHoraire{"21", "58", "00"}));
    EXPECT_EQ(horloge(j.heureH), "13:53");
    EXPECT_EQ(j.entree_chabbat, (TexteHoraire{"21", "40", "00"}));
    EXPECT_EQ(j.saison_lc.heures, " 01");
    EXPECT_EQ(j.opinion, "Beth Din de Paris");
}

// Whatever the opinion, sunrise, midday, sunset, the afternoon and the
// seasonal hour of sunrise to sunset are the same.
TEST(HorairesDuJour, LesAvisNeChangentPasLeLeverNiLeCoucher)
{
    for (const auto& [lieu, jour, mois] :
         {std::tuple{paris, 21, 6}, std::tuple{paris, 20, 12}, std::tuple{jerusalem, 21, 6},
          std::tuple{jerusalem, 20, 12}}) {
        const DayTimes ref = calcule(lieu, jour, mois, 2024, "Or Méïr");
        for (std::string_view avis : opinions_calcul) {
            const DayTimes j = calcule(lieu, jour, mois, 2024, std::string(avis));
            EXPECT_EQ(j.heureL, ref.heureL) << avis;
            EXPECT_EQ(j.heureC, ref.heureC) << avis;
            EXPECT_EQ(j.heureH, ref.heureH) << avis;
            EXPECT_EQ(j.heureP, ref.heureP) << avis;
            EXPECT_EQ(j.heureCH2, ref.heureCH2) << avis;
            EXPECT_EQ(j.saison_lc, ref.saison_lc) << avis;
        }
    }
}

struct Jour {
    Lieu lieu;
    int jour, mois;
    const char* nom;
};
const Jour jours_types[] = {{paris, 21, 6, "Paris été"},
                            {paris, 20, 12, "Paris hiver"},
                            {jerusalem, 21, 6, "Jérusalem été"},
                            {jerusalem, 20, 12, "Jérusalem hiver"}};

// Angles: dawn 16.1°, tefillin 11°, stars 7.08°, evening-Chema stars 8°,
// exit 8.5°, night 16.1°, each later than the shallower one.
TEST(HorairesDuJour, OrMeirSuitLesAngles)
{
    for (const Jour& d : jours_types) {
        const DayTimes j = calcule(d.lieu, d.jour, d.mois, 2024, "Or Méïr");
        EXPECT_LT(j.t_aube, j.t_tephilin) << d.nom;
        EXPECT_LT(j.t_tephilin, j.t_lever) << d.nom;
        EXPECT_LT(j.t_coucher, j.t_etoiles) << d.nom;
        EXPECT_LT(j.t_etoiles, j.t_etoiles_chema) << d.nom;
        EXPECT_LT(j.t_etoiles_chema, j.t_sortie) << d.nom;
        EXPECT_LT(j.t_sortie, j.t_nuit) << d.nom;
        // Dawn and night at the same depression lie evenly around midday,
        // within the change of the sun over the day.
        EXPECT_NEAR(j.t_hatsot - j.t_aube, j.t_nuit - j.t_hatsot, 4 * minute) << d.nom;
    }
}

TEST(HorairesDuJour, PaveeSoixanteDouzeMinutesFixes)
{
    for (const Jour& d : jours_types) {
        const DayTimes j = calcule(d.lieu, d.jour, d.mois, 2024, "Maguen Abraham (pavé)");
        const DayTimes om = calcule(d.lieu, d.jour, d.mois, 2024, "Or Méïr");
        EXPECT_DOUBLE_EQ(j.t_aube, j.t_lever - 1.2) << d.nom;
        EXPECT_DOUBLE_EQ(j.t_tephilin, j.t_aube + 0.33333333) << d.nom;
        EXPECT_DOUBLE_EQ(j.t_nuit, j.t_coucher + 1.2) << d.nom;
        EXPECT_GT(j.t_etoiles, om.t_etoiles) << d.nom << ": stars at 7.5°, below 7.08°";
        EXPECT_EQ(minutes(j.heureL) - minutes(j.heureA), 72) << d.nom;
    }
}

TEST(HorairesDuJour, RavRottenbergEtoilesA712)
{
    for (const Jour& d : jours_types) {
        const DayTimes j = calcule(d.lieu, d.jour, d.mois, 2024, "Rav Rottenberg");
        const DayTimes om = calcule(d.lieu, d.jour, d.mois, 2024, "Or Méïr");
        const DayTimes pavee = calcule(d.lieu, d.jour, d.mois, 2024, "Maguen Abraham (pavé)");
        EXPECT_DOUBLE_EQ(j.t_aube, pavee.t_aube) << d.nom;
        EXPECT_DOUBLE_EQ(j.t_nuit, pavee.t_nuit) << d.nom;
        EXPECT_GT(j.t_etoiles, om.t_etoiles) << d.nom;
        EXPECT_LT(j.t_etoiles, pavee.t_etoiles) << d.nom;
    }
}

// 72 minutes scaled by the seasonal hour: longer than 72 in summer, shorter
// in winter.
TEST(HorairesDuJour, QuatreMilsEnHeuresSaisonnieres)
{
    for (const Jour& d : jours_types) {
        const DayTimes j = calcule(d.lieu, d.jour, d.mois, 2024, "Aube à 72min (Lev/Coucher)");
        EXPECT_DOUBLE_EQ(j.t_aube, j.t_lever - 1.2 * j.heure_saison_lc) << d.nom;
        EXPECT_DOUBLE_EQ(j.t_tephilin, j.t_aube + j.heure_saison_lc * 6 / 60) << d.nom;
        EXPECT_DOUBLE_EQ(j.t_nuit, j.t_coucher + 1.2 * j.heure_saison_lc) << d.nom;
        if (d.mois == 6) {
            EXPECT_GT(j.t_lever - j.t_aube, 1.2) << d.nom;
        } else {
            EXPECT_LT(j.t_lever - j.t_aube, 1.2) << d.nom;
        }
    }
}

TEST(HorairesDuJour, MilsEnProportionDuJour)
{
    for (const Jour& d : jours_types) {
        for (const auto& [avis, f] : {std::pair{"Aube à 72min (Aube/Nuit)", 0.125},
                                      std::pair{"Aube à 5 Mils (1/6 Lev-Co)", 0.16666666}}) {
            const DayTimes j = calcule(d.lieu, d.jour, d.mois, 2024, avis);
            const double jour = j.t_coucher - j.t_lever;
            EXPECT_DOUBLE_EQ(j.t_aube, j.t_lever - f * jour) << d.nom << ' ' << avis;
            EXPECT_DOUBLE_EQ(j.t_nuit, j.t_coucher + f * jour) << d.nom << ' ' << avis;
            EXPECT_DOUBLE_EQ(j.t_tephilin, j.t_lever - 0.8666666666666667) << d.nom;
        }
    }
    EXPECT_EQ(facteur_proportion("5Mils"), 0.16666666) << "eight decimals, not 1/6";
}

TEST(HorairesDuJour, AdmourEtoilesA595)
{
    for (const Jour& d : jours_types) {
        const DayTimes j = calcule(d.lieu, d.jour, d.mois, 2024, "Admour Hazaken (ét. 5.95°)");
        const DayTimes om = calcule(d.lieu, d.jour, d.mois, 2024, "Or Méïr");
        EXPECT_EQ(j.heureA, om.heureA) << d.nom;
        EXPECT_LT(j.t_etoiles, om.t_etoiles) << d.nom;
        EXPECT_GT(j.t_etoiles_chema, j.t_etoiles) << d.nom << ": 6.5° after 5.95°";
        EXPECT_LT(j.t_etoiles_chema, om.t_etoiles_chema) << d.nom << ": 6.5° before 8°";
    }
}

// Astronomical, nautical and civil twilights around sunrise and sunset.
TEST(HorairesDuJour, BureauDesLongitudes)
{
    for (const Jour& d : {jours_types[1], jours_types[2], jours_types[3]}) {
        const DayTimes j = calcule(d.lieu, d.jour, d.mois, 2024, "Bureau des Longitudes");
        ASSERT_TRUE(j.heureA.definie()) << d.nom;
        EXPECT_LT(j.t_aube, j.t_tephilin) << d.nom;
        EXPECT_LT(j.t_tephilin, j.t_crepuscule_civil) << d.nom;
        EXPECT_LT(j.t_crepuscule_civil, j.t_lever) << d.nom;
        EXPECT_LT(j.t_coucher, j.t_etoiles) << d.nom;
        EXPECT_LT(j.t_etoiles, j.t_sortie) << d.nom;
        EXPECT_LT(j.t_sortie, j.t_nuit) << d.nom;
        EXPECT_TRUE(j.heureCVLV.definie()) << d.nom;
    }
}

/// The time the day's list shows for a slot; empty when it shows none.
std::string heure_de_la_liste(const DayTimes& j, bool bdl, std::string_view jeton)
{
    for (const LigneDuJour& l : liste_du_jour(j, bdl, false)) {
        if (l.jeton == jeton) {
            return l.heure;
        }
    }
    ADD_FAILURE() << "pas de ligne " << jeton;
    return {};
}

// At Paris on 20 June the sun goes down to 16° only: no astronomical
// twilight, morning or evening. The seasonal hour of dawn to night and the
// Chema and prayer counted in it have nothing to be built on and stay empty
// like dawn and night; the hours of sunrise to sunset remain. A day of
// March, with an astronomical night, keeps all of them.
TEST(HorairesDuJour, BureauDesLongitudesSansNuitAstronomique)
{
    const DayTimes j = calcule(paris, 20, 6, 2024, "Bureau des Longitudes");
    ASSERT_FALSE(j.jour_polaire);
    EXPECT_FALSE(j.heureA.definie());
    EXPECT_FALSE(j.heureN.definie());
    EXPECT_EQ(j.saison_an, TexteHoraire{});
    EXPECT_EQ(j.heureCH1, TexteHoraire{});
    EXPECT_EQ(j.heureTA1, TexteHoraire{});
    EXPECT_EQ(j.heure_saison_an, 0);
    EXPECT_EQ(j.heureCH2, (TexteHoraire{"08", "49", "00"}));
    EXPECT_EQ(j.heureTA2, (TexteHoraire{"10", "10", "00"}));
    EXPECT_EQ(j.saison_lc, (TexteHoraire{" 01", "21", "00"}));
    EXPECT_EQ(heure_de_la_liste(j, true, "heure_saison_an"), "");
    EXPECT_EQ(heure_de_la_liste(j, true, "heure_saison_lc"), "01:21");
    EXPECT_EQ(heure_de_la_liste(j, true, "heureT"), "03:04");

    const DayTimes mars = calcule(paris, 20, 3, 2024, "Bureau des Longitudes");
    ASSERT_TRUE(mars.heureA.definie() && mars.heureN.definie());
    EXPECT_NEAR(mars.heure_saison_an * 12, mars.t_nuit - mars.t_aube, 1e-9);
    EXPECT_TRUE(mars.saison_an.definie());
    EXPECT_TRUE(mars.heureCH1.definie());
    EXPECT_TRUE(mars.heureTA1.definie());
    EXPECT_NE(heure_de_la_liste(mars, true, "heure_saison_an"), "");
}

// The Sabbath begins the Tossefet before the written sunset: 18 minutes in
// the Diaspora, 40 in Jerusalem.
TEST(HorairesDuJour, EntreeDuChabbatAvantLeCoucher)
{
    for (const Jour& d : jours_types) {
        ZmanimSettings r;
        r.tossefet = d.lieu.zone == jerusalem.zone ? 40 : 18;
        const DayTimes j = calcule(d.lieu, d.jour, d.mois, 2024, "Or Méïr", 0, r);
        EXPECT_EQ(minutes(j.heureC) - minutes(j.entree_chabbat), r.tossefet) << d.nom;
        EXPECT_DOUBLE_EQ(j.t_entree, j.t_coucher - r.tossefet / 60.0) << d.nom;
    }
    EXPECT_EQ(texte_entree({"09", "05", "00"}, 18), (TexteHoraire{"08", "47", "00"}));
    EXPECT_EQ(texte_entree({"00", "30", "00"}, 18), (TexteHoraire{"00", "12", "00"}));
    EXPECT_EQ(texte_entree({"01", "10", "00"}, 18), (TexteHoraire{"00", "52", "00"}));
    EXPECT_EQ(texte_entree({"00", "10", "00"}, 18), (TexteHoraire{"23", "52", "00"}));
    EXPECT_EQ(texte_entree({"16", "48", "07"}, 40), (TexteHoraire{"16", "08", "07"}));
}

// At 70° N in May the sun sets after midnight: at 00:41 on 15 May 2024
// (2°20' E, zone +1), the Sabbath begins at 00:23, written on two digits as
// every other slot, in the record and in the day's list.
TEST(HorairesDuJour, EntreeDuChabbatApresMinuitPresDuPole)
{
    const Lieu nord{"70°N", "2°20E", "+1"};
    const DayTimes j = calcule(nord, 15, 5, 2024, "Or Méïr");
    ASSERT_FALSE(j.jour_polaire);
    EXPECT_EQ(j.heureC, (TexteHoraire{"00", "41", "00"}));
    EXPECT_EQ(j.entree_chabbat, (TexteHoraire{"00", "23", "00"}));
    EXPECT_EQ(heure_de_la_liste(j, false, "entree_chabbat"), "00:23");
    EXPECT_EQ(heure_de_la_liste(j, false, "heureC"), "00:41");

    const DayTimes ete = calcule(nord, 11, 5, 2024, "Or Méïr", 1);
    EXPECT_EQ(ete.entree_chabbat, (TexteHoraire{"00", "14", "00"}));
}

// Far north in winter the day is shorter than 2 h 53 and the plag comes
// later than sunset less 18 minutes: the entry takes the plag's texts.
TEST(HorairesDuJour, EntreeJamaisAvantLePlag)
{
    const Lieu nord{"67°30N", "15°E", "+1"};
    const DayTimes j = calcule(nord, 10, 12, 2024, "Or Méïr");
    ASSERT_FALSE(j.jour_polaire);
    ASSERT_LT(j.t_coucher - j.t_lever, 2.88);
    EXPECT_EQ(j.entree_chabbat, j.heureP);
    EXPECT_DOUBLE_EQ(j.t_entree, j.t_plag);
}

// Half a seasonal hour under 30 minutes: Min'ha Guédola is midday + 30
// minutes, rounded to the nearest.
TEST(HorairesDuJour, MinhaGuedolaAuMoinsUneDemiHeure)
{
    const Lieu nord{"66°N", "10°E", "+1"};
    const DayTimes j = calcule(nord, 15, 1, 2024, "Or Méïr");
    ASSERT_LT((j.t_coucher - j.t_lever) / 24, 0.5);
    EXPECT_DOUBLE_EQ(j.t_mincha_gedola, j.t_hatsot + 0.5);
    const DayTimes ete = calcule(paris, 21, 6, 2024, "Or Méïr");
    EXPECT_DOUBLE_EQ(ete.t_mincha_gedola, ete.t_hatsot + ete.heure_saison_lc / 2);
}

TEST(SortieBethDin, CalendrierDesAnnees2008A2012)
{
    const double etoiles = 20.0;
    const double quatorze = etoiles + 14 * minute;
    EXPECT_DOUBLE_EQ(sortie_beth_din(quatorze, etoiles, {2008, 9, 29}, false, false), 20.1);
    EXPECT_NEAR(sortie_beth_din(quatorze, etoiles, {2008, 9, 30}, false, false),
                etoiles + 8 * minute, 1e-12);
    EXPECT_NEAR(sortie_beth_din(quatorze, etoiles, {2009, 10, 1}, false, false),
                etoiles + 10 * minute, 1e-12);
    EXPECT_NEAR(sortie_beth_din(quatorze, etoiles, {2010, 9, 9}, false, false),
                etoiles + 12 * minute, 1e-12);
    EXPECT_DOUBLE_EQ(sortie_beth_din(quatorze, etoiles, {2012, 9, 16}, false, false), quatorze)
        << "14 minutes is not more than 14 minutes";
    EXPECT_DOUBLE_EQ(sortie_beth_din(quatorze, etoiles, {2012, 10, 1}, false, false), quatorze);
    const double sept = etoiles + 7 * minute;
    EXPECT_DOUBLE_EQ(sortie_beth_din(sept, etoiles, {2009, 10, 1}, false, false), sept);
    EXPECT_DOUBLE_EQ(sortie_beth_din(quatorze, etoiles, {2012, 10, 1}, true, false), 20.1);
    EXPECT_DOUBLE_EQ(sortie_beth_din(quatorze, etoiles, {2012, 10, 1}, true, true), quatorze)
        << "Kippour keeps its own exit";
}

// From 19 September 2009 the exit is at most 10 minutes after the stars:
// in June 2010 the 8.5° exit comes 13 minutes after them and is moved; on
// 1 October 2009 it comes 9 minutes after them and stays.
TEST(SortieBethDin, ParisEn2009Et2010)
{
    const DayTimes bd = calcule(paris, 21, 6, 2010, "Beth Din (France)", 1);
    const DayTimes om = calcule(paris, 21, 6, 2010, "Or Méïr", 1);
    ASSERT_GT(om.t_sortie - om.t_etoiles, 10 * minute);
    EXPECT_NEAR(bd.t_sortie, bd.t_etoiles + 10 * minute, 1e-12);
    const DayTimes bd_oct = calcule(paris, 1, 10, 2009, "Beth Din (France)", 1);
    const DayTimes om_oct = calcule(paris, 1, 10, 2009, "Or Méïr", 1);
    ASSERT_LT(om_oct.t_sortie - om_oct.t_etoiles, 10 * minute);
    EXPECT_EQ(bd_oct.heureSOR, om_oct.heureSOR);
    const DayTimes bd2012 = calcule(paris, 1, 10, 2012, "Beth Din (France)", 1);
    const DayTimes om2012 = calcule(paris, 1, 10, 2012, "Or Méïr", 1);
    EXPECT_EQ(bd2012.heureSOR, om2012.heureSOR);
}

TEST(SortieBethDin, VaudrelSixMinutesSaufKippour)
{
    ContexteCalcul c;
    c.vaudrel = true;
    const DayTimes j = calcule(paris, 5, 4, 2024, "Beth Din (France)", 1, {}, c);
    EXPECT_DOUBLE_EQ(j.t_sortie, j.t_etoiles + 0.1);
    // 10 Tichri 5785 was 12 October 2024.
    const DayTimes kippour = calcule(paris, 12, 10, 2024, "Beth Din (France)", 1, {}, c);
    const DayTimes om = calcule(paris, 12, 10, 2024, "Or Méïr", 1);
    EXPECT_EQ(kippour.heureSOR, om.heureSOR);
}

} // namespace
} // namespace orvane::zmanim
