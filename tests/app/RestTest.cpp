// A resting game sleeps: no tick is due and nothing is drawn until the player
// or the window acts, and each change the player can see gets its frames, no
// fewer (the picture at rest is final: one more frame draws the same) and no
// more.  The clock runs here as GLUT would run it, tick by tick, and each
// frame a tick asks for is drawn at once, not through GLUT's dispatch, which
// skips a window that another test's window covers.  Nothing is timed.

#include "app/Clock.h"
#include "app/Frame.h"
#include "app/Input.h"
#include "app/StartUp.h"
#include "app/Window.h"
#include "game/Board.h"
#include "game/PowerUps.h"
#include "game/Tile.h"
#include "tests/support/GlWindow.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr int kFrontColumnX = kRulesWindowSize / 2;  // the front column's middle at turn 0
constexpr unsigned kSeed = 15;
constexpr int kMostTicks = 2000;

// Ticks while one is due, drawing the frame each tick asks for (a tick that
// asks for one owes it); the frames drawn before the clock slept, or -1.
int framesUntilRest()
{
    int frames = 0;
    for (int tick = 0; tick < kMostTicks; ++tick) {
        if (!clockIsArmed())
            return frames;
        onTimer(0);
        if (framesOwed() > 0) {
            onDisplay();
            ++frames;
        }
    }
    return -1;
}

std::vector<unsigned char> shownPicture()
{
    std::vector<unsigned char> pixels(kRulesWindowSize * kRulesWindowSize * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kRulesWindowSize, kRulesWindowSize, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
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

// The start board with no two neighbours alike, so that a pop takes one
// tile and no fall makes a line: every turn runs the same way.
void startLoneTileGame()
{
    startFreshGame(kSeed);
    turntable.setAngle(0);
    forEachTileInPlay([](Tile& tile) {
        tile.colorIndex = (tile.column + tile.slot) % kTileColorsPerTheme;
        tile.color = themes[themeIndex].tileColors[tile.colorIndex];
    });
}

class Rest : public testing::Test {
protected:
    void SetUp() override
    {
        useGlWindow();
        onReshape(kRulesWindowSize, kRulesWindowSize);
        startUp();
        startLoneTileGame();
        ASSERT_GE(framesUntilRest(), 0) << "the game never came to rest";
    }
    void TearDown() override { startLoneTileGame(); }
};

TEST_F(Rest, EachChangeGetsItsFramesAndThenTheGameSleeps)
{
    struct Change {
        const char* name;
        std::function<void()> make;
        int frames;
    };
    // A fade lasts 15 frames, a fall 10 and the lift 50; a rule step that
    // animates nothing is shown by the frame after it.
    const int fade = kFadeFrames, fall = kFallFrames, lift = kRiseFrames, step = 1;
    const Change changes[] = {
        {"start-up, from GL's black clear colour",
         [] {
             glClearColor(0, 0, 0, 1);
             startUp();
             startLoneTileGame();
             wakeClock();
         },
         2},
        {"a rule step (the new row)", [] { gamePhase = kPhaseNewRow; wakeClock(); }, step},
        {"the lift", [] { gamePhase = kPhaseRise; wakeClock(); }, lift + step},
        {"a pop of a top tile", [] {
             tiles[0][kStartTiles - 1].selected = true;
             gamePhase = kPhasePop;
             wakeClock();
         }, fade + step + lift + step},
        {"a press on a tile with two above it",
         [] { onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, kFrontColumnX, frontTileY()); },
         fade + fall + step + lift + step},
        {"a \"-3\" press: the score, the fades, the falls",
         [] {
             powerButtons[kSlotBottomClear].armed = true;
             const PressRectangle& press = kPowerButtonFacts[kSlotBottomClear].press;
             onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, (press.left + press.right) / 2,
                           kRulesWindowSize - (press.bottom + press.top) / 2);
         },
         fade + fall + step + lift + step},
        {"two awards, one button a frame", [] { numberDisplay.setValue(2 * kPointsPerAward); wakeClock(); }, 2},
        {"a theme step", [] { onMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 600, 400); }, 2},
        {"a drag", [] { onMotion(300, 0); onMotion(340, 0); }, 1},
        {"a resize", [] { onReshape(kRulesWindowSize, kRulesWindowSize); }, 1},
        {"an expose, drawn by GLUT", [] { onDisplay(); }, 0},
        {"a release", [] { onMouse(GLUT_LEFT_BUTTON, GLUT_UP, 300, 300); }, 0},
        {"the end of the game-over fade",
         [] {
             gameOver = true;
             forEachTileInPlay([](Tile& tile) { tile.startFade(kFadeArgument); });
             wakeClock();
         },
         fade + 1},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        change.make();
        EXPECT_EQ(framesUntilRest(), change.frames);
        EXPECT_TRUE(gameAtRest());
        EXPECT_FALSE(clockIsArmed()) << "a tick is still due";
        const std::vector<unsigned char> atRest = shownPicture();
        drawScene();
        EXPECT_TRUE(shownPicture() == atRest) << "the picture at rest is not the final one";
        startLoneTileGame();
        oweFrames(kFramesForBackground);
        wakeClock();
        ASSERT_GE(framesUntilRest(), 0);
    }
}

}  // namespace
