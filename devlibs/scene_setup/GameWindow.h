#pragma once
// The game's window, opened the way the game opens it: 800 x 800, double
// buffered with depth, viewport and camera set.

constexpr int kGameWindowSize = 800;

// Opens the window and makes its context current.  Returns false, with a
// message on standard error, when the working directory is not the game's
// assets directory (the themes and models are read from there).
bool openGameWindow(int& argc, char** argv, const char* title);
