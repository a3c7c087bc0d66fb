// Carrying a Hebrew date to another year, and adding months, over every
// combination of common and leap years.

#include "records/carrying.h"
#include "reference_calendar.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace orvane::records
{
namespace
{

namespace ref = orvane::reference;
using engine::DateHebraique;

// 5784 leap (Hechvan and Kislev of 29 days), 5785 common and complete
// (Hechvan and Kislev of 30 days), 5783 common and complete, 5782 leap.
TEST(ReporteDate, ReglesNommees)
{
    struct Cas {
        const char* nom;
        DateHebraique origine;
        int cible;
        DateHebraique attendu;
    };
    const Cas cas[] = {
        {"Adar commun vers Adar II", {5785, 6, 14}, 5787, {5787, 7, 14}},
        {"Adar II vers Adar", {5784, 7, 14}, 5785, {5785, 6, 14}},
        {"Adar I vers Adar", {5784, 6, 14}, 5785, {5785, 6, 14}},
        {"Adar I reste Adar I", {5784, 6, 14}, 5787, {5787, 6, 14}},
        {"Adar II reste Adar II", {5784, 7, 29}, 5787, {5787, 7, 29}},
        {"Adar commun reste Adar", {5785, 6, 29}, 5786, {5786, 6, 29}},
        {"30 Adar I vers 1 Nissan", {5784, 6, 30}, 5785, {5785, 8, 1}},
        {"30 Adar I reste", {5782, 6, 30}, 5784, {5784, 6, 30}},
        {"30 Hechvan vers 1 Kislev", {5785, 2, 30}, 5784, {5784, 3, 1}},
        {"30 Kislev vers 1 Tevet", {5785, 3, 30}, 5784, {5784, 4, 1}},
        {"30 Hechvan reste", {5785, 2, 30}, 5783, {5783, 2, 30}},
        {"Tichri", {5700, 1, 1}, 5785, {5785, 1, 1}},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(reporte_date(c.origine, c.cible), c.attendu) << c.nom;
    }
}

// Every date of forty years carried into every year of forty others lands
// on a date that exists, in the month of the same name; all four pairs of
// common and leap years occur.
TEST(ReporteDate, UneDateReporteeExisteToujours)
{
    std::set<std::pair<bool, bool>> combinaisons;
    for (int origine = 5740; origine < 5780; ++origine) {
        const engine::MoisDeLAnnee o = engine::mois_de_l_annee(origine);
        for (int cible = 5760; cible < 5800; ++cible) {
            const engine::MoisDeLAnnee c = engine::mois_de_l_annee(cible);
            combinaisons.insert({o.embolismique(), c.embolismique()});
            for (int mois = 1; mois <= 13; ++mois) {
                for (int jour = 1; jour <= o.jours(mois); ++jour) {
                    const DateHebraique r = reporte_date({origine, mois, jour}, cible);
                    ASSERT_EQ(r.annee, cible);
                    ASSERT_GE(c.jours(r.mois), r.jour)
                        << jour << '/' << mois << '/' << origine << " -> " << cible;
                    const bool adar = mois == 6 || mois == 7;
                    if (adar) {
                        ASSERT_TRUE(r.mois == 6 || r.mois == 7 || (r.mois == 8 && r.jour == 1));
                    } else if (jour < 30) {
                        ASSERT_EQ(r.mois, mois);
                        ASSERT_EQ(r.jour, jour);
                    }
                }
            }
        }
    }
    EXPECT_EQ(combinaisons.size(), 4u);
}

/// n months later by single steps of the month (Adar → Nissan in a common
/// year, Eloul → Tichri), a missing day giving the 1st of the month after.
DateHebraique mois_par_pas(DateHebraique d, int n)
{
    engine::MoisHebreu m{d.annee, d.mois};
    for (int k = 0; k < n; ++k) {
        m = engine::mois_suivant(m);
    }
    if (d.jour > ref::month_length(m.annee, m.mois)) {
        m = engine::mois_suivant(m);
        return {m.annee, m.mois, 1};
    }
    return {m.annee, m.mois, d.jour};
}

TEST(AjouteMois, ExemplesDuDeuil)
{
    EXPECT_EQ(ajoute_mois({5784, 12, 25}, 11), (DateHebraique{5785, 11, 25}));
    EXPECT_EQ(ajoute_mois({5784, 12, 25}, 12), (DateHebraique{5785, 12, 25}));
    EXPECT_EQ(ajoute_mois({5785, 1, 10}, 11), (DateHebraique{5785, 13, 10}));
    EXPECT_EQ(ajoute_mois({5785, 1, 10}, 12), (DateHebraique{5786, 1, 10}));
    EXPECT_EQ(ajoute_mois({5784, 1, 10}, 12), (DateHebraique{5784, 13, 10}));
    EXPECT_EQ(ajoute_mois({5784, 2, 10}, 12), (DateHebraique{5785, 1, 10}));
    // 30 Chevat 5786 + 12 months reaches Chevat 5787 of 30 days, + 11 the
    // Tevet of 29: the 1st of Chevat.
    EXPECT_EQ(ajoute_mois({5786, 5, 30}, 11), (DateHebraique{5787, 5, 1}));
    // 30 Nissan 5785 + 11 months reaches Adar 5786, a common year of 29
    // days: the next month is Nissan, never a month 7 the year lacks.
    EXPECT_EQ(ajoute_mois({5785, 8, 30}, 11), (DateHebraique{5786, 8, 1}));
}

// Eleven and twelve months from every day of 600 years: the case table
// gives what stepping month by month gives, and always a date that exists.
TEST(AjouteMois, OnzeEtDouzeMoisSuiventLesPasDeMois)
{
    std::set<std::pair<bool, bool>> combinaisons;
    for (int annee = 5500; annee < 6100; ++annee) {
        combinaisons.insert({ref::hebrew_leap(annee), ref::hebrew_leap(annee + 1)});
        for (int mois = 1; mois <= 13; ++mois) {
            const int longueur = ref::month_length(annee, mois);
            for (int jour : {1, 15, 29, 30}) {
                if (jour > longueur) {
                    continue;
                }
                for (int n : {11, 12}) {
                    const DateHebraique d{annee, mois, jour};
                    const DateHebraique r = ajoute_mois(d, n);
                    ASSERT_EQ(r, mois_par_pas(d, n))
                        << jour << '/' << mois << '/' << annee << " + " << n;
                    ASSERT_GE(ref::month_length(r.annee, r.mois), r.jour);
                }
            }
        }
    }
    EXPECT_EQ(combinaisons.size(), 3u); // two leap years never follow each other
}

} // namespace
} // namespace orvane::records
