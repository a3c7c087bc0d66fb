// Hebrew year arithmetic: molad of Tichri, postponements, lengths and types.

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "reference_calendar.h"

#include <gtest/gtest.h>

namespace orvane::engine
{
namespace
{

namespace ref = orvane::reference;

CalendarEngine annee_preparee(int annee)
{
    CalendarEngine e;
    e.annee_hebr = annee;
    e.annee_civile = annee - 3760;
    e.calcule_annee();
    return e;
}

/// Molad of Tichri of `annee` in the count from 18:00 (weekday, hours,
/// minutes, halakim), before any postponement.
TempsDecompose molad_de(int annee)
{
    CalendarEngine e;
    e.annee_hebr = annee;
    e.fixe_embolismique();
    e.decompose_cycle();
    e.calcule_molad_tichri();
    return decompose(e.molad_tichri);
}

static_assert(decompose(0).jour_semaine == 7, "a whole number of weeks is Chabbat");
static_assert(decompose(57444).jour_semaine == 2 && decompose(57444).heures == 5 &&
                  decompose(57444).halakim == 204 % 18,
              "BaHaRaD: Monday, 5 hours 204 halakim");
static_assert(decompose(-1).jour_semaine == 6 && decompose(-1).heures == 23 &&
                  decompose(-1).minutes == 59 && decompose(-1).halakim == 17,
              "floor division below zero");

struct ExempleAnnee {
    const char* nom;
    int annee;
    int molad_jour, molad_heures, molad_minutes, molad_halakim; // count from 18:00
    int jour_rh;

    // A failing case is reported by its name and year, not as raw bytes.
    friend void PrintTo(const ExempleAnnee& x, std::ostream* os)
    {
        *os << x.nom << " (" << x.annee << ")";
    }
};

class ExemplesReports : public testing::TestWithParam<ExempleAnnee>
{
};

TEST_P(ExemplesReports, MoladEtRoshHachana)
{
    const ExempleAnnee& x = GetParam();
    const TempsDecompose m = molad_de(x.annee);
    EXPECT_EQ(m.jour_semaine, x.molad_jour);
    EXPECT_EQ(m.heures, x.molad_heures);
    EXPECT_EQ(m.minutes, x.molad_minutes);
    EXPECT_EQ(m.halakim, x.molad_halakim);
    EXPECT_EQ(annee_preparee(x.annee).jour_rh, x.jour_rh);
}

// 5784: molad Friday 5 h 49 mn on the clock (11 h 49 in the count from
// 18:00); Friday is forbidden, so Rosh Hachana is on Chabbat.
INSTANTIATE_TEST_SUITE_P(
    Regles, ExemplesReports,
    testing::Values(ExempleAnnee{"LoAdouMercredi5501", 5501, 4, 9, 54, 10, 5},
                    ExempleAnnee{"MoladZakenPuisLoAdou5518", 5518, 3, 20, 6, 4, 5},
                    ExempleAnnee{"MoladZakenJeudi5514", 5514, 5, 20, 7, 9, 7},
                    ExempleAnnee{"Gatarad5542", 5542, 3, 10, 10, 13, 5},
                    ExempleAnnee{"Betoutakpat5519", 5519, 2, 17, 38, 17, 3},
                    ExempleAnnee{"Vendredi5784", 5784, 6, 11, 49, 0, 7}),
    [](const testing::TestParamInfo<ExempleAnnee>& info) { return info.param.nom; });

TEST(AnneeHebraique, Annee5784EmbolismiqueDefective)
{
    const CalendarEngine e = annee_preparee(5784);
    EXPECT_EQ(e.nb_mois, 13);
    EXPECT_EQ(e.embolismique, 1);
    EXPECT_EQ(e.rang_cycle, 7);
    EXPECT_EQ(e.cyl, 304);
    EXPECT_EQ(e.jour_rh, 7);
    EXPECT_EQ(e.code_longueur, 5);
    EXPECT_EQ(e.hechvan, 29);
    EXPECT_EQ(e.kislev, 29);
    EXPECT_EQ(e.jour_mois7, 2);
    EXPECT_EQ(e.longueur_mois_hebr[6], 30);
    EXPECT_EQ(e.longueur_mois_hebr[7], 29);
    EXPECT_EQ(e.noms_mois_hebr[6], "Adar I ");
}

TEST(AnneeHebraique, Annee5785CommuneComplete)
{
    const CalendarEngine e = annee_preparee(5785);
    EXPECT_EQ(e.nb_mois, 12);
    EXPECT_EQ(e.jour_rh, 5);
    EXPECT_EQ(e.code_longueur, 7);
    EXPECT_EQ(e.hechvan, 30);
    EXPECT_EQ(e.kislev, 30);
    EXPECT_EQ(e.jour_mois7, 1);
    EXPECT_EQ(e.longueur_mois_hebr[7], 0);
    EXPECT_EQ(e.noms_mois_hebr[6], "Adar   ");
}

// The limits of the postponement rules, on a molad placed by hand: exactly
// 18 hours is an old molad; 9923 and 16788 halakim do not move the day.
TEST(AnneeHebraique, LimitesDesReports)
{
    auto reporte = [](int annee, int jour, int heures, int minutes, int halakim) {
        CalendarEngine e;
        e.annee_hebr = annee;
        e.fixe_embolismique();
        e.jour_semaine = jour;
        e.heures = heures;
        e.minutes = minutes;
        e.halakim = halakim;
        e.applique_reports();
        return e.jour_semaine;
    };
    // 5785 is a common year that follows the leap year 5784.
    EXPECT_EQ(reporte(5785, 2, 18, 0, 0), 3) << "18 h : molad zaken";
    EXPECT_EQ(reporte(5786, 2, 17, 59, 17), 2) << "just before noon, after a common year";
    EXPECT_EQ(reporte(5785, 3, 9, 11, 5), 3) << "9923 halakim";
    EXPECT_EQ(reporte(5785, 3, 9, 11, 6), 5) << "9924 halakim : GaTaRaD";
    EXPECT_EQ(reporte(5785, 2, 15, 32, 12), 2) << "16788 halakim";
    EXPECT_EQ(reporte(5785, 2, 15, 32, 13), 3) << "16789 halakim after a leap year";
    EXPECT_EQ(reporte(5786, 2, 15, 32, 13), 2) << "5785 is common: no BeTouTaKPaT";
    EXPECT_EQ(reporte(5784, 3, 12, 0, 0), 3) << "no GaTaRaD in a leap year";
    EXPECT_EQ(reporte(5785, 5, 18, 0, 0), 7) << "zaken Thursday → Friday → Chabbat";
}

// Every year has one of the six lengths, and the same Rosh Hachana and
// length as the reference count, from the first supported year to far beyond
// the last (the molad sums are 64-bit).
TEST(AnneeHebraique, LongueursPermisesEtConformesALaReference)
{
    CalendarEngine e;
    for (int annee = 3860; annee <= 20000; ++annee) {
        e.annee_hebr = annee;
        e.annee_civile = annee - 3760;
        e.calcule_annee();
        const int jours = e.code_longueur + 348 + 30 * e.embolismique;
        ASSERT_EQ(jours, ref::year_length(annee)) << "année " << annee;
        ASSERT_EQ(e.jour_rh, ref::weekday(ref::new_year(annee))) << "année " << annee;
        ASSERT_EQ(e.jour_mois7, ref::weekday(ref::fixed_from_hebrew({annee, 7, 1})))
            << "année " << annee;
        ASSERT_TRUE(e.code_longueur >= 5 && e.code_longueur <= 7);
        ASSERT_NE(e.jour_rh, 1);
        ASSERT_NE(e.jour_rh, 4);
        ASSERT_NE(e.jour_rh, 6);
    }
}

// 32-bit sums of cyl × 69715 overflow from about year 585 000; the weekday of
// Rosh Hachana must still match the reference there.
TEST(AnneeHebraique, GrandesAnneesSansDebordement)
{
    for (int annee : {600000, 1000000, 5000000, 30000000}) {
        const CalendarEngine e = annee_preparee(annee);
        EXPECT_EQ(e.jour_rh, ref::weekday(ref::new_year(annee))) << "année " << annee;
        EXPECT_EQ(e.code_longueur + 348 + 30 * e.embolismique, ref::year_length(annee))
            << "année " << annee;
    }
}

TEST(AnneeHebraique, CycleEtAnneesEmbolismiques)
{
    int embolismiques = 0;
    for (int annee = 5701; annee <= 5719; ++annee) {
        CalendarEngine e;
        e.annee_hebr = annee;
        e.decompose_cycle();
        EXPECT_EQ(e.rang_cycle, annee - 5701);
        EXPECT_EQ(e.emb, embolismiques) << annee;
        EXPECT_EQ(e.com, e.rang_cycle - e.emb);
        if (e.teste_embolismique(annee)) {
            ++embolismiques;
        }
        EXPECT_EQ(e.nb_mois, e.teste_embolismique(annee) ? 13 : 12);
    }
    EXPECT_EQ(embolismiques, 7);
}

// teste_embolismique leaves the month lengths alone but renames month 6.
TEST(AnneeHebraique, TesteEmbolismiqueNeChangePasLesLongueurs)
{
    CalendarEngine e = annee_preparee(5785);
    EXPECT_TRUE(e.teste_embolismique(5784));
    EXPECT_EQ(e.noms_mois_hebr[6], "Adar I ");
    EXPECT_EQ(e.longueur_mois_hebr[7], 0);
    EXPECT_EQ(e.nb_mois, 13);
}

} // namespace
} // namespace orvane::engine
