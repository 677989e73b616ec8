#include "devlibs/play_driver/PlayActions.h"

#include "game/Board.h"
#include "game/Clock.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"

#include <GL/gl.h>

void pickCell(int column, int slot)
{
    tiles[column][slot].selected = true;
    gamePhase = kPhasePop;
}

void pressPowerButton(int slot, bool force)
{
    gameController.buttonIndex = slot;
    if (powerButtons[slot].armed || force)
        gameController.applyPowerUp();
    powerButtons[slot].armed = false;
}

void drawBoardFrame()
{
    const int award = gameController.checkAward();
    if (award != kNoAward)
        powerButtons[2 - award].armed = true;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (int c = 0; c < kColumns; ++c)
        for (int s = 0; s < tileCount[c]; ++s)
            if (!tiles[c][s].vanished)
                tiles[c][s].draw();
    if (!gameOver)
        for (int c = 0; c < kColumns; ++c)
            tiles[c][kMarkerSlot].draw();
}

bool boardIsStill()
{
    if (gamePhase != kPhaseWait)
        return false;
    for (int c = 0; c < kColumns; ++c)
        for (int s = 0; s < tileCount[c]; ++s)
            if (!tiles[c][s].vanished && (tiles[c][s].fading || tiles[c][s].sliding))
                return false;
    return true;
}

int playUntilStill(int maxTicks)
{
    for (int tick = 1; tick <= maxTicks; ++tick) {
        runPhaseStep();
        drawBoardFrame();
        if (boardIsStill())
            return tick;
    }
    return maxTicks;
}
