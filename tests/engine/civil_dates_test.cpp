// Steps between civil days across the reform of 1582.

#include "engine/civil_dates.h"
#include "reference_calendar.h"

#include <gtest/gtest.h>

namespace orvane::engine
{
namespace
{

namespace ref = orvane::reference;

TEST(JoursCivils, LaReformeSauteDixJours)
{
    EXPECT_EQ(lendemain({1582, 10, 4}), (DateCivile{1582, 10, 15}));
    EXPECT_EQ(veille({1582, 10, 15}), (DateCivile{1582, 10, 4}));
    EXPECT_EQ(lendemain({1500, 2, 28}), (DateCivile{1500, 2, 29}));
    EXPECT_EQ(lendemain({1700, 2, 28}), (DateCivile{1700, 3, 1}));
    EXPECT_EQ(lendemain({1999, 12, 31}), (DateCivile{2000, 1, 1}));
    EXPECT_EQ(veille({2000, 3, 1}), (DateCivile{2000, 2, 29}));
    EXPECT_EQ(veille({2000, 1, 1}), (DateCivile{1999, 12, 31}));
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

} // namespace
} // namespace orvane::engine
