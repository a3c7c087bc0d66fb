// Seasons, the blessing of the sun and the prayer for rain.

#include "engine/calendar_engine.h"
#include "engine/dates.h"
#include "events/cycles/season_rows.h"
#include "events/cycles/seasons.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane::events
{
namespace
{

using engine::CalendarEngine;
using engine::DateCivile;

/// Days from a fixed origin: Julian calendar to 4 October 1582, Gregorian
/// from 15 October 1582 (the test's own count, independent of the engine).
long long numero_jour(DateCivile d)
{
    const bool julien = d < DateCivile{1582, 10, 15};
    const long long a = d.mois <= 2 ? d.annee - 1 : d.annee;
    const long long m = d.mois <= 2 ? d.mois + 12 : d.mois;
    long long n = 365 * a + (a >= 0 ? a / 4 : (a - 3) / 4) + (153 * (m - 3) + 2) / 5 + d.jour;
    if (!julien) {
        n += -(a / 100) + a / 400 + 2;
    }
    return n;
}

TEST(Tekoufot, Annee5785)
{
    CalendarEngine e;
    e.convertit_civil_hebreu(2025, 1, 5);
    const auto t = calcule_tekoufot(5785);
    EXPECT_EQ(t[1].jour_civil, 7);
    EXPECT_EQ(t[1].mois_civil, 10);
    EXPECT_EQ(t[1].annee_civile, 2024);
    EXPECT_DOUBLE_EQ(t[1].heures, 3.0);
    EXPECT_EQ(t[1].nom_jour, "Lundi    ");
    EXPECT_EQ(t[1].jour_hebr, 5);
    EXPECT_EQ(t[1].mois_hebr, 1);
    EXPECT_DOUBLE_EQ(t[2].heures, 10.5);
    EXPECT_EQ(t[3].mois_civil, 4);
    EXPECT_EQ(t[3].jour_civil, 7);
    EXPECT_DOUBLE_EQ(t[3].heures, 18.0);
    EXPECT_EQ(ligne_tekoufa(5785, 1, t[1]),
              "      TICHRI  5785   Lundi     7  Octobre   2024  à   3h  0mn  --->  5   Tichri   "
              "5785   ");
    // The caller's date is left alone.
    EXPECT_EQ(e.annee_civile, 2025);
    EXPECT_EQ(e.jour_hebr, 5);
}

// The four seasons are 91 days 7 h 30 apart, and a year of seasons is 365¼
// days, over the whole range; every date is a real civil date.
TEST(Tekoufot, EcartsConstantsSurToutesLesAnnees)
{
    double precedente = 0;
    for (int annee = 3860; annee <= 13759; ++annee) {
        const auto t = calcule_tekoufot(annee);
        for (int i = 1; i <= 4; ++i) {
            const Tekoufa& s = t[static_cast<std::size_t>(i)];
            ASSERT_GE(s.jour_civil, 1);
            ASSERT_LE(s.jour_civil, engine::jours_du_mois_civil(s.annee_civile, s.mois_civil))
                << annee << " season " << i;
            const double instant =
                static_cast<double>(numero_jour({s.annee_civile, s.mois_civil, s.jour_civil})) +
                s.heures / 24;
            if (precedente != 0) {
                ASSERT_NEAR(instant - precedente, 91.3125, 1e-9) << annee << " season " << i;
            }
            precedente = instant;
        }
    }
}

// From Hebrew year 13061 the season of Tamouz falls in September: its row
// writes the civil year of its date, not the year of the spring before.
TEST(Tekoufot, SaisonDeTamouzEnSeptembre)
{
    const Tekoufa tamouz = calcule_tekoufot(13061)[4];
    EXPECT_EQ(tamouz.mois_civil, 9);
    EXPECT_EQ(tamouz.annee_civile, 9301);
    EXPECT_EQ(ligne_tekoufa(13061, 4, tamouz),
              "      TAMOUZ  13061  Jeudi     1  Septembre 9301  à   1h 30mn  --->  24  Tamouz   "
              "13061  ");
    // 5343: the season of Tichri is a Julian date, before the reform.
    const Tekoufa tichri = calcule_tekoufot(5343)[1];
    EXPECT_EQ(tichri.jour_civil, 24);
    EXPECT_EQ(tichri.mois_civil, 9);
    EXPECT_EQ(tichri.annee_civile, 1582);
}

TEST(Tekoufot, SaisonDeNissanDeLaBenediction)
{
    const Tekoufa t = calcule_tekoufa_nissan(5769);
    EXPECT_EQ(t.jour_civil, 8);
    EXPECT_EQ(t.mois_civil, 4);
    EXPECT_EQ(t.annee_civile, 2009);
    EXPECT_EQ(t.jour_semaine, 4);
    EXPECT_DOUBLE_EQ(t.heures, 0.0);
}

TEST(Guechamim, Annee5785)
{
    const auto t = calcule_tekoufot(5785);
    EXPECT_EQ(calcule_guechamim(t[1]), (DateCivile{2024, 12, 5}));
    const DateGuechamim d = date_guechamim(5785, true);
    EXPECT_EQ(d.mois_hebr, 3);
    EXPECT_EQ(d.jour_hebr, 4);
    const DateGuechamim israel = date_guechamim(5785, false);
    EXPECT_EQ(israel.civile, (DateCivile{2024, 11, 8}));
    EXPECT_EQ(israel.jour_hebr, 7);
    EXPECT_EQ(israel.mois_hebr, 2);
}

// From the 60th day after the season (the 61st when it falls at 18 h or
// later), carried into the next month and the next civil year as needed.
TEST(Guechamim, SoixanteJoursApresLaSaisonSurToutesLesAnnees)
{
    bool passe_en_janvier = false;
    for (int annee = 3860; annee <= 13759; ++annee) {
        const Tekoufa tichri = calcule_tekoufot(annee)[1];
        const DateCivile d = calcule_guechamim(tichri);
        ASSERT_LE(d.jour, engine::jours_du_mois_civil(d.annee, d.mois)) << annee;
        const long long ecart =
            numero_jour(d) -
            numero_jour({tichri.annee_civile, tichri.mois_civil, tichri.jour_civil});
        ASSERT_EQ(ecart, tichri.heures >= 18 ? 60 : 59) << annee;
        passe_en_janvier = passe_en_janvier || d.mois == 1;
        if (d.mois == 1) {
            ASSERT_EQ(d.annee, tichri.annee_civile + 1) << annee;
        }
    }
    EXPECT_TRUE(passe_en_janvier);
}

TEST(TablesSaisons, TekoufotEtGuechamim)
{
    const auto lignes = table_tekoufot(5785, 1, 1);
    ASSERT_EQ(lignes.size(), 6u);
    EXPECT_EQ(lignes[0], "      Tékoufot pour les années 5785 5785");
    EXPECT_EQ(lignes[1], "      Tékoufa : Année 5785");
    EXPECT_EQ(table_tekoufot(5785, 2, 1, 3).size(), 5u);

    const auto g = table_guechamim(5785, 1, 1, true);
    ASSERT_EQ(g.size(), 10u);
    EXPECT_EQ(g[0], "      Guéchamim/Tal en Diaspora");
    EXPECT_EQ(g[8], "     Chéélat Guechamim  5785 : Jeudi     4  Kislev   5785   --->    5  "
                    "Décembre 2024");
    EXPECT_EQ(g[9],
              "     Tikoun Hatal       5785 : Dimanche  15 Nissan   5785   --->    13 Avril    "
              "2025");
}

TEST(TablesSaisons, BirkatHahama)
{
    const auto lignes = table_birkat_hahama(5600, 500, 28);
    const auto trouve = [&](const std::string& texte) {
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            if (lignes[i].find(texte) != std::string::npos) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    const int prochain = trouve("Prochain");
    ASSERT_GT(prochain, 0);
    EXPECT_NE(lignes[static_cast<std::size_t>(prochain + 1)].find("8  Avril2037  --->"),
              std::string::npos)
        << lignes[static_cast<std::size_t>(prochain + 1)];
    EXPECT_NE(lignes[static_cast<std::size_t>(prochain + 1)].find(" 5797"), std::string::npos);
    EXPECT_GT(trouve("Mercredi 8  Avril2009  --->"), 0);
    EXPECT_EQ(lignes[4], "      Birkat Hahama : Calcul depuis l'année 5600");
}

} // namespace
} // namespace orvane::events
