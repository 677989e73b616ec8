#include "app/Frame.h"

#include "app/Callbacks.h"
#include "app/Camera.h"
#include "app/FramePacing.h"
#include "app/ScenePlacements.h"
#include "app/Timer.h"
#include "app/Turntable.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"

#include <GL/glut.h>

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
