#pragma once
// Where the game's 800 x 800 rules window sits inside the real window.  The
// scene is shown whole and centred: scaled to the window's shorter side, with
// bands beside it in a wide window and above and below it in a tall one.  The
// projection and the press mapping both come from here, so what is drawn is
// where it is pressed.

struct RulesFrame {
    double scale = 1;  // window pixels per rules pixel
    double left = 0;   // window pixels from the window's left edge to the rules window
    double top = 0;    // window pixels from the window's top edge to the rules window
};

RulesFrame rulesFrameOf(int width, int height);

// The vertical field of view, in degrees, that shows the rules window's
// whole height at `frame`'s scale in a window `height` pixels high.
double fieldOfViewOf(const RulesFrame& frame, int height);

// A press at window pixel (x, y), y from the top as the mouse reports it, in
// pixels of the rules window with y counted upwards from its bottom, as the
// button rectangles are written.
struct RulesPoint {
    float x;
    float y;
};
RulesPoint pressInRulesWindow(const RulesFrame& frame, int x, int y);

// The frame of the window the last reshape set up (the GL viewport).
RulesFrame currentRulesFrame();
