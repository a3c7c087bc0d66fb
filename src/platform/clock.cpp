#include "platform/clock.h"

#include <chrono>
#include <ctime>

namespace orvane::platform
{

namespace
{

struct LocalNow {
    std::tm fields{};
    int millisecondes = 0;
};

LocalNow local_now()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    LocalNow result;
    localtime_r(&seconds, &result.fields);
    const auto since_epoch = now.time_since_epoch();
    result.millisecondes = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since_epoch).count() % 1000);
    return result;
}

} // namespace

LocalDate SystemClock::today() const
{
    const std::tm t = local_now().fields;
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday};
}

LocalTime SystemClock::now() const
{
    const LocalNow n = local_now();
    return {n.fields.tm_hour, n.fields.tm_min, n.fields.tm_sec, n.millisecondes};
}

} // namespace orvane::platform
