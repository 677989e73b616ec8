#include "app/Callbacks.h"

#include "game/GameState.h"
#include "game/GlobalObjects.h"
#include "game/PieceColors.h"
#include "themes/ThemeFile.h"

namespace {

// Builds each button from its name, not armed.
void createPowerButtons()
{
    static const char* const kNames[kPowerButtonCount] = {"+", "-3", "Stop"};
    for (int slot = 0; slot < kPowerButtonCount; ++slot)
        powerButtons[slot] = PowerButton(kNames[slot]);
}

}  // namespace

void startUp()
{
    loadThemes(themes);
    fillBoard();
    createPowerButtons();
    colorPiecesFromTheme();
    numberDisplay.setValue(0);
}
