#pragma once
// Where the game's square window opens: 800 x 800 at (100, 100) where the
// screen has room, larger on a high-density screen, smaller on a screen too
// low for it.

// The corner the window opens at, both x and y, where the screen has room:
// also the point whose monitor the window opens on.
constexpr int kPreferredWindowCorner = 100;
// The density a desktop that sets none has, and the one the rules' window
// size is meant at.
constexpr double kPlainDpi = 96;

// A rectangle of the screen, in pixels from the screen's top-left corner.
struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct WindowPlacement {
    int x = 0;
    int y = 0;
    int size = 0;  // width and height
};

// The placement on `monitor`, the monitor that holds the preferred corner,
// whose desktop asks for `dpi` dots per inch.
WindowPlacement placeWindow(const ScreenRect& monitor, double dpi);
