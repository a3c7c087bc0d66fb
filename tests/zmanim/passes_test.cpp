// The two passes over the day and the constants they use: one evaluation
// with the sun of the event's own instant is enough, the sun's coordinates
// of the decimal line come from the midday evaluation only, and the default
// angle texts say the numbers the computation uses.

#include "jour_commun.h"
#include "zmanim/settings/panneau_parametres.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane::zmanim
{
namespace
{

using namespace test;

static_assert(decalage_jd_de_l_heure(12) == 0);
static_assert(decalage_jd_de_l_heure(4) == -1.0 / 3);
static_assert(decalage_jd_de_l_heure(36) == 1);

const double paris_lat = (48 + 52.0 / 60) * radians_par_degre;
const double paris_lon = -(2 + 20.0 / 60) * radians_par_degre;

// One second pass is enough: it moves an event by many seconds from where the
// sun of noon put it, and a third evaluation, with the sun of the instant the
// second found, moves it by well under a second. Every day of 2024 at Paris,
// sunrise, sunset, dawn and night.
TEST(DeuxPasses, UnSecondPassageSuffit)
{
    const double hauteurs[] = {-std::sin(50 * radians_par_degre / 60),
                               sinus_depression(degres_aube)};
    for (int mois = 1; mois <= 12; ++mois) {
        for (int jour = 1; jour <= 28; ++jour) {
            for (double sinus : hauteurs) {
                const PassagesSoleil midi =
                    passages_soleil({2024, mois, jour}, paris_lat, paris_lon, sinus, 0);
                ASSERT_EQ(midi.passage, Passage::normal) << jour << "/" << mois;
                for (const bool matin : {true, false}) {
                    const double premier = matin ? midi.lever : midi.coucher;
                    const PassagesSoleil second =
                        passages_soleil({2024, mois, jour}, paris_lat, paris_lon, sinus,
                                        decalage_jd_de_l_heure(premier));
                    const double t2 = matin ? second.lever : second.coucher;
                    const PassagesSoleil troisieme =
                        passages_soleil({2024, mois, jour}, paris_lat, paris_lon, sinus,
                                        decalage_jd_de_l_heure(t2));
                    const double t3 = matin ? troisieme.lever : troisieme.coucher;
                    EXPECT_GT(std::fabs(t2 - premier), 5 * seconde) << jour << "/" << mois;
                    EXPECT_LT(std::fabs(t3 - t2), seconde) << jour << "/" << mois;
                }
            }
        }
    }
}

// With "Affiche en décimal" only the evaluation that asks for them writes the
// sun's coordinates, and only the first time in a day.
TEST(DeuxPasses, LesCoordonneesDuSoleilNeViennentQueDeMidi)
{
    ZmanimSettings r;
    r.affiche_decimal = true;
    DayTimes j;
    j.sinus_hauteur = -std::sin(50 * radians_par_degre / 60);
    j.calcul_lever_coucher({2024, 6, 21}, paris_lat, paris_lon, r);
    EXPECT_TRUE(j.soleil_decimal.empty()) << "an event's evaluation";
    j.calcul_lever_coucher({2024, 6, 21}, paris_lat, paris_lon, r, true);
    EXPECT_EQ(j.soleil_decimal.substr(0, 3), "6.0") << j.soleil_decimal;
    const std::string midi = j.soleil_decimal;
    j.decalage_jd = 0.25;
    j.calcul_lever_coucher({2024, 6, 21}, paris_lat, paris_lon, r, true);
    EXPECT_EQ(j.soleil_decimal, midi) << "kept once written";

    r.affiche_decimal = false;
    DayTimes sans;
    sans.sinus_hauteur = j.sinus_hauteur;
    sans.calcul_lever_coucher({2024, 6, 21}, paris_lat, paris_lon, r, true);
    EXPECT_TRUE(sans.soleil_decimal.empty());
}

// A computed day: the coordinates are those of the sun at midday (right
// ascension near 6 h at the June solstice, 18 h at the December one).
TEST(DeuxPasses, LaJourneeReleveLeSoleilDeMidi)
{
    ZmanimSettings r;
    r.affiche_decimal = true;
    const DayTimes juin = calcule(paris, 21, 6, 2024, "Or Méïr", 1, r);
    const DayTimes decembre = calcule(paris, 21, 12, 2024, "Or Méïr", 0, r);
    EXPECT_NEAR(std::stod(juin.soleil_decimal), 6.0, 0.1) << juin.soleil_decimal;
    EXPECT_NEAR(std::stod(decembre.soleil_decimal), 18.0, 0.1) << decembre.soleil_decimal;
}

TEST(Constantes, UnAngleEstRameneEntreZeroEtDeuxPi)
{
    for (double angle = -20; angle <= 20; angle += 0.001) {
        const double r = reduit_tour(angle);
        ASSERT_GE(r, 0) << angle;
        ASSERT_LE(r, deux_pi) << angle;
        const double tours = (angle - r) / deux_pi;
        ASSERT_NEAR(tours, std::round(tours), 1e-9) << angle;
    }
    EXPECT_EQ(reduit_tour(deux_pi), deux_pi) << "a whole turn is kept, not brought to 0";
}

// The texts the boxes show and the "déf" buttons write back read as the
// angles the computation uses.
TEST(Constantes, LesTextesParDefautDisentLesAnglesParDefaut)
{
    const std::string etoiles_chema = ContexteCalcul{}.texte_etoiles_chema;
    const std::string refraction = ZmanimSettings{}.refraction;
    const struct {
        std::string_view texte;
        double degres;
    } angles[] = {
        {texte_aube_defaut, degres_aube},
        {texte_tephilin_defaut, degres_tephilin},
        {texte_etoiles_defaut, degres_etoiles},
        {texte_etoiles_rav_rottenberg, degres_etoiles_rav_rottenberg},
        {texte_sortie_defaut, degres_sortie},
        {texte_nuit_defaut, degres_nuit},
        {texte_admour_defaut, degres_admour},
        {texte_admour_chema_defaut, degres_admour_chema},
        {etoiles_chema, degres_etoiles_chema},
        {refraction, refraction_defaut},
    };
    for (const auto& a : angles) {
        EXPECT_EQ(angle_en_degres(a.texte), a.degres) << a.texte;
    }
    const ControlesParametres c;
    const std::string* textes[] = {&c.texte_aube, &c.texte_tephilin, &c.texte_etoiles,
                                   &c.texte_sortie, &c.texte_nuit};
    for (std::size_t i = 0; i < c.angles_reference.size(); ++i) {
        EXPECT_EQ(angle_en_degres(*textes[i]), c.angles_reference[i]) << *textes[i];
    }
    EXPECT_FALSE(angles_hors_opinion(c)) << "the window opens on its own defaults";
}

} // namespace
} // namespace orvane::zmanim
