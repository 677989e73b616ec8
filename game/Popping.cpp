// A turn's removals, GameController's rule steps from a press to the rise:
// the selected groups are marked and fade out (Pop), the tiles above fall
// into the gaps (Fall), the columns close up and any line of three equal
// tiles is selected for another Pop (Settle).

#include "game/Board.h"
#include "game/GameController.h"
#include "game/PowerUps.h"

// ---- Pop: marking the groups and fading them out ---------------------------

namespace {

// The colour of the last selected tile in play, scanning columns 0 to 5 and
// each from the bottom; false when no tile in play is selected.
bool lastSelectedColor(PackedColor& color)
{
    bool found = false;
    for (int c = 0; c < kColumns; ++c)
        for (int s = 0; s < tileCount[c]; ++s)
            if (tiles[c][s].selected) {
                color = tiles[c][s].color;
                found = true;
            }
    return found;
}

// The "+" sweep: every tile in play of the colour, wherever it stands.
void markEveryTileOfColor(PackedColor color)
{
    for (int c = 0; c < kColumns; ++c)
        for (int s = 0; s < tileCount[c]; ++s)
            if (sameColor(tiles[c][s].color, color))
                tiles[c][s].marked = 1;
}

// Fades out and scores every marked tile in play, and notes per column how
// many go and the lowest of them.  Tiles still marked from an earlier removal
// count again.
void startRemovalFades()
{
    for (int c = 0; c < kColumns; ++c)
        for (int s = 0; s < tileCount[c]; ++s) {
            Tile& tile = tiles[c][s];
            if (tile.marked != 1)
                continue;
            tile.startFade(kFadeArgument);
            addToScore(kPointsPerPoppedTile);
            if (removedCount[c] == 0)
                lowestRemoved[c] = s;
            removedCount[c] += 1;
        }
}

}  // namespace

void GameController::resolveSelection()
{
    for (int c = 0; c < kColumns; ++c) {
        lowestRemoved[c] = kNoneRemoved;
        removedCount[c] = 0;
    }
    if (colorSweepArmed) {
        PackedColor color;
        if (lastSelectedColor(color))
            markEveryTileOfColor(color);
        colorSweepArmed = false;
    } else {
        for (int c = 0; c < kColumns; ++c)
            for (int s = 0; s < tileCount[c]; ++s)
                if (tiles[c][s].selected)
                    floodMark(c, s, tiles[c][s].color);
    }
    startRemovalFades();
    for (int c = 0; c < kColumns; ++c)
        pendingCount[c] = tileCount[c] - removedCount[c];
    // With nothing marked no fade will end, so the turn stops here; but an
    // empty board, reached by a pick just as it was cleared, would then wait
    // for ever: it goes on to its new row.
    gamePhase = boardIsEmpty() ? kPhaseRise : kPhaseWait;
}

// Marks the 4-connected group of cells of the given colour around a cell:
// round the ring of columns and up and down the column, never beyond the
// board (upwards the marker normally ends the search, but the rise that ends
// the game overwrites it).  A cell is marked when it is first reached, so it
// enters the work list at most once and the list never holds more than the
// board's cells.
void GameController::floodMark(int column, int slot, PackedColor color)
{
    GridPos toVisit[kColumns * kSlots];
    int waiting = 0;
    auto reach = [&](int c, int s) {
        if (s < 0 || s >= kSlots)
            return;
        Tile& tile = tiles[c][s];
        if (!sameColor(tile.color, color) || tile.marked != 0)
            return;
        tile.marked = 1;
        toVisit[waiting++] = GridPos{c, s};
    };

    reach(column, slot);
    while (waiting > 0) {
        const GridPos cell = toVisit[--waiting];
        for (int d = 1; d <= 4; ++d)
            reach((cell.column + columnStep[d] + kColumns) % kColumns, cell.slot + slotStep[d]);
    }
}

// ---- Fall: the tiles above the gaps, and closing the columns up ------------

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

// ---- Settle: lines of three ------------------------------------------------

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
