#pragma once
// The game's objects that have constructors.  All of them are defined in
// GlobalObjects.cpp, whose order is their order of construction.

#include "app/Turntable.h"
#include "game/Board.h"
#include "game/GameController.h"
#include "pieces/NumberDisplay.h"
#include "pieces/PowerButton.h"
#include "themes/Theme.h"

extern Turntable turntable;
extern PowerButton powerButtons[kPowerButtonCount];  // "+", "-3", "Stop"
extern Theme themes[kThemeCount];
extern NumberDisplay numberDisplay;
extern GameController gameController;
