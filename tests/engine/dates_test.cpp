// The dates of the two calendars: day numbers, weekdays and day steps,
// across the reform of 1582, against the independent day count of the tests.

#include "engine/calendar_engine.h"
#include "engine/dates.h"
#include "reference_calendar.h"

#include <gtest/gtest.h>

namespace orvane::engine
{
namespace
{

namespace ref = orvane::reference;

TEST(JoursCivils, LaReformeSauteDixJours)
{
    EXPECT_EQ(lendemain(DateCivile{1582, 10, 4}), (DateCivile{1582, 10, 15}));
    EXPECT_EQ(veille(DateCivile{1582, 10, 15}), (DateCivile{1582, 10, 4}));
    EXPECT_EQ(lendemain(DateCivile{1500, 2, 28}), (DateCivile{1500, 2, 29}));
    EXPECT_EQ(lendemain(DateCivile{1700, 2, 28}), (DateCivile{1700, 3, 1}));
    EXPECT_EQ(lendemain(DateCivile{1999, 12, 31}), (DateCivile{2000, 1, 1}));
    EXPECT_EQ(veille(DateCivile{2000, 3, 1}), (DateCivile{2000, 2, 29}));
    EXPECT_EQ(veille(DateCivile{2000, 1, 1}), (DateCivile{1999, 12, 31}));
}

// Forward and backward steps are inverse and follow the reference count.
TEST(JoursCivils, PasAvantEtArriereSurToutesLesAnnees)
{
    DateCivile d{100, 1, 1};
    std::int64_t fixe = ref::fixed_from_civil({100, 1, 1});
    while (d.annee < 10000) {
        const DateCivile suivant = lendemain(d);
        ASSERT_EQ(veille(suivant), d);
        ASSERT_EQ(ref::fixed_from_civil({suivant.annee, suivant.mois, suivant.jour}), fixe + 1)
            << d.annee << '-' << d.mois << '-' << d.jour;
        d = suivant;
        ++fixe;
    }
}

// The Julian Day Number is the reference count moved by a constant (its
// day 1, Monday 1 January of year 1 Gregorian, is Julian Day 1 721 426).
constexpr std::int64_t jd_du_jour_fixe_zero = 1721425;

ref::Ymd ymd(const DateCivile& d)
{
    return {d.annee, d.mois, d.jour};
}

// Every civil day from 1 January 100 to 31 December 9999: the number is the
// reference count, it comes back to the same date, the next day is the next
// number and the weekday turns by one.
TEST(NumeroJour, ToutesLesDatesDe100A9999)
{
    DateCivile d{100, 1, 1};
    NumeroJour n = numero_du_civil(d);
    int semaine = jour_semaine(n);
    while (d.annee < 10000) {
        ASSERT_EQ(n.valeur, ref::fixed_from_civil(ymd(d)) + jd_du_jour_fixe_zero)
            << d.annee << '-' << d.mois << '-' << d.jour;
        ASSERT_EQ(civil_du_numero(n), d) << n.valeur;
        ASSERT_EQ(jour_semaine(d), semaine);
        ASSERT_EQ(semaine, ref::weekday(ref::fixed_from_civil(ymd(d))));
        d = lendemain(d);
        ++n;
        semaine = semaine % 7 + 1;
    }
}

// Far years, before the era and far ahead: the number and the date still
// come back to each other, in either calendar of the count.
TEST(NumeroJour, AllerRetourLoinDesAnneesDuProgramme)
{
    for (std::int64_t j = numero_du_civil({-4712, 1, 1}).valeur - 800000;
         j < numero_du_civil({30000, 1, 1}).valeur; j += 997) {
        const NumeroJour n{j};
        ASSERT_EQ(numero_du_civil(civil_du_numero(n)), n) << j;
    }
    EXPECT_EQ(civil_du_numero({0}), (DateCivile{-4712, 1, 1}));
    EXPECT_EQ(numero_du_civil({1582, 10, 15}) - numero_du_civil({1582, 10, 4}), 1);
    EXPECT_EQ(numero_du_civil({2024, 3, 1}) - numero_du_civil({2024, 2, 28}), 2);
    EXPECT_EQ(numero_du_civil({1500, 3, 1}) - numero_du_civil({1500, 2, 28}), 2); // Julian
    EXPECT_EQ(numero_du_civil({1700, 3, 1}) - numero_du_civil({1700, 2, 28}), 1);
}

// The Hebrew day steps follow the civil ones, through the engine's
// conversions, over every civil day of 1800 to 2200 (every year type and
// Adar of both kinds of year).
TEST(JoursHebreux, LendemainEtVeilleSuiventLesJoursCivils)
{
    CalendarEngine e;
    e.convertit_civil_hebreu(1800, 1, 1);
    DateHebraique h{e.annee_hebr, e.mois_hebr, e.jour_hebr};
    for (DateCivile d{1800, 1, 1}; d.annee < 2200;) {
        d = lendemain(d);
        e.convertit_civil_hebreu(d.annee, d.mois, d.jour);
        const DateHebraique suivant{e.annee_hebr, e.mois_hebr, e.jour_hebr};
        ASSERT_EQ(lendemain(h), suivant) << d.annee << '-' << d.mois << '-' << d.jour;
        ASSERT_EQ(veille(suivant), h);
        h = suivant;
    }
    EXPECT_EQ(hebraique_du_civil({2023, 9, 16}), (DateHebraique{5784, 1, 1}));
    EXPECT_EQ(civil_de_l_hebreu({5784, 1, 1}), (DateCivile{2023, 9, 16}));
    EXPECT_EQ(civil_de_l_hebreu(hebraique_du_civil({1582, 10, 4})), (DateCivile{1582, 10, 4}));
}

// A failed check names the dates it compared.
TEST(Dates, LesEchecsNommentLesDates)
{
    EXPECT_EQ(::testing::PrintToString(DateCivile{2024, 6, 21}), "2024-06-21");
    EXPECT_EQ(::testing::PrintToString(DateCivile{-3760, 10, 7}), "-3760-10-07");
    EXPECT_EQ(::testing::PrintToString(DateHebraique{5784, 8, 15}), "5784-08-15 (hébreu)");
}

} // namespace
} // namespace orvane::engine
