#include "app/Input.h"

#include "app/Clock.h"
#include "app/Frame.h"
#include "app/Window.h"
#include "game/Board.h"
#include "game/GameController.h"
#include "game/Press.h"
#include "pieces/PowerButton.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <cstdlib>

// ---- The mouse -------------------------------------------------------------

// Nothing here asks for a redraw: each event wakes the clock, owing the
// frames its change needs, and the clock's next tick shows it.

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

// ---- Picking ---------------------------------------------------------------

// Finding what lies under a left press: a tile of the tower, found in 3D by
// reading back the depth under the pointer, or a power-up button, found by
// fixed rectangles of the rules window's pixels.  Which tile or which button
// that is, and what the press does, is the game's (game/Press.cpp).

namespace {

// The button rectangles, in pixels of the 800 x 800 rules window with y
// counted upwards.
bool insideButtonRectangle(float winX, float winY)
{
    for (const PowerButtonFacts& button : kPowerButtonFacts)
        if (button.press.contains(winX, winY))
            return true;
    return false;
}

}  // namespace

void GameController::pick(int x, int y)
{
    GLint viewport[4];
    GLdouble modelview[16];
    GLdouble projection[16];
    glPushMatrix();
    multiplyPlacement(kPickFrame);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glPopMatrix();

    const float winX = static_cast<float>(x);
    const float winY = static_cast<float>(viewport[3]) - static_cast<float>(y);
    float depth = 0;
    glReadPixels(static_cast<int>(winX), static_cast<int>(winY), 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    gluUnProject(winX, winY, depth, modelview, projection, viewport, &hitX, &hitY, &hitZ);

    if (insideTileBox(hitX, hitY, hitZ)) {
        hitCode = kHitTile;
        return;
    }
    const RulesPoint press = pressInRulesWindow(rulesFrameOf(viewport[2], viewport[3]), x, y);
    if (insideButtonRectangle(press.x, press.y)) {
        hitCode = kHitButton;
        clickX = static_cast<int>(press.x);
        clickY = static_cast<int>(press.y);
    }
}
