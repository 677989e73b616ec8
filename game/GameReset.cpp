#include "game/GameReset.h"

#include "game/Board.h"
#include "game/BoardState.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"
#include "game/PieceColors.h"

#include <cstdlib>

namespace {

void restorePieces()
{
    for (PowerButton& button : powerButtons)
        button.armed = false;
    colorPiecesFromTheme();
    numberDisplay.setValue(0);
}

}  // namespace

void clearGame()
{
    for (int c = 0; c < kColumns; ++c) {
        for (Tile& tile : tiles[c])
            tile.restore(kNewGame);
        tiles[c][kMarkerSlot].setPosition(c, kMarkerSlot);
        tiles[c][kMarkerSlot].color = markerColor(c);
    }
    clearBoardState();
    restoreFields(gameController, GameController(), kGameControllerFields, kNewGame);
    restorePieces();
}

void startFreshGame(unsigned seed)
{
    clearGame();
    for (int c = 0; c < kColumns; ++c)
        tileCount[c] = pendingCount[c] = kStartTiles;
    fillBoard();
    // fillBoard seeds from the clock; draw the colours again from the seed.
    std::srand(seed);
    for (int c = 0; c < kColumns; ++c)
        for (int s = 0; s < kStartTiles; ++s)
            giveRandomColor(tiles[c][s]);
}
