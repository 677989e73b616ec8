#pragma once
// The theme file: twelve themes of one word and 27 integers each, separated
// by any whitespace.  Per theme: name, six tile colours (r g b each), then
// background, idle-button and armed-button colours.  Each integer is cut to
// its low eight bits.

#include "themes/Theme.h"

#include <istream>

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
