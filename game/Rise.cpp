// The end of a turn, GameController's last rule steps: the tower rises by
// one row (Rise, NewRow), and a column that reaches the top ends the game.

#include "game/Board.h"
#include "game/GameController.h"

// The end of a turn's removals: the tower lifts by one slot, unless "Stop"
// is pending, which is spent instead.  A board cleared completely has nothing
// to lift and nothing for "Stop" to save: its new row comes at once, or the
// game would wait for ever, and "Stop" stays pending for the next rise.
void GameController::startRise()
{
    const bool empty = boardIsEmpty();
    if (skipNextRise && !empty) {
        // Ending the turn here also stops a "-3" pressed just before it.
        forEachTileInPlay([](Tile& tile) { tile.clearAnimation(); });
        gamePhase = kPhaseWait;
        skipNextRise = false;
        bottomClearPending = false;
        return;
    }
    forEachTileInPlay([](Tile& tile) { tile.riseOneSlot(kRiseArgument); });
    for (int c = 0; c < kColumns; ++c)
        pendingCount[c] = tileCount[c] + 1;
    // The lift's end is what adds the new row; an empty board has no lift.
    gamePhase = empty ? kPhaseNewRow : kPhaseWait;
}

// The lift has ended: every tile moves up one cell and each column gets a
// new random tile at the bottom.  A column that reaches the top ends the game.
// Each column grows by exactly one: a pick during the lift has recomputed the
// pending counts, and taking those would drop tiles off the top.
void GameController::finishRise()
{
    for (int c = 0; c < kColumns; ++c) {
        tileCount[c] += 1;
        pendingCount[c] = tileCount[c];
        for (int n = tileCount[c] - 1; n >= 1; --n) {
            tiles[c][n] = tiles[c][n - 1];
            tiles[c][n].setPosition(c, n);
        }
    }
    for (int c = 0; c < kColumns; ++c) {
        tiles[c][0].setPosition(c, 0);
        giveRandomColor(tiles[c][0]);
    }
    // The new row ends whatever removal was still fading: a "-3" pressed
    // late in the lift, or one pressed on the empty board.
    forEachTileInPlay([](Tile& tile) { tile.clearAnimation(); });
    bottomClearPending = false;
    gamePhase = kPhaseWait;
    gameOver = anyColumnFull();
    if (gameOver)
        forEachTileInPlay([](Tile& tile) { tile.startFade(kFadeArgument); });
}

bool GameController::anyColumnFull() const
{
    for (int c = 0; c < kColumns; ++c)
        if (tileCount[c] == kTilesThatEndGame)
            return true;
    return false;
}
