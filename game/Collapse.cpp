#include "game/GameController.h"

#include "game/AnimationLengths.h"
#include "game/Board.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"

namespace {

// The removal is complete: each column takes its new count and the cells
// above it become blank again.  A removal never makes a column taller: when
// "-3" is pressed just as the tower starts to rise, the rise's count (one
// more) is still pending, and taking it would bring a blank cell, or the
// marker, into play.
void commitPendingCounts()
{
    for (int c = 0; c < kColumns; ++c) {
        if (pendingCount[c] < tileCount[c])
            tileCount[c] = pendingCount[c];
        for (int s = tileCount[c]; s < kMarkerSlot; ++s)
            tiles[c][s].resetToBlank();
    }
}

}  // namespace

// Every surviving tile above a removed one falls by the number of removed
// tiles below it.  The falls all last the same number of frames, so they end
// together and the last one to end moves the game to Settle.
void GameController::startFalls()
{
    bool anythingFalls = false;
    for (int c = 0; c < kColumns; ++c) {
        if (removedCount[c] == 0)
            continue;
        int removedBelow = removedCount[c];
        for (int s = tileCount[c] - 1; s >= lowestRemoved[c]; --s) {
            Tile& tile = tiles[c][s];
            if (tile.marked == 1) {
                removedBelow -= 1;
                continue;
            }
            // A "-3" pressed during another removal leaves that removal's
            // tiles marked without counting them; no tile may "fall" upwards.
            if (removedBelow <= 0)
                continue;
            const GridPos from = tile.getPosition();
            tile.startSlide(GridPos{c, from.slot - removedBelow}, kFallArgument);
            anythingFalls = true;
        }
    }
    if (anythingFalls) {
        gamePhase = kPhaseWait;
        return;
    }
    // Everything removed sat on top of its column: nothing to fall, no line
    // can have formed.  Compacting then only takes the new counts, unless a
    // "-3" left removed tiles below survivors that could not fall.  With no
    // Settle step to come, a "-3" ends here, or its flag would cost the next
    // turn its line test.
    compactColumns();
    bottomClearPending = false;
    gamePhase = kPhaseRise;
}

// Moves each surviving tile down into the lowest free cell, taking for every
// cell from the lowest removed one upwards the next unused survivor above it.
void GameController::compactColumns()
{
    for (int c = 0; c < kColumns; ++c) {
        if (removedCount[c] == 0)
            continue;
        for (int s = lowestRemoved[c]; s < pendingCount[c]; ++s) {
            int k = s;
            while (k < tileCount[c] && tiles[c][k].marked == 1)
                k += 1;
            if (k == tileCount[c]) {
                // Fewer survivors than counted (the counts were overwritten
                // by "-3"): the column ends with the ones it has.
                pendingCount[c] = s;
                break;
            }
            tiles[c][s] = tiles[c][k];
            tiles[c][k].marked = 1;  // used up
            tiles[c][s].setPosition(c, s);
        }
    }
    commitPendingCounts();
}
