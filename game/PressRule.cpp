#include "game/PressRule.h"

#include "game/GameState.h"
#include "game/GlobalObjects.h"

void actOnPress()
{
    if (gameController.hitCode == kHitTile) {
        gameController.selectPickedTile();
        gamePhase = kPhasePop;
    } else if (gameController.hitCode == kHitButton) {
        PowerButton& button = powerButtons[gameController.buttonFromClick()];
        if (button.armed)
            gameController.applyPowerUp();
        button.armed = false;
    }
    gameController.hitCode = kHitNothing;
}
