#include "game/GameController.h"

#include "game/AnimationLengths.h"
#include "game/Board.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"

namespace {

constexpr int kFullColumn = kSlots;

template <typename Action>
void forEachTileInPlay(Action action)
{
    for (int c = 0; c < kColumns; ++c)
        for (int s = 0; s < tileCount[c]; ++s)
            action(tiles[c][s]);
}

}  // namespace

// The end of a turn's removals: the tower lifts by one slot, unless "Stop"
// is pending, which is spent instead.
void GameController::startRise()
{
    if (skipNextRise) {
        forEachTileInPlay([](Tile& tile) { tile.clearAnimation(); });
        gamePhase = kPhaseWait;
        skipNextRise = false;
        return;
    }
    bool anyTile = false;
    forEachTileInPlay([&anyTile](Tile& tile) {
        tile.riseOneSlot(kRiseFrames);
        anyTile = true;
    });
    for (int c = 0; c < kColumns; ++c)
        pendingCount[c] = tileCount[c] + 1;
    // The lift's end is what adds the new row; a board that was cleared
    // completely has nothing to lift, so the new row comes at once rather
    // than never.
    gamePhase = anyTile ? kPhaseWait : kPhaseNewRow;
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
    forEachTileInPlay([](Tile& tile) { tile.clearAnimation(); });
    gamePhase = kPhaseWait;
    gameOver = anyColumnFull();
    if (gameOver)
        forEachTileInPlay([](Tile& tile) { tile.startFade(kFadeFrames); });
}

bool GameController::anyColumnFull() const
{
    for (int c = 0; c < kColumns; ++c)
        if (tileCount[c] == kFullColumn)
            return true;
    return false;
}
