#pragma once
// The game's window, opened the way the game opens it: the rules' size, double
// buffered with depth, viewport and camera set.

#include "app/RulesWindow.h"

// Opens the window and makes its context current.  Returns false, with a
// message on standard error, when the working directory is not the game's
// assets directory (the themes and models are read from there).
bool openGameWindow(int& argc, char** argv, const char* title);
