// Correction of civil dates that do not exist.

#include "records/civil_correction.h"

#include <gtest/gtest.h>

namespace orvane::records
{
namespace
{

using engine::DateCivile;

TEST(DateCivileImpossible, FevrierNommeLAnnee)
{
    const DateCivileCorrigee c = corrige_date_civile({2023, 2, 30});
    EXPECT_EQ(c.date, (DateCivile{2023, 2, 28}));
    ASSERT_TRUE(c.message.has_value());
    EXPECT_EQ(*c.message, "Le 30 Février n'existe pas en 2023\rLe nombre de jours de ce mois est "
                          "de 28\r\rNous choisissons le dernier jour de ce mois qui est le 28");
    EXPECT_EQ(corrige_date_civile({1900, 2, 29}).date, (DateCivile{1900, 2, 28}));
    EXPECT_FALSE(corrige_date_civile({2024, 2, 29}).message.has_value());
    EXPECT_FALSE(corrige_date_civile({1500, 2, 29}).message.has_value()); // Julian
}

TEST(DateCivileImpossible, AutresMois)
{
    const DateCivileCorrigee c = corrige_date_civile({2024, 4, 31});
    EXPECT_EQ(c.date, (DateCivile{2024, 4, 30}));
    EXPECT_EQ(*c.message, "Le 31 Avril n'existe pas.\rLe nombre de jours de ce mois est de "
                          "30\r\rNous choisissons le dernier jour de ce mois qui est le 30");
}

TEST(DateCivileImpossible, MoisHorsLimites)
{
    EXPECT_EQ(corrige_date_civile({2024, 0, 15}).date, (DateCivile{2023, 12, 15}));
    EXPECT_EQ(corrige_date_civile({2024, -3, 15}).date, (DateCivile{2023, 12, 15}));
    EXPECT_EQ(corrige_date_civile({2024, 13, 15}).date, (DateCivile{2025, 1, 15}));
    EXPECT_EQ(corrige_date_civile({2024, 5, 0}).date, (DateCivile{2024, 5, 1}));
    const DateCivileCorrigee ok = corrige_date_civile({2024, 12, 31});
    EXPECT_EQ(ok.date, (DateCivile{2024, 12, 31}));
    EXPECT_FALSE(ok.message.has_value());
}

} // namespace
} // namespace orvane::records
