// The times of one day at the edges: white nights and polar days, refused
// places, the typed angles and the Marseille exit, the twilights the sun
// does not reach, lengths of time in summer time all year, and the Rav
// Rottenberg mode.

#include "jour_commun.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane::zmanim
{
namespace
{

using namespace test;

// At 60° N on 21 June the sun stays above −7° all night: dawn, stars and
// night take the solar midnight after the day, the exit 4 minutes later, and
// the seasonal hour of dawn to night is 2 h.
TEST(NuitBlanche, SoixanteDegresNordAuSolstice)
{
    const Lieu nord{"60°N", "10°E", "+1"};
    const DayTimes j = calcule(nord, 21, 6, 2024, "Or Méïr", 1);
    ASSERT_FALSE(j.jour_polaire);
    const double minuit = j.t_hatsot + 12;
    EXPECT_DOUBLE_EQ(j.t_aube, minuit) << "dawn too takes the midnight after the day";
    EXPECT_DOUBLE_EQ(j.t_nuit, minuit);
    EXPECT_DOUBLE_EQ(j.t_etoiles, minuit);
    EXPECT_DOUBLE_EQ(j.t_sortie, minuit + 1.0 / 15);
    EXPECT_DOUBLE_EQ(j.heure_saison_an, 2.0);
    EXPECT_EQ(j.saison_an, (TexteHoraire{" 02", "00", "00"}));
    EXPECT_EQ(j.heureA, j.heureN);
}

class Lignes : public SortieTableau
{
public:
    int lignes = 0;
    int polaires = 0;
    std::string message;
    void ligne_tableau(const DayTimes&) override { ++lignes; }
    void jour_polaire(const DayTimes& j) override
    {
        ++polaires;
        message = j.message_polaire;
    }
};

TEST(JourPolaire, SoixanteDixDegresNord)
{
    const Lieu nord{"70°N", "25°E", "+1"};
    Lignes sortie;
    ContexteCalcul c;
    c.tableau = &sortie;
    ZmanimSettings r;
    DemandeJour d{6, {2024, 6, 21}, nord.latitude, nord.longitude, nord.zone, "Or Méïr", 1, false};
    DayTimes j;
    j.heureL = {"04", "00", "00"};
    horaires_du_jour(d, r, j, c);
    EXPECT_TRUE(j.jour_polaire);
    EXPECT_FALSE(j.erreur_horaires);
    EXPECT_EQ(j.message_polaire, "Le soleil est toujours au-dessus de l'horizon");
    EXPECT_EQ(sortie.polaires, 1);
    EXPECT_EQ(sortie.lignes, 0);
    EXPECT_EQ(j.heureL, (TexteHoraire{"04", "00", "00"})) << "slots not reached are left";

    d.date.mois = 12;
    horaires_du_jour(d, r, j, c);
    EXPECT_EQ(j.message_polaire, "Le soleil est toujours au-dessous de l'horizon");
    EXPECT_EQ(sortie.polaires, 2);

    d.date.mois = 3;
    horaires_du_jour(d, r, j, c);
    EXPECT_FALSE(j.jour_polaire);
    EXPECT_TRUE(j.message_polaire.empty());
    EXPECT_EQ(sortie.lignes, 1);
}

DayTimes refuse(const std::string& lat, const std::string& lon, const std::string& zone,
                const std::string& avis = "Or Méïr")
{
    ZmanimSettings r;
    DayTimes j;
    horaires_du_jour({1, {2024, 1, 1}, lat, lon, zone, avis, 0}, r, j);
    return j;
}

TEST(EntreesRefusees, LettresDHemisphere)
{
    DayTimes j = refuse("48°52X", "2°20E", "+1");
    EXPECT_TRUE(j.erreur_horaires);
    EXPECT_EQ(j.message_erreur, "Veuillez définir la latitude « 48°52X » : Nord (N) ou Sud (S)\r"
                                "autrement les calculs ne sont pas effectués.");
    j = refuse("48°52N", "2°20Z", "+1");
    EXPECT_EQ(j.message_erreur, "Veuillez définir la longitude Est (E) ou Ouest (O) ou West (W)\r"
                                "autrement les calculs ne sont pas effectués.");
    j = refuse("48°52N", "2°20E", "ed");
    EXPECT_EQ(j.message_erreur,
              "Veuillez définir la valeur du gmt « ed » (Décalage par rapport "
              "au temps universel)\rautrement les calculs ne sont pas effectués.");
    j = refuse("48°52N", "2°20E", "+1", "");
    EXPECT_EQ(j.message_erreur,
              "Veuillez définir l'avis de référence à partir de la fenêtre des horaires.\r");
    EXPECT_FALSE(refuse("48°52s", "2°20w", "-3").erreur_horaires);
    EXPECT_FALSE(refuse("48°52n", "2°20o", "+1").erreur_horaires);
}

TEST(EntreesRefusees, BoitesNonRempliesSansMessage)
{
    for (const DayTimes& j : {refuse("EditN", "2°20E", "+1"), refuse("48°52N", "EditE", "+1"),
                              refuse("48°52N", "2°20E", "Edit3")}) {
        EXPECT_TRUE(j.erreur_horaires);
        EXPECT_TRUE(j.message_erreur.empty());
    }
}

// A latitude at a pole or beyond, or a text that is no angle, is refused
// with a message; nothing is computed.
TEST(EntreesRefusees, LatitudeHorsLimitesOuIllisible)
{
    for (const char* lat : {"90N", "90°S", "91N", "120.5S", "abcN", "30'N", "N"}) {
        const DayTimes j = refuse(lat, "2°20E", "+1");
        EXPECT_TRUE(j.erreur_horaires) << lat;
        EXPECT_NE(j.message_erreur.find(lat), std::string::npos) << j.message_erreur;
        EXPECT_FALSE(j.heureL.definie()) << lat;
    }
    EXPECT_TRUE(refuse("48°52N", "x°E", "+1").erreur_horaires);
    EXPECT_TRUE(refuse("48°52N", "2°20E", "un").erreur_horaires);
    EXPECT_FALSE(refuse("89°59N", "2°20E", "+1").erreur_horaires);
}

TEST(EntreesRefusees, LesRefusSontLus)
{
    const LieuLu l = lit_lieu("33°55S", "18°25E", "+2");
    ASSERT_FALSE(l.refuse);
    EXPECT_NEAR(l.latitude, -(33 + 55.0 / 60) * radians_par_degre, 1e-12);
    EXPECT_NEAR(l.longitude, -(18 + 25.0 / 60) * radians_par_degre, 1e-12) << "east negative";
    EXPECT_EQ(l.zone, 2);
    EXPECT_NEAR(lit_lieu("40°43N", "73°59W", "-5").longitude, (73 + 59.0 / 60) * radians_par_degre,
                1e-12);
}

// "Selon choix des valeurs" is "Or Méïr" with the typed angles; the angles
// apply to that computation only.
TEST(AnglesChoisis, SelonChoixCalculeCommeOrMeir)
{
    const DayTimes om = calcule(paris, 15, 3, 2024, "Or Méïr");
    ZmanimSettings r;
    EXPECT_EQ(calcule(paris, 15, 3, 2024, "Selon choix des valeurs", 0, r).heureA, om.heureA);
    r.texte_aube = "18";
    const DayTimes choix = calcule(paris, 15, 3, 2024, "Selon choix des valeurs", 0, r);
    EXPECT_LT(choix.t_aube, om.t_aube - 5 * minute);
    EXPECT_EQ(choix.heureN, om.heureN);
    const DayTimes ensuite = calcule(paris, 15, 3, 2024, "Or Méïr", 0, r);
    EXPECT_EQ(ensuite.heureA, om.heureA) << "typed angles do not stay for other opinions";

    r.texte_nuit = "seize";
    const DayTimes illisible = calcule(paris, 15, 3, 2024, "Selon choix des valeurs", 0, r);
    EXPECT_TRUE(illisible.erreur_horaires);
    EXPECT_NE(illisible.message_erreur.find("\"seize\" choisie pour la nuit"), std::string::npos);
}

TEST(AnglesChoisis, SortieDeMarseillePourCeCalculSeulement)
{
    ContexteCalcul marseille;
    marseille.sortie_marseille = true;
    const Lieu ville{"43°18N", "5°22E", "+1"};
    const DayTimes standard = calcule(ville, 5, 4, 2024, "Or Méïr", 1);
    const DayTimes bd = calcule(ville, 5, 4, 2024, "Or Méïr", 1, {}, marseille);
    EXPECT_LT(bd.t_sortie, standard.t_sortie);
    EXPECT_GT(bd.t_sortie, bd.t_etoiles) << "7.35° comes after 7.08°";
    EXPECT_EQ(calcule(ville, 5, 4, 2024, "Or Méïr", 1).heureSOR, standard.heureSOR);
}

// The "Bureau des Longitudes" twilights the sun does not reach (18° at
// Paris in June) print no time, rather than a time of another date or the
// value left by the day before; nor does the seasonal hour of dawn to night
// built on them, nor the Chema and prayer counted in it.
TEST(CrepusculesAbsents, PasDHeureSansCroisement)
{
    ZmanimSettings r;
    r.opinion_calcul = "Bureau des Longitudes";
    DayTimes j;
    DemandeJour d{1, {2024, 1, 15}, "48°52N", "2°20E", "+1", "Bureau des Longitudes", 0};
    horaires_du_jour(d, r, j);
    ASSERT_TRUE(j.heureA.definie());
    ASSERT_TRUE(j.heureN.definie());
    d.date.jour = 21;
    d.date.mois = 6;
    horaires_du_jour(d, r, j);
    EXPECT_FALSE(j.heureA.definie());
    EXPECT_FALSE(j.heureN.definie());
    EXPECT_TRUE(j.heureT.definie()) << "the sun reaches 12°";
    EXPECT_TRUE(std::isfinite(j.t_aube));
    EXPECT_FALSE(j.saison_an.definie());
    EXPECT_FALSE(j.heureCH1.definie());
    EXPECT_FALSE(j.heureTA1.definie());
    EXPECT_TRUE(j.heureCH2.definie());
}

// A seasonal hour is a length, not a clock time: summer time all year does
// not add an hour to it.
TEST(Durees, HeureSaisonniereSansHeureDEte)
{
    ContexteCalcul ete;
    ete.mode_ete = ModeEte::ete_toute_annee;
    ete.vers_grille = true;
    ZmanimSettings r;
    r.decalage_heures = -1;
    const DayTimes hiver = calcule(paris, 20, 12, 2024, "Or Méïr", 0);
    const DayTimes toute = calcule(paris, 20, 12, 2024, "Or Méïr", 0, r, ete);
    EXPECT_EQ(toute.saison_lc, hiver.saison_lc);
    EXPECT_EQ(toute.saison_an, hiver.saison_an);
    EXPECT_EQ(hiver.saison_lc.heures, " 00");
    EXPECT_EQ(minutes(toute.heureL), (minutes(hiver.heureL) + 60 - 60) % 1440)
        << "clock times take the hour of summer and the grid shift";
}

TEST(RavRottenberg, NomAncienAllumeLeMode)
{
    ZmanimSettings r;
    const DayTimes j = calcule(paris, 5, 4, 2024, "Rav_Rottenberg", 1, r);
    EXPECT_EQ(j.opinion, "Rav Rottenberg");
    ZmanimSettings garde;
    DayTimes k;
    horaires_du_jour({6, {2024, 4, 5}, "48°52N", "2°20E", "+1", "Rav_Rottenberg", 1}, garde, k);
    EXPECT_TRUE(garde.mode_rav_rottenberg);
    horaires_du_jour({6, {2024, 4, 5}, "48°52N", "2°20E", "+1", "Rav Rottenberg", 1}, garde, k);
    EXPECT_TRUE(garde.mode_rav_rottenberg) << "the mode stays until its owner clears it";
    ZmanimSettings neuf;
    horaires_du_jour({6, {2024, 4, 5}, "48°52N", "2°20E", "+1", "Rav Rottenberg", 1}, neuf, k);
    EXPECT_FALSE(neuf.mode_rav_rottenberg) << "the current name does not switch it on";
}

// With the mode on, midday is rounded later and the stars are at 7.12°;
// "Or Méïr" puts dawn 90 minutes at least before sunrise, and two hours
// before it in Tamouz (10 July 2024 was 4 Tamouz).
TEST(RavRottenberg, AubeDOrMeirAjustee)
{
    ZmanimSettings r;
    r.mode_rav_rottenberg = true;
    for (const auto& [jour, mois] : {std::pair{15, 3}, std::pair{20, 12}, std::pair{5, 4}}) {
        const DayTimes j = calcule(jerusalem, jour, mois, 2024, "Or Méïr", 0, r);
        EXPECT_GE(minutes(j.heureL) - minutes(j.heureA), 90) << jour << '/' << mois;
        const DayTimes sans = calcule(jerusalem, jour, mois, 2024, "Or Méïr", 0);
        EXPECT_GT(j.t_etoiles, sans.t_etoiles);
        EXPECT_GE(minutes(j.heureH), minutes(sans.heureH));
    }
    const DayTimes tamouz = calcule(jerusalem, 10, 7, 2024, "Or Méïr", 0, r);
    EXPECT_EQ(minutes(tamouz.heureL) - minutes(tamouz.heureA), 120);
    EXPECT_EQ(tamouz.heureA.minutes, tamouz.heureL.minutes);
    EXPECT_EQ(tamouz.heureA.heures.size(), 2u);
}

TEST(RavRottenberg, SeuilsLusDansLaConfiguration)
{
    ZmanimSettings r;
    ContexteCalcul c;
    int lectures = 0;
    c.lit_cle_ciop = [&](std::string_view cle) {
        ++lectures;
        return std::string(cle == "Valeur_max_houmra_ciop" ? "0" : "");
    };
    const DayTimes lu = calcule(paris, 5, 4, 2024, "Rav Rottenberg", 1, r, c);
    const DayTimes defaut = calcule(paris, 5, 4, 2024, "Rav Rottenberg", 1, r);
    EXPECT_EQ(lectures, 2);
    // A "plus_tôt" threshold of 0 moves every latest time with seconds to
    // the next minute; the sunset can only be as late or later.
    EXPECT_GE(minutes(lu.heureC), minutes(defaut.heureC));
    EXPECT_LE(minutes(lu.heureC) - minutes(defaut.heureC), 1);
    EXPECT_EQ(lu.heureT, defaut.heureT) << "empty key: threshold 3 kept";
    (void)calcule(paris, 5, 4, 2024, "Or Méïr", 1, r, c);
    EXPECT_EQ(lectures, 2) << "read only for the Rav Rottenberg";
}

} // namespace
} // namespace orvane::zmanim
