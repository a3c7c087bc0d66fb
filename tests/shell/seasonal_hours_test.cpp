// The current seasonal hour by the two methods and the lengths of day and
// night.
#include "shell/day/seasonal_hours.h"

#include "platform/temporary_directory.h"
#include "shell/day/day_computation.h"

#include <gtest/gtest.h>

namespace orvane::shell
{
namespace
{

// A day of 14 hours from 06:00 to 20:00 (the evening before at 20:00 too):
// hours of 70 minutes by day and of 50 by night.
const LimitesJournee jour14{6.0, 20.0, 20.0};

TEST(HeureSaison, PendantLaJournee)
{
    const HeureSaison h = heure_saison(jour14, 13.0);
    EXPECT_TRUE(h.journee);
    EXPECT_EQ(h.heures, 6);
    EXPECT_EQ(h.minutes, 0);
    EXPECT_EQ(h.secondes, 0);
    EXPECT_EQ(ligne_heure_saison(methode_hagra, h), "  Heure actuelle Hagra   06:00:00 (journée)");
}

TEST(HeureSaison, ApresLeSoir)
{
    const HeureSaison h = heure_saison(jour14, 22.0);
    EXPECT_FALSE(h.journee);
    EXPECT_EQ(h.heures, 2);
    EXPECT_EQ(h.minutes, 24);
    EXPECT_EQ(h.secondes, 0);
    EXPECT_EQ(ligne_heure_saison(methode_maguen_abraham, h),
              "  Heure actuelle Mag.Abr.02:24:00 (nuit)");
}

// Between midnight and the morning the night began the evening before: at
// 02:00 it is 6 hours of 50 minutes after 20:00, the 7th hour and 12
// minutes of the night, never a negative hour.
TEST(HeureSaison, AvantLeMatinLaNuitCommenceLaVeille)
{
    const HeureSaison h = heure_saison(jour14, 2.0);
    EXPECT_FALSE(h.journee);
    EXPECT_EQ(h.heures, 7);
    EXPECT_EQ(h.minutes, 12);
    EXPECT_EQ(h.secondes, 0);
    // The evening before may differ from this evening's.
    const HeureSaison veille = heure_saison({6.0, 20.0, 21.0}, 1.0);
    EXPECT_EQ(veille.heures, 5); // 4 hours of a 9-hour night
    EXPECT_EQ(veille.minutes, 20);
}

// Over every second of a day the count stays within 0 .. 12 hours, and it
// grows steadily inside the night before the morning (which it did not, by
// counting from this evening's limit).
TEST(HeureSaison, ToujoursEntre0Et12Heures)
{
    for (const LimitesJournee& l :
         {jour14, LimitesJournee{8.5, 16.75, 16.7}, LimitesJournee{3.2, 23.1, 23.15}}) {
        double avant = -1;
        for (int s = 0; s < 86400; s += 7) {
            const double t = s / 3600.0;
            const HeureSaison h = heure_saison(l, t);
            const double compte = h.heures + h.minutes / 60.0 + h.secondes / 3600.0;
            ASSERT_GE(compte, 0.0) << t;
            ASSERT_LT(compte, 12.0 + 1e-9) << t;
            if (t < l.matin) {
                ASSERT_GE(compte, avant) << t;
                avant = compte;
            }
        }
    }
}

// When the night of the day before comes after midnight, the day before goes
// on until it: a day from 03:00 to 00:36 the next night lasts 21 h 36, its
// hours 108 minutes; at 00:00 it is 11:40 of that day, at 00:18 11:50, at
// 00:36 the twelfth hour ends. Then the night runs from 00:36 to 03:00, its
// hours of 12 minutes: at 00:54 it is 01:30 of the night.
TEST(HeureSaison, LaVeilleContinueJusquASaNuitApresMinuit)
{
    const LimitesJournee l{3.0, 24.6, 24.6};
    const struct {
        double maintenant;
        const char* ligne;
    } lignes[] = {
        {0.0, "  Heure actuelle Mag.Abr.11:40:00 (journée)"},
        {0.3, "  Heure actuelle Mag.Abr.11:50:00 (journée)"},
        {0.6, "  Heure actuelle Mag.Abr.12:00:00 (journée)"},
        {0.9, "  Heure actuelle Mag.Abr.01:30:00 (nuit)"},
        {3.5, "  Heure actuelle Mag.Abr.00:16:40 (journée)"},
    };
    for (const auto& r : lignes) {
        EXPECT_EQ(ligne_heure_saison(methode_maguen_abraham, heure_saison(l, r.maintenant)),
                  r.ligne)
            << r.maintenant;
    }
}

// Paris, 20 June 2025, Maguen Abraham of Or Méïr (local hours): dawn at
// 03:00:37, night at 00:44:05 the next night, and the night of the 19th at
// 00:43:47. Every second from midnight to dawn: an hour of the day of the
// 19th rising from 11:35 to 12:00 until 00:43:47, then an hour of the night
// rising from 0; never both, and the day and the night each counted on.
TEST(HeureSaison, ParisLe20Juin2025ApresMinuit)
{
    const LimitesJournee l{3.0 + 37.0 / 3600, 24.0 + 44.0 / 60 + 5.0 / 3600,
                           24.0 + 43.0 / 60 + 47.0 / 3600};
    const HeureSaison minuit = heure_saison(l, 0.0);
    EXPECT_TRUE(minuit.journee);
    EXPECT_EQ(minuit.heures, 11);
    EXPECT_EQ(minuit.minutes, 35);
    double avant = -1;
    bool nuit = false;
    for (int s = 0; s < 3 * 3600; ++s) {
        const double t = s / 3600.0;
        if (t >= l.matin) {
            break;
        }
        const HeureSaison h = heure_saison(l, t);
        const double compte = h.heures + h.minutes / 60.0 + h.secondes / 3600.0;
        constexpr int nuit_du_19 = 43 * 60 + 47; // seconds after midnight
        if (s != nuit_du_19) {
            ASSERT_EQ(h.journee, s < nuit_du_19) << s;
        }
        if (!h.journee && !nuit) {
            nuit = true;
            avant = -1;
            ASSERT_LT(compte, 0.01) << s;
        }
        ASSERT_GE(compte, avant) << s;
        ASSERT_LE(compte, 12.0) << s;
        if (h.journee) {
            ASSERT_GE(compte, 11.5) << s;
        }
        avant = compte;
    }
    EXPECT_TRUE(nuit);
}

TEST(HeureSaison, Durees)
{
    EXPECT_EQ(texte_duree(15.8667), "15.52");
    EXPECT_EQ(texte_duree(8.0), "08.00");
    EXPECT_EQ(texte_duree(9.999), "10.00");
    const std::vector<std::string> l = lignes_durees(16.1833, 21.7167);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0], "  Durée jour Lev/coucher (Hagra)     16.11");
    EXPECT_EQ(l[1], "  Durée nuit Coucher/lev (Hagra)     07.49");
    EXPECT_EQ(l[2], "  Durée jour Aube/nuit(Mag. Abr)     21.43");
    EXPECT_EQ(l[3], "  Durée nuit Nuit/aube(Mag. Abr)     02.17");
    // No dawn or no night: no length built on the solar midnights.
    const std::vector<std::string> sans = lignes_durees(16.1833, std::nullopt);
    EXPECT_EQ(sans[0], l[0]);
    EXPECT_EQ(sans[2], "  Durée jour Aube/nuit(Mag. Abr)     --");
    EXPECT_EQ(sans[3], "  Durée nuit Nuit/aube(Mag. Abr)     --");
}

// The day page by the Bureau des Longitudes in June at Paris, where the sun
// never reaches 18 degrees: the Maguen Abraham lengths are "--", not 24.00.
TEST(HeureSaison, SansAubeNiNuitPasDeDuree)
{
    platform::test_support::TemporaryDirectory dir;
    DemandeJourAccueil d;
    d.date = {2024, 6, 20};
    d.lieu = {"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
    d.opinion = "Bureau des Longitudes";
    const JourCalcule j = calcule_jour(DonneesChargees(dir.path()), d);
    ASSERT_EQ(j.durees.size(), 4u);
    EXPECT_EQ(j.durees[2], "  Durée jour Aube/nuit(Mag. Abr)     --");
    d.date = {2024, 3, 20};
    EXPECT_NE(calcule_jour(DonneesChargees(dir.path()), d).durees[2].find("--"), 0u);
}

} // namespace
} // namespace orvane::shell
