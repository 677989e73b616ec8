#pragma once
// The colour themes: everything the game paints comes from the current one
// of twelve.  The record, the theme file it is read from, and the stepping
// from one theme to the next.

#include "themes/PackedColor.h"

#include <istream>
#include <string>

constexpr int kThemeCount = 12;
constexpr int kTileColorsPerTheme = 6;

// ---- The theme record ------------------------------------------------------

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

// ---- The theme file --------------------------------------------------------
// Twelve themes of one word and 27 integers each, separated by any
// whitespace.  Per theme: name, six tile colours (r g b each), then
// background, idle-button and armed-button colours.  Each integer is cut to
// its low eight bits.

constexpr const char* kThemeFileName = "themes.txt";

// Reads the themes from a stream.  Every record ends up fully defined:
// colours that could not be read are zero-filled (alpha 255) and every theme
// has six tile colours.  Returns false, after one line on standard error
// naming `sourceName` and where reading stopped, when the stream ran short,
// could not be read or held a token that is not an integer.  A theme name in
// the message shows every byte that is not printable ASCII as \xNN.
bool readThemes(std::istream& in, const char* sourceName, Theme (&themes)[kThemeCount]);

// Opens `fileName` (the working directory's theme file by default) and reads
// it as above; a file that cannot be opened, or is a folder, is reported with
// the reason and leaves every colour zero-filled.
bool loadThemes(Theme (&themes)[kThemeCount], const char* fileName = kThemeFileName);

// ---- Stepping --------------------------------------------------------------

// The theme after `themeIndex` for a positive direction, the one before it
// otherwise, wrapping round at both ends.
int steppedThemeIndex(int themeIndex, int direction);
