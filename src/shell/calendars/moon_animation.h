// The steps of the moon window: the moon goes round the Earth one day of
// the lunar month per tick, and stays eight ticks on the day of today's
// position, whose picture then stays shown for the rest of the run while
// every other day's picture is shown for one tick only.
//
//   AnimationLune a(10);   // today is the 10th of the Hebrew month
//   a.active();            // day 30 in the box
//   a.pas();               // day 1 shown, day 30 hidden
#pragma once

#include <array>

namespace orvane::shell
{

class AnimationLune
{
public:
    /// Days of the month on the orbit, day 30 at the conjunction.
    static constexpr int jours = 30;
    /// Ticks spent on today's position.
    static constexpr int ticks_de_pause = 8;

    /// `jour_aujourdhui`: the Hebrew day of today's position (1..30).
    explicit AnimationLune(int jour_aujourdhui);

    /// The window activated: the count starts again from day 30, so that
    /// the next tick shows day 1. The pictures keep what they showed.
    void active();

    /// One tick: the next day is shown, the day before hidden unless it is
    /// today's; on today's day the count holds for eight ticks.
    void pas();

    /// The day in the day box (1..30).
    [[nodiscard]] int jour() const noexcept { return affiche_; }
    /// True when the picture of day `jour` (1..30) is shown.
    [[nodiscard]] bool visible(int jour) const noexcept;
    /// True while the moon stands on today's position ("Position de la lune
    /// aujourd'hui").
    [[nodiscard]] bool notice() const noexcept { return notice_; }
    [[nodiscard]] int jour_aujourdhui() const noexcept { return aujourdhui_; }

private:
    int aujourdhui_;
    int k_ = jours;       // the step counter
    int affiche_ = jours; // the day shown by the last step
    int pause_ = 0;
    bool notice_ = false;
    std::array<bool, jours + 1> visibles_{};
};

} // namespace orvane::shell
