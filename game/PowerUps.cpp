#include "game/PowerUps.h"

#include "game/Board.h"
#include "game/GameController.h"

// ---- Score -----------------------------------------------------------------

void addToScore(int points)
{
    numberDisplay.setValue(numberDisplay.getValue() + points);
}

// ---- Awards ----------------------------------------------------------------

bool awardWaiting()
{
    return numberDisplay.getValue() - gameController.awardMark >= kPointsPerAward;
}

// Turns each 100 points into one award, one per call; the award number comes
// from the current score, so a big jump arms the same slot repeatedly.
int GameController::checkAward()
{
    if (!awardWaiting())
        return kNoAward;
    awardMark += kPointsPerAward;
    return (numberDisplay.getValue() / kPointsPerAward - 1) % kPowerButtonCount;
}

// ---- Power-ups -------------------------------------------------------------

namespace {

constexpr int kClearedRows = 3;

// "-3": the bottom three tiles of every column fade out at once.  This is a
// removal of its own: it replaces the per-column bookkeeping of any removal
// still under way, and its fades move the game on to Fall when they end.
void clearBottomRows()
{
    for (int c = 0; c < kColumns; ++c) {
        const int cleared = tileCount[c] > kClearedRows ? kClearedRows : tileCount[c];
        for (int s = 0; s < cleared; ++s) {
            tiles[c][s].marked = 1;
            tiles[c][s].startFade(kFadeArgument);
            addToScore(kPointsPerClearedTile);
        }
        lowestRemoved[c] = 0;
        removedCount[c] = cleared;
        pendingCount[c] = tileCount[c] - cleared;
    }
}

}  // namespace

// Applies the power-up of the button last pressed.  "+" and "Stop" only
// arm their effect for the step that consumes it.
void GameController::applyPowerUp()
{
    switch (buttonIndex) {
    case kSlotColorSweep:
        colorSweepArmed = true;
        break;
    case kSlotBottomClear:
        bottomClearPending = true;
        clearBottomRows();
        break;
    case kSlotStop:
        skipNextRise = true;
        break;
    default:
        break;
    }
}
