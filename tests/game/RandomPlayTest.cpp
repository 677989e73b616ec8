#include "tests/support/GlWindow.h"
#include "themes/Theme.h"
#include "game/Board.h"
#include "devlibs/play_driver/RandomPlay.h"

#include <gtest/gtest.h>

namespace {

// Picks, frames, clock ticks, drags, power-ups and theme steps in random
// order, with the board's rules checked after every step.
TEST(RandomPlay, KeepsTheBoardWholeInAnyOrderOfEvents)
{
    useGlWindow();
    ASSERT_TRUE(loadThemes(themes));
    RandomPlayReport total;
    for (unsigned seed : {1u, 2u, 3u}) {
        const RandomPlayReport report = playRandomly(100000, seed);
        ASSERT_EQ(report.failure, "");
        total.removals += report.removals;
        total.cascades += report.cascades;
        total.rises += report.rises;
        total.gamesOver += report.gamesOver;
        total.powerUpsApplied += report.powerUpsApplied;
        total.themeSteps += report.themeSteps;
    }
    // The run must have played, not idled.
    EXPECT_GT(total.removals, 0);
    EXPECT_GT(total.cascades, 0);
    EXPECT_GT(total.rises, 0);
    EXPECT_GT(total.gamesOver, 0);
    EXPECT_GT(total.powerUpsApplied, 0);
    EXPECT_GT(total.themeSteps, 0);
}

}  // namespace
