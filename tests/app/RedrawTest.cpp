// A resting game draws nothing; every change the player makes draws again.
// Counted in frames drawn, with the clock stepped by hand: nothing is timed.

#include "app/Callbacks.h"
#include "app/RedrawOnChange.h"
#include "game/Clock.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"
#include "tests/support/GlWindow.h"
#include "tools/soak/GameReset.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
// After gtest, whose names X's macros (None, Bool) would spoil.
#include <GL/glx.h>

#include <functional>
#include <vector>

namespace {

constexpr int kWindowSize = 800;
constexpr int kFrontColumnX = kWindowSize / 2;  // the front column's middle at turn 0
constexpr unsigned kSeed = 15;

int framesDrawn = 0;

void countedDisplay()
{
    ++framesDrawn;
    onDisplay();
}

// Runs the clock for `ticks` ticks, as its timer would, letting GLUT draw
// what is asked for; returns the frames drawn meanwhile.
int framesOver(int ticks)
{
    const int before = framesDrawn;
    for (int tick = 0; tick < ticks; ++tick) {
        runPhaseStep();
        askForFrameIfChanged();
        glutMainLoopEvent();
    }
    return framesDrawn - before;
}

// An expose of the whole window, as the X server sends when the window is
// uncovered; GLUT answers it with a frame of its own.
void exposeWindow()
{
    Display* display = glXGetCurrentDisplay();
    XClearArea(display, glXGetCurrentDrawable(), 0, 0, 0, 0, True);
    XSync(display, False);
}

// Window y, from the top, of a point inside the front column's second tile:
// the lowest pixel of the tower under the column's middle, a tile and a half
// higher.
int frontTileY()
{
    std::vector<float> depths(kWindowSize);
    glReadPixels(kFrontColumnX, 0, 1, kWindowSize, GL_DEPTH_COMPONENT, GL_FLOAT, depths.data());
    int bottom = 0;
    while (bottom < kWindowSize && depths[static_cast<std::size_t>(bottom)] >= 1.0f)
        ++bottom;
    constexpr int kTileAndAHalf = 30;
    return kWindowSize - 1 - (bottom + kTileAndAHalf);
}

class Redraw : public testing::Test {
protected:
    void SetUp() override
    {
        useGlWindow();
        onReshape(kWindowSize, kWindowSize);
        startUp();
        startFreshGame(kSeed);
        glutDisplayFunc(countedDisplay);
    }

    void TearDown() override { glutDisplayFunc([] {}); }
};

TEST_F(Redraw, AnIdleGameStopsDrawingAndEachChangeDrawsAgain)
{
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
        {"expose", exposeWindow, 1},
    };
    for (const Change& change : changes) {
        change.make();
        EXPECT_GE(framesOver(kRestTicks), change.leastFrames) << change.name;
        EXPECT_EQ(framesOver(kRestTicks), 0) << "no rest after the " << change.name;
    }
}

}  // namespace
