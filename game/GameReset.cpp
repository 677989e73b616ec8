#include "game/GameReset.h"

#include "game/Board.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"
#include "game/PieceColors.h"

#include <cstdlib>

void clearGame()
{
    resetGameFlags();
    layOutBoard(0);
    gameController = GameController();
    for (PowerButton& button : powerButtons)
        button.armed = false;
    colorPiecesFromTheme();
    numberDisplay.setValue(0);
}

void startFreshGame(unsigned seed)
{
    clearGame();
    std::srand(seed);
    layOutBoard(kStartTiles);
}
