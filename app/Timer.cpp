#include "app/Timer.h"

#include "app/Callbacks.h"
#include "app/FramePacing.h"
#include "game/Board.h"
#include "game/Clock.h"
#include "game/Score.h"

#include <GL/glut.h>

#include <algorithm>

namespace {

struct ClockState {
    bool armed = false;  // a GLUT timer is set and has not fired yet
    int framesOwed = 0;
};

ClockState gameClock;

void armClock(unsigned delayMs)
{
    gameClock.armed = true;
    glutTimerFunc(delayMs, onTimer, 0);
}

}  // namespace

// Without the player, the picture changes in four ways, each of which keeps
// the game awake:
// - a rule step to run: it changes the board, and the frame after it shows it;
// - a tile the frame draws that fades or slides: each frame moves it on, and
//   the end of its animation moves the phase on;
// - an award waiting: the next frame arms a button;
// - a frame owed, for what the frames so far could not show yet: a background
//   (the first frame clears to black, a theme step's background follows its
//   tiles), the last pixels of an animation (a tile's grout stays drawn until
//   the frame after its fade, and at game over that end sets no phase), and
//   the player's input or a resize.
// Anything else is the player's or the window's doing, and their callbacks
// wake the clock.
bool gameAtRest()
{
    return !phaseHasStep() && !anyDrawnTileMoving() && !awardWaiting() && gameClock.framesOwed == 0;
}

void oweFrames(int count)
{
    gameClock.framesOwed = std::max(gameClock.framesOwed, count);
}

int framesOwed()
{
    return gameClock.framesOwed;
}

void wakeClock()
{
    if (!gameClock.armed)
        armClock(0);
}

bool clockIsArmed()
{
    return gameClock.armed;
}

void noteFrameDrawn(bool movedTiles)
{
    gameClock.framesOwed = std::max(0, gameClock.framesOwed - 1);
    if (movedTiles)
        oweFrames(1);
}

void onTimer(int)
{
    gameClock.armed = false;
    if (gameAtRest()) {
        noteFramesPaused();
        return;
    }
    runPhaseStep();
    oweFrames(1);  // the frame asked for here
    glutPostRedisplay();
    armClock(kClockIntervalMs);
}
