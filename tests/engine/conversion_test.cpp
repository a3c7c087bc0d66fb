// Civil ↔ Hebrew conversions: every day of the supported range against an
// independent day count, and the worked dates of the calendar's edges.

#include "engine/calendar_engine.h"
#include "engine/date_validity.h"
#include "engine/dates.h"
#include "reference_calendar.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvane::engine
{
namespace
{

namespace ref = orvane::reference;

static_assert(ref::hebrew_epoch == -1373427);
static_assert(ref::fixed_from_gregorian({2023, 9, 16}) == ref::new_year(5784));

struct Hebreu {
    int annee, mois, jour;
};

struct Civil {
    int annee, mois, jour;
};

std::string texte(const CalendarEngine& e)
{
    std::ostringstream s;
    s << e.annee_civile << '-' << e.mois_civil << '-' << e.jour_civil << " = " << e.annee_hebr
      << '-' << e.mois_hebr << '-' << e.jour_hebr << " (jour " << e.jour_semaine << ')';
    return s.str();
}

// Walks every civil day of the era, from Monday 7 October −3760 (1 Tichri 1)
// to 31 December 9999: Julian until 4 October 1582, then Gregorian from 15
// October, years before 1 astronomical (year 0 exists). Each day converts to
// the Hebrew date of the reference count and back to itself, and from one
// day to the next the weekday and the Hebrew date advance by exactly one day.
TEST(Conversion, ChaqueJourDe1Tichri1Au31Decembre9999AllerEtRetour)
{
    CalendarEngine e;
    DateCivile c = premier_jour_ere;
    ASSERT_EQ(ref::hebrew_from_fixed(ref::fixed_from_julian({-3760, 10, 7})), (ref::Ymd{1, 1, 1}));
    std::int64_t fixe = ref::fixed_from_civil({c.annee, c.mois, c.jour});
    ref::Ymd h = ref::hebrew_from_fixed(fixe);
    int jour_precedent = 0;
    ref::Ymd hebreu_precedent{};
    long jours = 0;
    for (;;) {
        ASSERT_EQ(ref::fixed_from_civil({c.annee, c.mois, c.jour}), fixe)
            << "lendemain civil faux avant " << c.annee << '-' << c.mois << '-' << c.jour;

        e.convertit_civil_hebreu(c.annee, c.mois, c.jour);
        const ref::Ymd obtenu{e.annee_hebr, e.mois_hebr, e.jour_hebr};
        ASSERT_EQ(obtenu, h) << texte(e) << ", attendu " << h.y << '-' << h.m << '-' << h.d;
        ASSERT_EQ(e.jour_semaine, ref::weekday(fixe)) << texte(e);
        ASSERT_EQ(e.annee_civile, c.annee);
        ASSERT_EQ(e.mois_civil, c.mois);
        ASSERT_EQ(e.jour_civil, c.jour);
        if (jours > 0) {
            ASSERT_EQ(e.jour_semaine, jour_precedent % 7 + 1) << texte(e);
            ASSERT_EQ(obtenu, ref::next_hebrew(hebreu_precedent)) << texte(e);
        }
        jour_precedent = e.jour_semaine;
        hebreu_precedent = obtenu;

        e.convertit_hebreu_civil(h.y, h.m, h.d);
        ASSERT_EQ((ref::Ymd{e.annee_civile, e.mois_civil, e.jour_civil}),
                  (ref::Ymd{c.annee, c.mois, c.jour}))
            << "retour de " << h.y << '-' << h.m << '-' << h.d;
        ASSERT_EQ(e.jour_semaine, ref::weekday(fixe)) << texte(e);
        ASSERT_EQ((ref::Ymd{e.annee_hebr, e.mois_hebr, e.jour_hebr}), h);

        ++jours;
        if (c == dernier_jour_ere) {
            break;
        }
        c = lendemain(c);
        ++fixe;
        h = ref::next_hebrew(h);
    }
    EXPECT_EQ(jours, ref::fixed_from_gregorian({9999, 12, 31}) -
                         ref::fixed_from_julian({-3760, 10, 7}) + 1);
}

struct ExempleConversion {
    const char* nom;
    Civil civil;
    Hebreu hebreu;
    int jour_semaine;

    // A failing case is reported by its name, not as raw bytes.
    friend void PrintTo(const ExempleConversion& x, std::ostream* os) { *os << x.nom; }
};

class ExemplesConversion : public testing::TestWithParam<ExempleConversion>
{
};

TEST_P(ExemplesConversion, CivilVersHebreu)
{
    const ExempleConversion& x = GetParam();
    CalendarEngine e;
    e.convertit_civil_hebreu(x.civil.annee, x.civil.mois, x.civil.jour);
    EXPECT_EQ(e.annee_hebr, x.hebreu.annee);
    EXPECT_EQ(e.mois_hebr, x.hebreu.mois);
    EXPECT_EQ(e.jour_hebr, x.hebreu.jour);
    EXPECT_EQ(e.jour_semaine, x.jour_semaine);
}

TEST_P(ExemplesConversion, HebreuVersCivil)
{
    const ExempleConversion& x = GetParam();
    CalendarEngine e;
    e.convertit_hebreu_civil(x.hebreu.annee, x.hebreu.mois, x.hebreu.jour);
    EXPECT_EQ(e.annee_civile, x.civil.annee);
    EXPECT_EQ(e.mois_civil, x.civil.mois);
    EXPECT_EQ(e.jour_civil, x.civil.jour);
    EXPECT_EQ(e.jour_semaine, x.jour_semaine);
    EXPECT_EQ(e.annee_civile_base, x.hebreu.annee - 3760);
}

INSTANTIATE_TEST_SUITE_P(
    DatesRemarquables, ExemplesConversion,
    testing::Values(ExempleConversion{"RoshHachana5784", {2023, 9, 16}, {5784, 1, 1}, 7},
                    ExempleConversion{"VeilleDe5784", {2023, 9, 15}, {5783, 13, 29}, 6},
                    ExempleConversion{"Pessah5784", {2024, 4, 23}, {5784, 8, 15}, 3},
                    ExempleConversion{"Adar2De5784", {2024, 3, 11}, {5784, 7, 1}, 2},
                    ExempleConversion{"RoshHachana5785", {2024, 10, 3}, {5785, 1, 1}, 5},
                    ExempleConversion{"DernierJour13759", {9999, 11, 3}, {13759, 13, 29}, 4},
                    ExempleConversion{"PremierJour3860", {99, 9, 5}, {3860, 1, 1}, 5},
                    ExempleConversion{"RoshHachana5460", {1699, 9, 24}, {5460, 1, 1}, 5},
                    ExempleConversion{"Janvier1700", {1700, 1, 1}, {5460, 4, 10}, 6},
                    ExempleConversion{"FinDe1800", {1800, 12, 31}, {5561, 4, 15}, 4},
                    ExempleConversion{"DebutDe1801", {1801, 1, 1}, {5561, 4, 16}, 5},
                    ExempleConversion{"Septembre2100", {2100, 9, 1}, {5860, 12, 27}, 4},
                    ExempleConversion{"DernierJourJulien", {1582, 10, 4}, {5343, 1, 18}, 5},
                    ExempleConversion{"PremierJourGregorien", {1582, 10, 15}, {5343, 1, 19}, 6},
                    ExempleConversion{"RoshHachana5343", {1582, 9, 17}, {5343, 1, 1}, 2},
                    ExempleConversion{"Hechvan5343", {1582, 10, 27}, {5343, 2, 1}, 4},
                    ExempleConversion{"TichriEnAout", {113, 8, 29}, {3874, 1, 1}, 2},
                    ExempleConversion{"DeuxTichriEnAout", {113, 8, 30}, {3874, 1, 2}, 3},
                    ExempleConversion{"TroisTichriEnAout", {113, 8, 31}, {3874, 1, 3}, 4},
                    ExempleConversion{"DimancheCinqJanvier2025", {2025, 1, 5}, {5785, 4, 5}, 1}),
    [](const testing::TestParamInfo<ExempleConversion>& info) { return info.param.nom; });

// The days 6 to 13 October 1582 do not exist; the engine reads them as
// Julian dates, and the two ends of the gap as their nearest real day.
TEST(Conversion, JoursSupprimesDe1582)
{
    CalendarEngine e;
    e.convertit_civil_hebreu(1582, 10, 5);
    EXPECT_EQ(e.jour_hebr, 19) << "le 5 est pris pour le 15";
    EXPECT_EQ(e.jour_civil, 5) << "la date donnée est rendue";
    EXPECT_EQ(e.jour_civil_saisi, 5);
    e.convertit_civil_hebreu(1582, 10, 14);
    EXPECT_EQ(e.jour_hebr, 18) << "le 14 est pris pour le 4";
    e.convertit_civil_hebreu(1582, 10, 6);
    EXPECT_EQ(e.jour_hebr, 20) << "le 6 est lu comme une date julienne";
    EXPECT_EQ(e.jour_semaine, 7);
}

// Hebrew days that do not exist convert as the following days.
TEST(Conversion, JoursHebreuxInexistantsDonnentLesJoursSuivants)
{
    CalendarEngine e;
    e.annee_hebr = 5784;
    e.annee_civile = 5784 - 3760;
    e.calcule_annee();
    ASSERT_EQ(e.hechvan, 29);
    e.convertit_hebreu_civil(5784, 2, 30);
    const Civil trente{e.annee_civile, e.mois_civil, e.jour_civil};
    e.convertit_hebreu_civil(5784, 3, 1);
    EXPECT_EQ(trente.annee, e.annee_civile);
    EXPECT_EQ(trente.mois, e.mois_civil);
    EXPECT_EQ(trente.jour, e.jour_civil);

    // Adar II of a common year converts as Nissan.
    e.convertit_hebreu_civil(5785, 7, 10);
    const Civil adar2{e.annee_civile, e.mois_civil, e.jour_civil};
    e.convertit_hebreu_civil(5785, 8, 10);
    EXPECT_EQ(adar2.annee, e.annee_civile);
    EXPECT_EQ(adar2.mois, e.mois_civil);
    EXPECT_EQ(adar2.jour, e.jour_civil);
}

// The link value of a year places the first day after month 6 at civil index
// 1 − ecart_nissan: 1 Adar II 5784 is 11 March 2024.
TEST(Conversion, EcartNissanDe5784)
{
    CalendarEngine e;
    e.convertit_civil_hebreu(2024, 3, 11);
    EXPECT_EQ(e.ecart_nissan, 28);
    EXPECT_EQ(e.annee_civile_base, 2024);
    const int index = -31 + 11 - e.decalage_mars;
    EXPECT_EQ(index, 1 - e.ecart_nissan);
}

// From September to December the century term is that of the following
// spring: in 1800 it already counts the day dropped in February 1800.
TEST(Conversion, TermeDuSiecleDeSeptembreADecembre)
{
    for (int annee : {1700, 1800, 1900, 2100, 2200, 2300, 2500}) {
        for (int mois = 9; mois <= 12; ++mois) {
            CalendarEngine e;
            e.convertit_civil_hebreu(annee, mois, 15);
            const ref::Ymd attendu =
                ref::hebrew_from_fixed(ref::fixed_from_gregorian({annee, mois, 15}));
            EXPECT_EQ((ref::Ymd{e.annee_hebr, e.mois_hebr, e.jour_hebr}), attendu)
                << annee << '-' << mois << "-15";
        }
    }
}

// The year registers left by a conversion describe the Hebrew year of the
// date, even when the walk moved to the year before.
TEST(Conversion, RegistresDeLAnneeDeLaDate)
{
    CalendarEngine e;
    e.convertit_civil_hebreu(2023, 9, 15); // 29 Eloul 5783, conversion year 5784
    EXPECT_EQ(e.annee_hebr, 5783);
    EXPECT_EQ(e.nb_mois, 12);
    EXPECT_EQ(e.annee_civile_base, 2024);
    e.convertit_civil_hebreu(2023, 9, 16);
    EXPECT_EQ(e.nb_mois, 13);
    EXPECT_EQ(e.code_longueur, 5);
}

} // namespace
} // namespace orvane::engine
