#include "platform/clock.h"

#include <ctime>

#include <gtest/gtest.h>

namespace orvane::platform
{
namespace
{

LocalDate local_date_of(std::time_t seconds)
{
    std::tm fields{};
    localtime_r(&seconds, &fields);
    return {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday};
}

TEST(FixedClock, StaysWhereItIsSet)
{
    FixedClock clock({2025, 4, 13}, {20, 5, 7, 250});
    EXPECT_EQ(clock.today(), (LocalDate{2025, 4, 13}));
    EXPECT_EQ(clock.now(), (LocalTime{20, 5, 7, 250}));
    clock.set_time({23, 59, 59, 999});
    EXPECT_EQ(clock.today(), (LocalDate{2025, 4, 13}));
    EXPECT_EQ(clock.now(), (LocalTime{23, 59, 59, 999}));
    clock.set({2025, 4, 14}, {0, 0, 0, 0});
    const Clock& seen = clock;
    EXPECT_EQ(seen.today(), (LocalDate{2025, 4, 14}));
    EXPECT_EQ(seen.now(), (LocalTime{}));
}

// Around midnight the day may change between the reads; the clock's date
// must then be one of the two.
TEST(SystemClock, GivesTodayInLocalTime)
{
    const SystemClock clock;
    const std::time_t before = std::time(nullptr);
    const LocalDate today = clock.today();
    const std::time_t after = std::time(nullptr);
    EXPECT_TRUE(today == local_date_of(before) || today == local_date_of(after));
    EXPECT_GE(today.annee, 2024);
    EXPECT_TRUE(today.mois >= 1 && today.mois <= 12);
    EXPECT_TRUE(today.jour >= 1 && today.jour <= 31);
}

TEST(SystemClock, GivesATimeOfDayInRange)
{
    const LocalTime now = SystemClock().now();
    EXPECT_TRUE(now.heures >= 0 && now.heures <= 23);
    EXPECT_TRUE(now.minutes >= 0 && now.minutes <= 59);
    EXPECT_TRUE(now.secondes >= 0 && now.secondes <= 60); // a leap second
    EXPECT_TRUE(now.millisecondes >= 0 && now.millisecondes <= 999);
}

} // namespace
} // namespace orvane::platform
