#pragma once
// The game's objects and its start-up.

// ---- The global objects ----------------------------------------------------

// Every game object with a constructor is defined in app/StartUp.cpp, in one
// translation unit, in the order they are built: the data folder's entry, the
// turntable, the tiles, the buttons, the themes, the number display, the
// controller.  Each layer declares the objects it uses (the tiles and the
// game's objects in game/Board.h, the turntable in app/Frame.h).

// ---- Start-up --------------------------------------------------------------

// Reads the themes, fills the board, builds the power-up buttons and resets
// the score display.  Runs once, after the window exists.
void startUp();
