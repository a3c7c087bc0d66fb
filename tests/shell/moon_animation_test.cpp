// The steps of the moon window, tick by tick.

#include "shell/calendars/moon_animation.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane::shell
{
namespace
{

std::vector<int> jours_visibles(const AnimationLune& a)
{
    std::vector<int> jours;
    for (int j = 1; j <= AnimationLune::jours; ++j) {
        if (a.visible(j)) {
            jours.push_back(j);
        }
    }
    return jours;
}

TEST(AnimationLune, ActivationSurLeJour30)
{
    AnimationLune a(10);
    a.active();
    EXPECT_EQ(a.jour(), 30);
    EXPECT_TRUE(jours_visibles(a).empty());
    EXPECT_FALSE(a.notice());
}

// With today on the 10th: days 1 to 9 one tick each, the 10th eight ticks
// with the notice, then the 11th; the 10th stays shown afterwards.
TEST(AnimationLune, PauseDeHuitPasSurAujourdhui)
{
    AnimationLune a(10);
    a.active();
    std::vector<int> boite;
    std::vector<bool> notices;
    for (int i = 0; i < 9 + 8 + 21; ++i) {
        a.pas();
        boite.push_back(a.jour());
        notices.push_back(a.notice());
        if (i < 9) {
            EXPECT_EQ(jours_visibles(a), std::vector<int>{a.jour()}) << "tick " << i;
        } else if (i >= 17 && a.jour() > 10) {
            EXPECT_EQ(jours_visibles(a), (std::vector<int>{10, a.jour()})) << "tick " << i;
        }
    }
    std::vector<int> attendu;
    for (int j = 1; j <= 9; ++j) {
        attendu.push_back(j);
    }
    attendu.insert(attendu.end(), 8, 10);
    for (int j = 11; j <= 30; ++j) {
        attendu.push_back(j);
    }
    attendu.push_back(1);
    EXPECT_EQ(boite, attendu);
    for (std::size_t i = 0; i < notices.size(); ++i) {
        EXPECT_EQ(notices[i], boite[i] == 10) << "tick " << i;
    }
    EXPECT_EQ(jours_visibles(a), (std::vector<int>{1, 10}));
}

// Today at the conjunction: the moon pauses on day 30, whose picture stays
// shown from then on like any other today's.
TEST(AnimationLune, PauseSurLaConjonction)
{
    AnimationLune a(30);
    a.active();
    for (int i = 0; i < 29; ++i) {
        a.pas();
    }
    EXPECT_EQ(a.jour(), 29);
    for (int i = 0; i < 8; ++i) {
        a.pas();
        EXPECT_EQ(a.jour(), 30);
        EXPECT_TRUE(a.notice());
    }
    a.pas();
    EXPECT_EQ(a.jour(), 1);
    EXPECT_FALSE(a.notice());
    EXPECT_EQ(jours_visibles(a), (std::vector<int>{1, 30}));
    a.pas();
    EXPECT_EQ(jours_visibles(a), (std::vector<int>{2, 30}));
}

// A new activation starts again from day 1 at the next tick; the pictures
// keep what they showed.
TEST(AnimationLune, UneNouvelleActivationRepartDuJour1)
{
    AnimationLune a(3);
    a.active();
    for (int i = 0; i < 5; ++i) {
        a.pas();
    }
    a.active();
    EXPECT_EQ(a.jour(), 30);
    EXPECT_TRUE(a.visible(3));
    a.pas();
    EXPECT_EQ(a.jour(), 1);
}

} // namespace
} // namespace orvane::shell
