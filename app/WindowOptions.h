#pragma once
// The game's window: how it opens, and its size and position, which are
// GLUT's -geometry option where the player gives it, otherwise what suits the
// screen the game opens on.  The game, its tools and its tests all open their
// window through createGameWindow.

#include "app/WindowPlacement.h"

#include <optional>

struct WindowOptions {
    bool geometryGiven = false;         // -geometry: the player's placement wins
    const char* displayName = nullptr;  // -display, or null for $DISPLAY
};

// Reads GLUT's own options; call it before glutInit, which takes them out of
// the arguments.
WindowOptions readWindowOptions(int argc, char** argv);

// The window's rectangle that suits the screen; none when -geometry was
// given, so that GLUT's own handling of it stands, or when there is no
// display (glutInit has then already told the player so).
std::optional<ScreenRect> suitedWindowRect(const WindowOptions& options);

// Opens the game's window, double-buffered RGB with a depth buffer, titled
// `title` and of the X class the menu entry matches, and makes its context
// current: at `rect` when given, otherwise where GLUT's options or defaults
// put it.  Call it after glutInit.  Returns GLUT's window number.
int createGameWindow(const char* title, const std::optional<ScreenRect>& rect);
