#pragma once
// The game's window, opened the way the game opens it: double buffered with
// depth, viewport and camera set; the rules' size unless a tool asks for
// another.

#include "app/Window.h"

struct WindowSize {
    int width = kRulesWindowSize;
    int height = kRulesWindowSize;
};

// Reads "WxH", each side 1..8192 pixels.
bool parseWindowSize(const char* text, WindowSize& size);

// Opens the window at exactly `size` and makes its context current.
// Returns false, with a message on standard error, when the working
// directory is not the game's assets directory (the themes and models are
// read from there), when the X screen is smaller than the window, or when
// the window did not get the size asked for.
bool openGameWindow(int& argc, char** argv, const char* title, WindowSize size = {});
