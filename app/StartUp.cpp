#include "app/Callbacks.h"

#include "app/Timer.h"
#include "game/GameState.h"
#include "game/GlobalObjects.h"
#include "game/PieceColors.h"
#include "themes/Theme.h"

namespace {

// Builds each button from its label, not armed.
void createPowerButtons()
{
    for (int slot = 0; slot < kPowerButtonCount; ++slot)
        powerButtons[slot] = PowerButton(kPowerButtonFacts[slot].label);
}

}  // namespace

void startUp()
{
    loadThemes(themes);
    fillBoard();
    createPowerButtons();
    colorPiecesFromTheme();
    numberDisplay.setValue(0);
    // The first frame clears to black; the theme's background comes with
    // the second.
    oweFrames(kFramesForBackground);
}
