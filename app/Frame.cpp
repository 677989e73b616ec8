#include "app/Frame.h"

#include "app/Clock.h"
#include "app/Window.h"
#include "game/Board.h"
#include "themes/Theme.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <algorithm>
#include <cmath>

// ---- The camera ------------------------------------------------------------

void lookThroughCamera()
{
    gluLookAt(kCameraEye.x, kCameraEye.y, kCameraEye.z, kCameraTarget.x, kCameraTarget.y, kCameraTarget.z,
              kCameraUp.x, kCameraUp.y, kCameraUp.z);
}

// ---- Placements ------------------------------------------------------------

void multiplyPlacement(const Placement& placement)
{
    glTranslatef(placement.x, placement.y, placement.z);
    glScalef(placement.scaleX, placement.scaleY, placement.scaleZ);
}

void undoPlacement(const Placement& placement)
{
    glScalef(1.0f / placement.scaleX, 1.0f / placement.scaleY, 1.0f / placement.scaleZ);
    // 0 - x rather than -x: a zero stays +0, as the frame always wrote it.
    glTranslatef(0 - placement.x, 0 - placement.y, 0 - placement.z);
}

// ---- The rules frame -------------------------------------------------------

RulesFrame rulesFrameOf(int width, int height)
{
    // A minimised window can report a side of 0; treat it as 1 so the scale
    // stays finite.
    const int shorter = std::max(1, std::min(width, height));
    RulesFrame frame;
    frame.scale = static_cast<double>(shorter) / kRulesWindowSize;
    frame.left = (width - shorter) / 2.0;
    frame.top = std::max(0, height - shorter) / 2.0;
    return frame;
}

double fieldOfViewOf(const RulesFrame& frame, int height)
{
    // Square and wide windows show the rules' own field of view unchanged.
    if (frame.top <= 0)
        return kFieldOfView;
    const double degrees = 180.0 / M_PI;
    const double halfRules = std::tan(kFieldOfView / 2 / degrees);
    const double shownHeight = height / (frame.scale * kRulesWindowSize);
    return 2 * std::atan(halfRules * shownHeight) * degrees;
}

RulesPoint pressInRulesWindow(const RulesFrame& frame, int x, int y)
{
    const double rulesX = (x - frame.left) / frame.scale;
    const double rulesYFromTop = (y - frame.top) / frame.scale;
    return {static_cast<float>(rulesX), static_cast<float>(kRulesWindowSize - rulesYFromTop)};
}

RulesFrame currentRulesFrame()
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    return rulesFrameOf(viewport[2], viewport[3]);
}

// ---- Reshape ---------------------------------------------------------------

void onReshape(int width, int height)
{
    // A minimised window can report a height of 0; treat it as 1 so the
    // aspect stays finite.  The viewport is the whole window, also where the
    // scene leaves bands beside or above it: the pick reads window pixels.
    const int safeHeight = height > 0 ? height : 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const float aspect = static_cast<float>(width) / static_cast<float>(safeHeight);
    gluPerspective(fieldOfViewOf(rulesFrameOf(width, height), height), aspect, kNearPlane, kFarPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    lookThroughCamera();
    // GLUT draws after a resize itself; the clock looks again all the same.
    oweFrames(1);
    wakeClock();
}

// ---- The turntable ---------------------------------------------------------

void Turntable::apply() const
{
    glRotated(angle, 0, 1, 0);
}

void Turntable::setAngle(double x)
{
    constexpr double kIntegerRange = 9.0e18;  // what a long long holds with room to spare
    if (std::fabs(x) < kIntegerRange) {
        const long long wholeTurns = static_cast<long long>(x) / 360;
        angle = x - 360.0 * static_cast<double>(wholeTurns);
    } else {
        angle = std::isfinite(x) ? std::fmod(x, 360.0) : 0.0;
    }
}

// ---- Composing a frame -----------------------------------------------------

void Theme::applyClearColor() const
{
    glClearColor(static_cast<float>(backgroundColor.r / 255.0),
                 static_cast<float>(backgroundColor.g / 255.0),
                 static_cast<float>(backgroundColor.b / 255.0), 1.0f);
}

namespace {

// Turns an earned award into an armed button: award k arms slot 2 - k.
void armAwardedButton()
{
    const int award = gameController.checkAward();
    if (award != kNoAward)
        powerButtons[slotOfAward(award)].armed = true;
}

// The buttons and the running score beside the tower; they do not turn.
void drawOverlays()
{
    multiplyPlacement(kButtonOverlay);
    for (const PowerButton& button : powerButtons)
        button.draw();
    undoPlacement(kButtonOverlay);

    multiplyPlacement(kScoreOverlay);
    numberDisplay.drawPlay();
    undoPlacement(kScoreOverlay);
}

}  // namespace

void drawScene()
{
    glLoadIdentity();
    lookThroughCamera();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Set after the clear, so a theme change reaches the background one
    // frame after the tiles.
    themes[themeIndex].applyClearColor();
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

    armAwardedButton();
    if (!gameOver)
        drawOverlays();

    multiplyPlacement(kBoardFrame);
    if (gameOver) {
        turntable.setAngle(kGameOverAngle);
        turntable.apply();
        numberDisplay.drawFinal();
    } else {
        turntable.apply();
    }
    // The tiles in play, then the markers while the game runs.
    forEachDrawnTile([](Tile& tile) { tile.draw(); });
}

void onDisplay()
{
    const bool movesTiles = anyDrawnTileMoving();
    drawScene();
    noteFrameDrawn(movesTiles);
    waitForFrameSlot();
    glutSwapBuffers();
    noteFrameSwapped();
    // GLUT draws on an expose by itself, also while the game rests.
    wakeClock();
}
