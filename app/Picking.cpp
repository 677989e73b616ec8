// Finding what lies under a left press: a tile of the tower, found in 3D by
// reading back the depth under the pointer, or a power-up button, found by
// fixed rectangles of the rules window's pixels.  Which tile or which button
// that is, and what the press does, is the game's (game/PickedTarget.cpp,
// game/PressRule.cpp).

#include "game/GameController.h"

#include "app/RulesFrame.h"
#include "app/ScenePlacements.h"
#include "game/PickBox.h"
#include "pieces/PowerButton.h"

#include <GL/glu.h>

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
