// Finding what lies under a left press: a tile of the tower, found in 3D by
// reading back the depth under the pointer, or a power-up button, found by
// fixed rectangles of the rules window's pixels.

#include "game/GameController.h"

#include "app/RulesFrame.h"
#include "app/ScenePlacements.h"
#include "game/Board.h"

#include <GL/glu.h>

namespace {

bool insideTileBox(double x, double y, double z)
{
    return -5 < x && x < 5 && -5 < z && z < 5 && 43 < y && y < 114.9 && z != 0;
}

// The three button rectangles, in pixels of the 800 x 800 rules window with
// y counted upwards; bounds inclusive.
bool insideButtonRectangle(float winX, float winY)
{
    return (645 <= winX && winX <= 695 && 325 <= winY && winY <= 380) ||
           (630 <= winX && winX <= 690 && 200 <= winY && winY <= 245) ||
           (610 <= winX && winX <= 705 && 120 <= winY && winY <= 155);
}

// The column a hit belongs to, from the ratio x / z; the limits lie near the
// 30-degree boundaries between neighbouring faces (tan 30 = 0.577).  On the
// camera side a hit above a short neighbouring column belongs to the next one.
int columnOfHit(double hitX, double hitZ, int row)
{
    const double ratio = hitX / hitZ;
    if (hitZ > 0) {
        if (ratio > 0.57)
            return tileCount[1] < row ? 2 : 1;
        if (ratio < -0.57)
            return tileCount[5] < row ? 4 : 5;
        return 0;
    }
    if (ratio > 0.59)
        return 4;
    if (ratio < -0.58)
        return 2;
    return 3;
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

int GameController::buttonFromClick()
{
    if (clickY > 300)
        buttonIndex = 0;
    else if (clickY > 160)
        buttonIndex = 1;
    else
        buttonIndex = 2;
    return buttonIndex;
}

void GameController::selectPickedTile()
{
    // Board height over the slot pitch: 0 to 18 inside the tile box.  A hit
    // from anywhere else selects nothing rather than a cell off the board.
    const double rowHeight = (hitY - 47.5) / 3.75 + 1.0;
    if (!(rowHeight > -1.0 && rowHeight < kMarkerSlot) || hitZ == 0)
        return;
    const int row = static_cast<int>(rowHeight);  // truncated towards zero
    tiles[columnOfHit(hitX, hitZ, row)][row].selected = true;
}
