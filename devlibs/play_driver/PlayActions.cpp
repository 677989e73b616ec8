#include "devlibs/play_driver/PlayActions.h"

#include "app/Frame.h"
#include "game/Board.h"
#include "game/Clock.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"

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

bool playUntilStill(int maxTicks)
{
    for (int tick = 1; tick <= maxTicks; ++tick) {
        runPhaseStep();
        drawScene();
        if (boardIsStill())
            return true;
    }
    return false;
}
