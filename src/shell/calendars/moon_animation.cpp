#include "shell/calendars/moon_animation.h"

#include <algorithm>
#include <cstddef>

namespace orvane::shell
{

AnimationLune::AnimationLune(int jour_aujourdhui)
    : aujourdhui_(std::clamp(jour_aujourdhui, 1, jours))
{
}

void AnimationLune::active()
{
    k_ = jours;
    affiche_ = jours;
}

void AnimationLune::pas()
{
    k_ = k_ >= jours ? 1 : k_ + 1;
    affiche_ = k_;
    const int veille = k_ == 1 ? jours : k_ - 1;
    if (veille != aujourdhui_) {
        visibles_[static_cast<std::size_t>(veille)] = false;
    }
    visibles_[static_cast<std::size_t>(k_)] = true;
    if (k_ == aujourdhui_) {
        notice_ = true;
        ++pause_;
        if (pause_ < ticks_de_pause) {
            --k_; // the next tick comes back to today's day
        }
    } else {
        notice_ = false;
        pause_ = 0;
    }
}

bool AnimationLune::visible(int jour) const noexcept
{
    return jour >= 1 && jour <= jours && visibles_[static_cast<std::size_t>(jour)];
}

} // namespace orvane::shell
