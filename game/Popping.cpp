#include "game/GameController.h"

#include "game/AnimationLengths.h"
#include "game/Board.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"
#include "game/Score.h"

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
