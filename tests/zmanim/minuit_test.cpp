// The crossings that come near midnight. Each crossing belongs to the day of
// its own midday: the morning ones (dawn, tefillin, sunrise) in the 12 hours
// before the sun's passage on the meridian, the evening ones (sunset, stars,
// exit, night) in the 12 hours after it. North of 50° in June the sun only
// just goes down as far as 16.1°, and the night that ends the day comes a few
// minutes on either side of local mean midnight: past it, it stands after
// 24 h of the date (01:46 of the next morning, written as the other times
// past midnight are), never in the early hours of the date, which are the
// night of the day before.

#include "jour_commun.h"
#include "zmanim/settings/panneau_parametres.h"
#include "zmanim/settings/parametres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace orvane::zmanim
{
namespace
{

using namespace test;

const Lieu lille{"50°38N", "3°04E", "+1"};
const Lieu londres{"51°30N", "0°07W", "0"};

/// A place of the routine: radians, longitude WEST positive.
struct Coordonnees {
    const char* nom;
    double latitude;
    double longitude;
};

/// Degrees and minutes north and east; a place west of Greenwich gives both
/// its longitude's degrees and minutes negative.
Coordonnees en_radians(const char* nom, double lat_deg, double lat_min, double est_deg,
                       double est_min)
{
    return {nom, (lat_deg + lat_min / 60) * radians_par_degre,
            -(est_deg + est_min / 60) * radians_par_degre};
}

/// Every civil day of the years `de` to `a`.
template <class F>
void chaque_jour(int de, int a, F&& f)
{
    for (int annee = de; annee <= a; ++annee) {
        for (int mois = 1; mois <= 12; ++mois) {
            const int n = engine::jours_du_mois_civil(annee, mois);
            for (int jour = 1; jour <= n; ++jour) {
                f(engine::DateCivile{annee, mois, jour});
            }
        }
    }
}

std::string texte_date(const engine::DateCivile& d)
{
    return std::to_string(d.jour) + '/' + std::to_string(d.mois) + '/' + std::to_string(d.annee);
}

// The routine alone, every day of 2000–2050, every altitude of the zmanim,
// the sun evaluated at 12 h UT and again at the instant of each crossing (the
// second pass): the two crossings stand on either side of their midday and
// less than a day apart, and that midday is the sun's passage on the meridian
// of the place, 12 h UT plus the longitude's hours give or take the equation
// of time (at most 16.5 minutes). The places run from Paris to 60° N, where a
// night or a dawn at 16.1° falls near midnight for weeks, and to both sides
// of Greenwich.
TEST(PassagesAutourDeMinuit, ChaqueCroisementResteDansSaJournee)
{
    const Coordonnees lieux[] = {
        en_radians("Paris", 48, 52, 2, 20),       en_radians("Lille", 50, 38, 3, 4),
        en_radians("Londres", 51, 30, -0, -7),    en_radians("Calais", 50, 57, 1, 51),
        en_radians("Bruxelles", 50, 51, 4, 21),   en_radians("Oslo", 59, 55, 10, 45),
        en_radians("Helsinki", 60, 10, 24, 56),   en_radians("Reykjavik", 64, 8, -21, -56),
        en_radians("Vladivostok", 43, 7, 131, 54)};
    const double depressions[] = {0, 6, 7.08, 8, 8.5, 11, 12, 16.1, 18};
    constexpr double equation_du_temps_max = 16.5 / 60;
    // The sun's motion between evaluations, and the sidereal factor of the
    // routine's hours.
    constexpr double marge = 8.0 / 60;
    int croisements = 0;
    for (const Coordonnees& l : lieux) {
        const double midi_moyen = 12 + l.longitude * heures_par_radian;
        chaque_jour(2000, 2050, [&](const engine::DateCivile& d) {
            for (double degres : depressions) {
                const double sinus =
                    degres == 0 ? sinus_lever_coucher(34, false) : sinus_depression(degres);
                const PassagesSoleil midi = passages_soleil(d, l.latitude, l.longitude, sinus, 0);
                if (midi.passage != Passage::normal) {
                    continue;
                }
                const double instants[] = {0, decalage_jd_de_l_heure(midi.lever),
                                           decalage_jd_de_l_heure(midi.coucher)};
                for (double decalage : instants) {
                    const PassagesSoleil p =
                        passages_soleil(d, l.latitude, l.longitude, sinus, decalage);
                    if (p.passage != Passage::normal) {
                        continue;
                    }
                    ++croisements;
                    const double milieu = (p.lever + p.coucher) / 2;
                    ASSERT_LT(p.lever, p.coucher)
                        << l.nom << ' ' << texte_date(d) << ' ' << degres << "° " << decalage;
                    ASSERT_LT(p.coucher - p.lever, 24)
                        << l.nom << ' ' << texte_date(d) << ' ' << degres << "° " << decalage;
                    ASSERT_NEAR(milieu, midi_moyen, equation_du_temps_max + marge)
                        << l.nom << ' ' << texte_date(d) << ' ' << degres << "° " << decalage;
                }
            }
        });
    }
    EXPECT_GT(croisements, 1000000);
}

/// The times of the day page for a place and an opinion.
DayTimes jour_page(const Lieu& lieu, const engine::DateCivile& d, std::string_view avis,
                   std::string_view pays, std::string_view ville, double ete = 0)
{
    ZmanimSettings r;
    applique_halakha(r);
    r.opinion_accueil = std::string(avis);
    r.opinion_calcul = std::string(avis);
    initialise_angles(r);
    applique_tossefet(r, pays, ville);
    return calcule(lieu, d.jour, d.mois, d.annee, std::string(avis), ete, r);
}

/// A slot that holds a crossing of the day, not solar midnight standing in
/// for an angle the sun does not reach.
bool croisement_du_jour(const DayTimes& j, double t, const TexteHoraire& texte)
{
    return texte.definie() && std::fabs(t - (j.t_hatsot + 12)) > 1e-9 &&
           std::fabs(t - (j.t_hatsot - 12)) > 1e-9;
}

// The whole day, every day of 2000–2050 at Lille, London and Paris, with the
// opinions whose dawn and night are angles: every morning crossing within the
// 12 hours before the day's midday, every evening one within the 12 hours
// after it; and when dawn and night both exist the seasonal hour is a twelfth
// of the time between them, never the two hours that stand in when night
// came before dawn.
TEST(PassagesAutourDeMinuit, LesEvenementsDuJourEntourentSonMidi)
{
    struct Ville {
        const Lieu* lieu;
        const char* nom;
        const char* pays;
        const char* ville;
    };
    const Ville villes[] = {{&lille, "Lille", "France", "LILLE (59)"},
                            {&londres, "Londres", "Angleterre", "LONDRES"},
                            {&paris, "Paris", "France", "PARIS (75)"}};
    const char* const avis[] = {"Beth Din (France)", "Or Méïr", "Admour Hazaken",
                                "Bureau des Longitudes"};
    int nuits_apres_minuit = 0;
    for (const Ville& v : villes) {
        for (const char* a : avis) {
            chaque_jour(2000, 2050, [&](const engine::DateCivile& d) {
                const DayTimes j = jour_page(*v.lieu, d, a, v.pays, v.ville);
                ASSERT_FALSE(j.erreur_horaires) << j.message_erreur;
                ASSERT_FALSE(j.jour_polaire);
                const std::string quoi = std::string(v.nom) + ' ' + a + ' ' + texte_date(d);
                const struct {
                    double t;
                    const TexteHoraire& texte;
                    const char* nom;
                } matin[] = {{j.t_aube, j.heureA, "aube"},
                             {j.t_tephilin, j.heureT, "tephilin"},
                             {j.t_crepuscule_civil, j.heureCVLV, "crépuscule civil"},
                             {j.t_lever, j.heureL, "lever"}},
                  soir[] = {{j.t_coucher, j.heureC, "coucher"},
                            {j.t_etoiles, j.heureTSE, "étoiles"},
                            {j.t_etoiles_chema, j.heureTSECHEMA, "étoiles du Chéma"},
                            {j.t_sortie, j.heureSOR, "sortie"},
                            {j.t_nuit, j.heureN, "nuit"}};
                for (const auto& c : matin) {
                    if (croisement_du_jour(j, c.t, c.texte)) {
                        ASSERT_LT(c.t, j.t_hatsot) << quoi << ' ' << c.nom;
                        ASSERT_GE(c.t, j.t_hatsot - 12) << quoi << ' ' << c.nom;
                    }
                }
                for (const auto& c : soir) {
                    if (croisement_du_jour(j, c.t, c.texte)) {
                        ASSERT_GT(c.t, j.t_hatsot) << quoi << ' ' << c.nom;
                        ASSERT_LE(c.t, j.t_hatsot + 12) << quoi << ' ' << c.nom;
                    }
                }
                if (croisement_du_jour(j, j.t_aube, j.heureA) &&
                    croisement_du_jour(j, j.t_nuit, j.heureN)) {
                    ASSERT_GT(j.t_nuit, j.t_aube) << quoi;
                    ASSERT_EQ(j.heure_saison_an, (j.t_nuit - j.t_aube) / 12) << quoi;
                    if (j.t_nuit + j.zone >= 24) {
                        ++nuits_apres_minuit;
                    }
                }
            });
        }
    }
    // Lille and London see a night past midnight about once a year.
    EXPECT_GT(nuits_apres_minuit, 50);
}

// Lille, 13 June 2025, the default opinion, French summer time (UT + 2). The
// sun only just reaches 16.1° below the horizon: dawn at 02:00, night at
// 01:46 of the 14th (25.76 h), past midnight as the other times past midnight
// are written. A precise ephemeris puts the end of the Chema, three twelfths
// of dawn to night after dawn, at 07:56:44.
TEST(PassagesAutourDeMinuit, LilleLe13Juin2025)
{
    const DayTimes j =
        jour_page(lille, {2025, 6, 13}, "Beth Din (France)", "France", "LILLE (59)", 1);
    ASSERT_FALSE(j.erreur_horaires) << j.message_erreur;
    const double heure_locale = j.zone + j.correction_ete;
    ASSERT_EQ(heure_locale, 2);

    EXPECT_GT(j.t_nuit, j.t_coucher);
    EXPECT_GE(j.t_nuit + heure_locale, 24) << "after the midnight that ends the 13th";
    EXPECT_LT(j.t_nuit + heure_locale, 26);
    EXPECT_EQ(horloge(j.heureN), "01:46");
    EXPECT_EQ(horloge(j.heureA), "02:00");

    // The night of the 12th, computed for the 12th, a little earlier: near
    // the solstice, when the sun only just reaches the angle, the night
    // comes about 11 minutes later each day.
    const DayTimes veille =
        jour_page(lille, {2025, 6, 12}, "Beth Din (France)", "France", "LILLE (59)", 1);
    EXPECT_GT(j.t_nuit, veille.t_nuit);
    EXPECT_LT(j.t_nuit - veille.t_nuit, 15 * minute);
    EXPECT_GE(veille.t_nuit + heure_locale, 24);

    // The seasonal hour of dawn to night, and the Chema and prayer from it.
    EXPECT_EQ(j.heure_saison_an, (j.t_nuit - j.t_aube) / 12);
    EXPECT_NEAR(j.heure_saison_an, 1.98, 0.01);
    EXPECT_EQ(horloge(j.saison_an), " 01:59");
    EXPECT_EQ(j.t_chema1, j.t_aube + 3 * j.heure_saison_an);
    EXPECT_EQ(j.t_tefila1, j.t_aube + 4 * j.heure_saison_an);
    const double ephemeride_chema = 7 + 56.0 / 60 + 44.0 / 3600;
    EXPECT_NEAR(j.t_chema1 + heure_locale, ephemeride_chema, minute);
    const std::string chema = horloge(j.heureCH1);
    EXPECT_TRUE(chema == "07:56" || chema == "07:57") << chema;
    EXPECT_EQ(horloge(j.heureTA1), "09:55");
}

} // namespace
} // namespace orvane::zmanim
