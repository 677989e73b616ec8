#pragma once
// The game's window: the size the rules are written in, where the window
// opens on the screen, how it opens (GLUT's own options, the X class the
// menu entry matches) and how many display refreshes a swap waits for.  The
// game, its tools and its tests all open their window through
// createGameWindow.

#include <optional>

// ---- The window's size and place -------------------------------------------

// The window size the game's rules are written in: the button rectangles and
// the right-press split are pixels of an 800 x 800 window, whatever size the
// window really has.
constexpr int kRulesWindowSize = 800;

// The game's square window opens at 800 x 800 at (100, 100) where the screen
// has room, larger on a high-density screen, smaller on a screen too low for
// it.  The corner, both x and y, is also the point whose monitor the window
// opens on.
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

// ---- The screen ------------------------------------------------------------

// What the X display tells about the screen the game opens on.  Opens the
// display named `displayName` (null: $DISPLAY) and reads the monitor that
// holds the window's preferred corner, from RandR, or the whole screen where
// RandR knows no such monitor, and the desktop's Xft.dpi resource (kPlainDpi
// where it is unset).  False when the display cannot be opened.
bool readScreen(const char* displayName, ScreenRect& monitor, double& dpi);

// ---- The window class ------------------------------------------------------

// The window's X class (WM_CLASS), which docks and task bars use to match a
// running window to the game's menu entry; GLUT has no call for it.  Sets
// res_name and res_class of the current GLX drawable's window to `name`, and
// does nothing when the current drawable is not an X window.
void setWindowClass(const char* name);

// ---- Opening the window ----------------------------------------------------

// The window's size and position are GLUT's -geometry option where the
// player gives it, otherwise what suits the screen the game opens on.

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

// ---- Swap control ----------------------------------------------------------

// The driver's swap control: how many display refreshes a buffer swap waits
// for.  GLX offers it through one of three extensions, depending on the
// driver.
//
// Whether the space-separated extension list holds the name as a whole word.
bool hasExtension(const char* extensions, const char* name);

// The first swap-control extension of the list, in the order they are tried
// (EXT, MESA, SGI), or nullptr when it holds none.
const char* offeredSwapControl(const char* extensions);

// Asks for `interval` refreshes per swap on the current window; returns
// false when no offered extension takes it (SGI's cannot turn waiting off).
bool setSwapInterval(int interval);
