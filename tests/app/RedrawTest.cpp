// A resting game draws nothing; every change the player makes draws again.
// Counted in frames drawn, with the clock stepped by hand: nothing is timed.
// Frames are drawn here as soon as the clock asks for them, not through
// GLUT's dispatch, which skips a window that another test's window covers.

#include "app/Callbacks.h"
#include "app/RedrawOnChange.h"
#include "app/RulesWindow.h"
#include "game/Clock.h"
#include "game/GameReset.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"
#include "tests/support/SceneTestKit.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr int kFrontColumnX = kRulesWindowSize / 2;  // the front column's middle at turn 0
constexpr unsigned kSeed = 15;

// Runs the clock for `ticks` ticks, drawing every frame it asks for;
// returns the frames drawn.
int framesOver(int ticks)
{
    int frames = 0;
    for (int tick = 0; tick < ticks; ++tick) {
        runPhaseStep();
        if (frameWanted()) {
            onDisplay();
            ++frames;
        }
    }
    return frames;
}

// Window y, from the top, of a point inside the front column's second tile:
// the lowest pixel of the tower under the column's middle, a tile and a half
// higher.
int frontTileY()
{
    std::vector<float> depths(kRulesWindowSize);
    glReadPixels(kFrontColumnX, 0, 1, kRulesWindowSize, GL_DEPTH_COMPONENT, GL_FLOAT, depths.data());
    int bottom = 0;
    while (bottom < kRulesWindowSize && depths[static_cast<std::size_t>(bottom)] >= 1.0f)
        ++bottom;
    constexpr int kTileAndAHalf = 30;
    return kRulesWindowSize - 1 - (bottom + kTileAndAHalf);
}

TEST(Redraw, AnIdleGameStopsDrawingAndEachChangeDrawsAgain)
{
    useGlWindow();
    onReshape(kRulesWindowSize, kRulesWindowSize);
    startUp();
    startFreshGame(kSeed);
    constexpr int kRestTicks = 500;  // a second of the clock
    ASSERT_LT(framesOver(kRestTicks), kRestTicks) << "the game never came to rest";
    ASSERT_EQ(framesOver(kRestTicks), 0) << "an idle game still asks for frames";

    struct Change {
        const char* name;
        std::function<void()> make;
        int leastFrames;
    };
    // A popped tile fades over 15 frames and the tower then rises over 50,
    // every one of them drawn; any other change shows in at least two
    // frames, since the background follows a frame after the rest.
    const Change changes[] = {
        {"press on a tile", [] { onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, kFrontColumnX, frontTileY()); }, 15 + 50},
        {"drag", [] { onMotion(300, 0); onMotion(340, 0); }, 2},
        {"theme step", [] { onMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 600, 400); }, 2},
    };
    for (const Change& change : changes) {
        change.make();
        EXPECT_GE(framesOver(kRestTicks), change.leastFrames) << change.name;
        EXPECT_EQ(framesOver(kRestTicks), 0) << "no rest after the " << change.name;
    }

    // An expose at rest: GLUT asks for the frame itself, and the whole
    // frame is drawn again over whatever the buffer held.
    glClearColor(1, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    themes[themeIndex].applyClearColor();
    onDisplay();
    const PackedColor background = themes[themeIndex].backgroundColor;
    expectPixelNear(2, kRulesWindowSize - 3, background.r, background.g, background.b);
    EXPECT_EQ(framesOver(kRestTicks), 0) << "no rest after the expose";
}

}  // namespace
