#include "game/Press.h"

#include "game/Board.h"
#include "game/GameController.h"
#include "pieces/PowerButton.h"

// ---- What the pick hit -----------------------------------------------------

namespace {

// The column a hit belongs to, from the ratio x / z; the limits lie near the
// 30-degree boundaries between neighbouring faces (tan 30 = 0.577).  On the
// camera side a hit above a short neighbouring column belongs to the next one.
int columnOfHit(double hitX, double hitZ, int row)
{
    const double ratio = hitX / hitZ;
    if (hitZ > 0) {
        if (ratio > 0.57)
            return tileCount[1] < row ? 2 : 1;
        if (ratio < -0.57)
            return tileCount[5] < row ? 4 : 5;
        return 0;
    }
    if (ratio > 0.59)
        return 4;
    if (ratio < -0.58)
        return 2;
    return 3;
}

}  // namespace

int GameController::buttonFromClick()
{
    if (clickY > kClickSplitBelowColorSweep)
        buttonIndex = kSlotColorSweep;
    else if (clickY > kClickSplitBelowBottomClear)
        buttonIndex = kSlotBottomClear;
    else
        buttonIndex = kSlotStop;
    return buttonIndex;
}

void GameController::selectPickedTile()
{
    // Board height over the slot pitch: 0 to 18 inside the tile box.  A hit
    // from anywhere else selects nothing rather than a cell off the board.
    const double rowHeight = rowsUpTo(hitY);
    if (!(rowHeight > -1.0 && rowHeight < kMarkerSlot) || hitZ == 0)
        return;
    const int row = static_cast<int>(rowHeight);  // truncated towards zero
    tiles[columnOfHit(hitX, hitZ, row)][row].selected = true;
}

// ---- The press rule --------------------------------------------------------

void actOnPress()
{
    if (gameController.hitCode == kHitTile) {
        gameController.selectPickedTile();
        gamePhase = kPhasePop;
    } else if (gameController.hitCode == kHitButton) {
        PowerButton& button = powerButtons[gameController.buttonFromClick()];
        if (button.armed)
            gameController.applyPowerUp();
        button.armed = false;
    }
    gameController.hitCode = kHitNothing;
}
