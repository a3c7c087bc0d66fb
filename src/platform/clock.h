// Today's date and the time of day, behind an interface that tests replace.
#pragma once

namespace orvane::platform
{

/// A civil date of the local calendar (year, month 1..12, day 1..31).
struct LocalDate {
    int annee = 0;
    int mois = 0;
    int jour = 0;
    friend bool operator==(const LocalDate&, const LocalDate&) = default;
};

/// A local time of day.
struct LocalTime {
    int heures = 0;   // 0..23
    int minutes = 0;  // 0..59
    int secondes = 0; // 0..59
    int millisecondes = 0;
    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

/// Source of today's date and the time of day in local legal time.
class Clock
{
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual LocalDate today() const = 0;
    [[nodiscard]] virtual LocalTime now() const = 0;
};

/// The machine's clock, in the local time zone.
class SystemClock final : public Clock
{
public:
    [[nodiscard]] LocalDate today() const override;
    [[nodiscard]] LocalTime now() const override;
};

/// A clock that stays where it is set; for tests.
class FixedClock final : public Clock
{
public:
    FixedClock(LocalDate date, LocalTime time = {}) : date_(date), time_(time) {}
    [[nodiscard]] LocalDate today() const override { return date_; }
    [[nodiscard]] LocalTime now() const override { return time_; }
    void set(LocalDate date, LocalTime time)
    {
        date_ = date;
        time_ = time;
    }
    void set_time(LocalTime time) { time_ = time; }

private:
    LocalDate date_;
    LocalTime time_;
};

} // namespace orvane::platform
