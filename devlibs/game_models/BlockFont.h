#pragma once
// A blocky lettering for the score digits and the button labels: every
// glyph is a few upright bars with square ends, which stay legible at the
// few dozen pixels the game draws them at, upright or turned on their side.

#include "devlibs/game_models/Mesh.h"

#include <vector>

struct Bar {
    float left, bottom, right, top;
};

// The size of a glyph.  Its box runs from (0, 0) to (width, height); the
// small letters are xHeight high, and "p" reaches `descender` below 0.
struct GlyphMetrics {
    float width;
    float height;
    float stroke;
    float xHeight;
    float descender;
};

// How the bars become solids.  A bar's front face lies at z = depth / 2; its
// back face is the bar inset by `taper` on every side, so that the sides
// slope away and stay out of sight from the front: the game draws in one
// flat colour, where visible sides would only smear the strokes.
struct BarStyle {
    float depth;
    float taper;
};

// The bars of the digit 0 to 9.
std::vector<Bar> digitBars(int digit, const GlyphMetrics& m);

// The bars of the letters of "Stop": 'S', 't', 'o' and 'p'.
std::vector<Bar> letterBars(char letter, const GlyphMetrics& m);

// Adds the bars, moved by (dx, dy), as solids.
void addBars(Mesh& mesh, const std::vector<Bar>& bars, float dx, float dy, const BarStyle& style);

// The extent of a set of bars.
Bar barsExtent(const std::vector<Bar>& bars);
