// Every game object with a constructor lives here, in one translation unit,
// because C++ builds globals in definition order only within a file.  The
// tiles and digits read their models as they are built, before the window
// opens; they are destroyed in reverse order at exit.  This file sits in the
// top layer because it is the one place that may see every layer's types.

#include "app/EnterDataFolder.h"
#include "app/Turntable.h"
#include "game/GlobalObjects.h"

// First of all: the tiles and digits below read their models from the data
// folder as they are built.
static DataFolderEntry dataFolderEntry;

Turntable turntable;
Tile tiles[kColumns][kSlots];
PowerButton powerButtons[kPowerButtonCount];
Theme themes[kThemeCount];
NumberDisplay numberDisplay;
GameController gameController;
