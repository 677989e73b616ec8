#include "game/GameController.h"

#include "game/Board.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"

namespace {

constexpr int kLineRun = 2;  // two equal neighbours on one line with the tile make three

bool matches(int column, int slot, PackedColor color)
{
    return sameColor(tiles[column][slot].color, color);
}

// Equal tiles next to (column, slot) round the ring, at most two each way.
int ringRun(int column, int slot, PackedColor color)
{
    int run = 0;
    for (int k = 1; k <= 2 && matches((column + k + kColumns) % kColumns, slot, color); ++k)
        run += 1;
    for (int k = 1; k <= 2 && matches((column - k + kColumns) % kColumns, slot, color); ++k)
        run += 1;
    return run;
}

// Equal tiles above and below (column, slot), at most two each way; there is
// nothing below slot 0 or above the marker's slot.
int columnRun(int column, int slot, PackedColor color)
{
    int run = 0;
    for (int k = 1; k <= 2 && slot + k < kSlots && matches(column, slot + k, color); ++k)
        run += 1;
    for (int k = 1; k <= 2 && slot - k >= 0 && matches(column, slot - k, color); ++k)
        run += 1;
    return run;
}

}  // namespace

// A tile in a straight line of three equal colours is selected, so that the
// next Pop step removes its whole group.
bool GameController::checkLine(int column, int slot)
{
    Tile& tile = tiles[column][slot];
    if (ringRun(column, slot, tile.color) >= kLineRun || columnRun(column, slot, tile.color) >= kLineRun) {
        tile.selected = true;
        return true;
    }
    return false;
}

// After the falls: close the gaps, then look for lines of three in the cells
// whose content changed.  A "-3" removal goes straight on to the rise.
void GameController::settleBoard()
{
    compactColumns();
    if (bottomClearPending) {
        gamePhase = kPhaseRise;
        bottomClearPending = false;
        return;
    }
    bool lineFound = false;
    for (int c = 0; c < kColumns; ++c)
        for (int s = lowestRemoved[c]; s < tileCount[c]; ++s)
            if (checkLine(c, s))
                lineFound = true;
    gamePhase = lineFound ? kPhasePop : kPhaseRise;
}
