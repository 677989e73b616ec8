// The game as a player gets it, its frame-rate variable unset: frames are paced to the
// display (60 a second where swaps do not wait for it), and the animations,
// counted in frames, last as long as they should.

#include "devlibs/game_process/GameProcess.h"
#include "devlibs/game_process/TurnTiming.h"
#include "game/Board.h"
#include "tests/support/TestDisplay.h"
#include "themes/Theme.h"

#include <gtest/gtest.h>

namespace {

constexpr int kAttempts = 3;  // a game whose turn could not be watched is replaced
// At 60 frames a second a fade takes 233 ms and a rise 833 ms; frames twice
// as fast give 125 and 417 ms.  These bounds lie between, clear of a first
// frame seen late; there is no upper bound, as a busy machine only
// lengthens both.
constexpr double kShortestFadeMs = 150;
constexpr double kShortestRiseMs = 600;

TEST(PacedGame, AFadeAndARiseLastTheirFramesAtTheDisplaysPace)
{
    needDisplay();
    const std::string assets = std::string(HEXTOWER_SOURCE_DIR) + "/assets";
    Theme themes[kThemeCount];
    ASSERT_TRUE(loadThemes(themes, (assets + "/themes.txt").c_str()));

    TurnTiming timing{"not started"};
    for (int attempt = 0; attempt < kAttempts && !timing.problem.empty(); ++attempt) {
        GameProcess game(assets, gameIn800Window(), HEXTOWER_BINARY, kDefaultPacing);
        ASSERT_TRUE(game.hasWindow());  // and at rest after its first frames
        timing = timeOneTurn(game, themes[kStartTheme]);
    }
    ASSERT_EQ(timing.problem, "");
    EXPECT_GE(timing.fade, kShortestFadeMs) << timing.fadeChanges << " changes seen";
    EXPECT_GE(timing.rise, kShortestRiseMs) << timing.riseChanges << " changes seen";
}

}  // namespace
