#pragma once
// The weakest links of a theme: the two tile colours a player can tell apart
// least well, and the tile closest to the background, for any vision.

#include "themes/Theme.h"
#include "devlibs/color_science/ColourScience.h"

#include <string>

struct WeakestPair {
    double difference;  // CIEDE2000
    int first;          // tile indices; second is kBackgroundIndex against the background
    int second;
};
constexpr int kBackgroundIndex = kTileColorsPerTheme;

WeakestPair weakestTilePair(const Theme& theme, Vision vision);
WeakestPair weakestTileAgainstBackground(const Theme& theme, Vision vision);

// Themes promise colour-blind safety by name: "Safe" ends the name.
bool namedColorBlindSafe(const std::string& name);
