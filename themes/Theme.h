#pragma once
// One colour theme: everything the game paints comes from the current one.

#include "themes/PackedColor.h"

#include <string>

constexpr int kThemeCount = 12;
constexpr int kTileColorsPerTheme = 6;

struct Theme {
    PackedColor backgroundColor;
    PackedColor armedColor;   // a power-up button that can be used
    PackedColor idleColor;    // a power-up button that cannot
    PackedColor numberColor;  // the score; always the armed colour as read
    std::string name;         // one word; only for people reading the file
    PackedColor tileColors[kTileColorsPerTheme];
    int tileColorCount = 0;

    // Appends one tile colour; the loader calls it exactly six times.
    void addTileColor(PackedColor color);

    // A random index into tileColors, for a new tile.
    int randomColorIndex() const;

    // Makes the background the colour the next glClear uses.  Defined in
    // app/, beside the frame, so that reading themes needs no OpenGL.
    void applyClearColor() const;
};
