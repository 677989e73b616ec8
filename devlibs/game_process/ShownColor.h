#pragma once
// Telling a colour of the game in its window's pixels.

#include "devlibs/window_pixels/WindowPixels.h"
#include "themes/PackedColor.h"

// Whether the pixel shows the colour, each channel within `tolerance`: the
// screen's pixels may differ from the theme's bytes by a rounding step.
bool near(Rgb pixel, PackedColor color, int tolerance = 2);
