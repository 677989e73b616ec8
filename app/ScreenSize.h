#pragma once
// What the X display tells about the screen the game opens on.

#include "app/WindowPlacement.h"

// Opens the display named `displayName` (null: $DISPLAY) and reads the
// monitor that holds the window's preferred corner, from RandR, or the whole
// screen where RandR knows no such monitor, and the desktop's Xft.dpi
// resource (kPlainDpi where it is unset).  False when the display cannot be
// opened.
bool readScreen(const char* displayName, ScreenRect& monitor, double& dpi);
