#include "app/StartUp.h"

#include "app/Clock.h"
#include "app/DataFolder.h"
#include "app/Frame.h"
#include "game/Board.h"
#include "game/ThemeColors.h"
#include "themes/Theme.h"

// ---- The global objects ----------------------------------------------------

// C++ builds globals in definition order only within a file, so every game
// object with a constructor lives here.  The tiles and digits read their
// models as they are built, before the window opens; they are destroyed in
// reverse order at exit.  This file sits in the top layer because it is the
// one place that may see every layer's types.

// First of all: the tiles and digits below read their models from the data
// folder as they are built.
static DataFolderEntry dataFolderEntry;

Turntable turntable;
Tile tiles[kColumns][kSlots];
PowerButton powerButtons[kPowerButtonCount];
Theme themes[kThemeCount];
NumberDisplay numberDisplay;
GameController gameController;

// ---- Start-up --------------------------------------------------------------

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
