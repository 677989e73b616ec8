#pragma once
// Reading back what an X window shows, for the programs and tests that watch
// the real game from outside.

#include <vector>

struct _XDisplay;

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// The pixels of a rectangle of the window, top row first; empty when the
// window cannot be read.
std::vector<Rgb> readWindowPixels(_XDisplay* display, unsigned long window, int x, int y, int width,
                                  int height);
