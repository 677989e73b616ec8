#include "game/GameReset.h"

#include "game/Board.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"
#include "game/PieceColors.h"

#include <cstdlib>

namespace {

// Brings a cell back to its constructed state, keeping its model.
void restoreCell(Tile& tile)
{
    tile.clearAnimation();
    tile.resetToBlank();
    tile.colorIndex = 0;
}

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
            restoreCell(tile);
        tiles[c][kMarkerSlot].setPosition(c, kMarkerSlot);
        tiles[c][kMarkerSlot].color = markerColor(c);
        tileCount[c] = 0;
        pendingCount[c] = 0;
        removedCount[c] = 0;
        lowestRemoved[c] = kNoneRemoved;
    }
    gamePhase = kPhaseIdle;
    gameOver = false;
    themeIndex = kStartTheme;
    gameController = GameController();
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
