#pragma once
// The game's objects that have constructors: the tiles (declared in
// game/Board.h) and those below; the turntable is the window's (app/Frame.h).
// All of them are defined together in app/StartUp.cpp, whose order is their
// order of construction.

#include "game/Board.h"
#include "game/GameController.h"
#include "pieces/NumberDisplay.h"
#include "pieces/PowerButton.h"
#include "themes/Theme.h"

extern PowerButton powerButtons[kPowerButtonCount];  // "+", "-3", "Stop"
extern Theme themes[kThemeCount];
extern NumberDisplay numberDisplay;
extern GameController gameController;
