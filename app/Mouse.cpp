// Mouse input: a left press picks a tile or a power-up button, a right press
// steps the colour theme, and dragging turns the tower.  Nothing here asks
// for a redraw: each event wakes the clock, owing the frames its change
// needs, and the clock's next tick shows it.

#include "app/Callbacks.h"

#include "app/RulesFrame.h"
#include "app/RulesWindow.h"
#include "app/Timer.h"
#include "app/Turntable.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"
#include "game/PressRule.h"

#include <GL/glut.h>

#include <cstdlib>

namespace {

constexpr float kThemeSplitX = kRulesWindowSize / 2;  // the middle of the window

// Rules-window x of the last left press or motion event: where a drag step
// starts.  A drag turns the tower one degree per pixel of the 800 x 800 rules
// window, so the same hand movement turns it as far in a window of any size.
float lastMouseX = 0;

float rulesX(int x, int y)
{
    return pressInRulesWindow(currentRulesFrame(), x, y).x;
}

// A left press: the pick finds what lies under the pointer, the game's
// press rule acts on it.  Any phase accepts a pick.
void pickAt(int x, int y)
{
    gameController.pick(x, y);
    actOnPress();
}

}  // namespace

void onMouse(int button, int state, int x, int y)
{
    if (gameOver)
        std::exit(0);
    const bool pressed = state == GLUT_DOWN;
    if (button == GLUT_LEFT_BUTTON && pressed)
        lastMouseX = rulesX(x, y);
    if (button == GLUT_RIGHT_BUTTON && pressed) {
        gameController.stepTheme(rulesX(x, y) > kThemeSplitX ? +1 : -1);
        oweFrames(kFramesForBackground);
    }
    if (button == GLUT_LEFT_BUTTON && pressed) {
        pickAt(x, y);
        oweFrames(1);  // a tile press starts a turn; a button press disarms it
    }
    wakeClock();
}

void onMotion(int x, int y)
{
    const float here = rulesX(x, y);
    const float delta = here - lastMouseX;
    lastMouseX = here;
    turntable.setAngle(turntable.getAngle() + static_cast<double>(delta));
    oweFrames(1);
    wakeClock();
}
