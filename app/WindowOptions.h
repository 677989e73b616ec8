#pragma once
// The window's size and position: GLUT's -geometry option where the player
// gives it, otherwise what suits the screen the game opens on.

struct WindowOptions {
    bool geometryGiven = false;         // -geometry: the player's placement wins
    const char* displayName = nullptr;  // -display, or null for $DISPLAY
};

// Reads GLUT's own options; call it before glutInit, which takes them out of
// the arguments.
WindowOptions readWindowOptions(int argc, char** argv);

// Unless -geometry was given, asks GLUT for the placement that suits the
// screen: call it after glutInit, whose own -geometry handling it would
// otherwise override.
void requestWindowPlacement(const WindowOptions& options);
