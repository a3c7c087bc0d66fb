// The sun's crossings: the worked days of Paris, the polar days and nights,
// the Julian day count, and the shared values of the routine (sentinels,
// reset of the offset).

#include "zmanim/day/day_times.h"
#include "zmanim/sun/soleil.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane::zmanim
{
namespace
{

// Paris, 48°52′ N, 2°20′ E (west positive: −0.04072 rad).
const double paris_lat = (48 + 52.0 / 60) * radians_par_degre;
const double paris_lon = -(2 + 20.0 / 60) * radians_par_degre;
const double hauteur_standard = -std::sin(50 * radians_par_degre / 60);

/// Minutes of a time in hours, rounded to the nearest.
int minutes_arrondies(double heures)
{
    return static_cast<int>(std::lround(heures * 60));
}

TEST(Soleil, ParisAuSolsticeEvalueAMidi)
{
    EXPECT_NEAR(paris_lon, -0.04072, 0.00001);
    const PassagesSoleil p =
        passages_soleil({2024, 6, 21}, paris_lat, paris_lon, hauteur_standard, 0);
    ASSERT_EQ(p.passage, Passage::normal);
    EXPECT_NEAR(p.lever, 3.808, 0.001);
    EXPECT_NEAR(p.coucher, 19.946, 0.001);
}

TEST(Soleil, ParisAuSolsticeReevalueASonInstant)
{
    const PassagesSoleil midi =
        passages_soleil({2024, 6, 21}, paris_lat, paris_lon, hauteur_standard, 0);
    const PassagesSoleil lever = passages_soleil({2024, 6, 21}, paris_lat, paris_lon,
                                                 hauteur_standard, (midi.lever - 12) / 24);
    const PassagesSoleil coucher = passages_soleil({2024, 6, 21}, paris_lat, paris_lon,
                                                   hauteur_standard, (midi.coucher - 12) / 24);
    // Local summer time is UT + 2: 05 h 47 and 21 h 58.
    EXPECT_EQ(minutes_arrondies(lever.lever + 2), 5 * 60 + 47);
    EXPECT_EQ(minutes_arrondies(coucher.coucher + 2), 21 * 60 + 58);
}

TEST(Soleil, JanvierEtFevrierComptentDansLAnneePrecedente)
{
    EXPECT_EQ(jour_julien_midi({2000, 1, 1}), 2451545);
    EXPECT_EQ(jour_julien_midi({2024, 3, 1}) - jour_julien_midi({2023 + 1, 2, 28}), 2);
    EXPECT_EQ(jour_julien_midi({2023, 3, 1}) - jour_julien_midi({2023, 2, 28}), 1);
    EXPECT_EQ(jour_julien_midi({2100, 3, 1}) - jour_julien_midi({2100, 2, 28}), 1);
    EXPECT_EQ(jour_julien_midi({2000, 3, 1}) - jour_julien_midi({2000, 2, 28}), 2);
}

// Every day from 1900 to 2100 is one Julian day after the one before, and
// its weekday follows; 1 January 2000 was a Saturday, 21 June 2024 a Friday.
TEST(Soleil, LesJoursJuliensSeSuivent)
{
    EXPECT_EQ(engine::jour_semaine(engine::DateCivile{2000, 1, 1}), 7);
    EXPECT_EQ(engine::jour_semaine(engine::DateCivile{2024, 6, 21}), 6);
    const int longueurs[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    double precedent = jour_julien_midi({1899, 12, 31});
    int semaine = engine::jour_semaine(engine::DateCivile{1899, 12, 31});
    for (int annee = 1900; annee <= 2100; ++annee) {
        const bool bissextile = (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
        for (int mois = 1; mois <= 12; ++mois) {
            const int n = mois == 2 && bissextile ? 29 : longueurs[mois - 1];
            for (int jour = 1; jour <= n; ++jour) {
                const double jd = jour_julien_midi({annee, mois, jour});
                ASSERT_EQ(jd, precedent + 1) << jour << '/' << mois << '/' << annee;
                const int s = engine::jour_semaine(engine::DateCivile{annee, mois, jour});
                ASSERT_EQ(s, semaine % 7 + 1) << jour << '/' << mois << '/' << annee;
                precedent = jd;
                semaine = s;
            }
        }
    }
}

TEST(Soleil, JourPolaireA70DegresNordLaisseLeCoucherEnPlace)
{
    DayTimes j;
    ZmanimSettings r;
    j.sinus_hauteur = hauteur_standard;
    j.heure_coucher = 17.25;
    j.decalage_jd = 0.125;
    j.calcul_lever_coucher({2024, 6, 21}, 70 * radians_par_degre, paris_lon, r);
    EXPECT_EQ(j.heure_lever, toujours_au_dessus);
    EXPECT_EQ(j.heure_coucher, 17.25);
    EXPECT_EQ(j.decalage_jd, 0.125) << "the offset is not reset after a sentinel";
}

TEST(Soleil, NuitPolaireA70DegresNord)
{
    DayTimes j;
    ZmanimSettings r;
    j.sinus_hauteur = hauteur_standard;
    j.calcul_lever_coucher({2024, 12, 21}, 70 * radians_par_degre, paris_lon, r);
    EXPECT_EQ(j.heure_lever, toujours_au_dessous);
    EXPECT_TRUE(est_marqueur(j.heure_lever));
}

TEST(Soleil, LeDecalageEstRemisAZeroApresUnResultat)
{
    DayTimes j;
    ZmanimSettings r;
    j.sinus_hauteur = hauteur_standard;
    j.decalage_jd = -0.34;
    j.calcul_lever_coucher({2024, 6, 21}, paris_lat, paris_lon, r);
    EXPECT_EQ(j.decalage_jd, 0);
    const PassagesSoleil attendu =
        passages_soleil({2024, 6, 21}, paris_lat, paris_lon, hauteur_standard, -0.34);
    EXPECT_EQ(j.heure_lever, attendu.lever);
    EXPECT_EQ(j.heure_coucher, attendu.coucher);
}

TEST(Soleil, SansIterationLeDecalageEstIgnore)
{
    DayTimes j;
    ZmanimSettings r;
    r.iteration = false;
    j.sinus_hauteur = hauteur_standard;
    j.decalage_jd = 0.4;
    j.calcul_lever_coucher({2024, 6, 21}, paris_lat, paris_lon, r);
    const PassagesSoleil midi =
        passages_soleil({2024, 6, 21}, paris_lat, paris_lon, hauteur_standard, 0);
    EXPECT_EQ(j.heure_lever, midi.lever);
    EXPECT_EQ(j.heure_coucher, midi.coucher);
}

TEST(Soleil, UnLieuALEstPeutSeLeverAvantMinuitUT)
{
    // Vladivostok, 43°07′ N, 131°54′ E: rises about 19 h UT the day before.
    const PassagesSoleil p =
        passages_soleil({2024, 6, 21}, (43 + 7.0 / 60) * radians_par_degre,
                        -(131 + 54.0 / 60) * radians_par_degre, hauteur_standard, 0);
    ASSERT_EQ(p.passage, Passage::normal);
    EXPECT_LT(p.lever, 0);
    EXPECT_GT(p.lever, -12);
}

TEST(Soleil, HauteurDuLeverSelonLaRefraction)
{
    EXPECT_DOUBLE_EQ(sinus_lever_coucher(34, false), hauteur_standard);
    EXPECT_DOUBLE_EQ(sinus_lever_coucher(34, true), -std::sin(34 * radians_par_degre / 60));
    EXPECT_DOUBLE_EQ(sinus_depression(16.1), -std::sin(16.1 * radians_par_degre));
}

// Through a year at Paris the day lengthens to the June solstice and
// shortens to December; sunrise always comes before sunset and the deeper
// the angle, the earlier the morning crossing.
TEST(Soleil, ProprietesSurUneAnnee)
{
    double plus_long = 0;
    int mois_plus_long = 0;
    for (int mois = 1; mois <= 12; ++mois) {
        for (int jour = 1; jour <= 28; jour += 3) {
            const PassagesSoleil lever =
                passages_soleil({2024, mois, jour}, paris_lat, paris_lon, hauteur_standard, 0);
            const PassagesSoleil aube =
                passages_soleil({2024, mois, jour}, paris_lat, paris_lon, sinus_depression(12), 0);
            ASSERT_EQ(lever.passage, Passage::normal);
            ASSERT_EQ(aube.passage, Passage::normal);
            EXPECT_LT(lever.lever, lever.coucher);
            EXPECT_LT(aube.lever, lever.lever);
            EXPECT_GT(aube.coucher, lever.coucher);
            if (lever.coucher - lever.lever > plus_long) {
                plus_long = lever.coucher - lever.lever;
                mois_plus_long = mois;
            }
        }
    }
    EXPECT_EQ(mois_plus_long, 6);
    EXPECT_NEAR(plus_long, 16.1, 0.2);
}

} // namespace
} // namespace orvane::zmanim
