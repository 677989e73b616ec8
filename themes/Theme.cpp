#include "themes/Theme.h"

#include <GL/gl.h>

#include <cstdlib>

void Theme::addTileColor(PackedColor color)
{
    if (tileColorCount >= kTileColorsPerTheme)
        return;
    tileColors[tileColorCount] = color;
    tileColorCount += 1;
}

int Theme::randomColorIndex() const
{
    // A theme that was never loaded has no colours; index 0 is then the only
    // safe answer (its zero-filled colour).
    if (tileColorCount <= 0)
        return 0;
    return std::rand() % tileColorCount;
}

void Theme::applyClearColor() const
{
    glClearColor(static_cast<float>(backgroundColor.r / 255.0),
                 static_cast<float>(backgroundColor.g / 255.0),
                 static_cast<float>(backgroundColor.b / 255.0), 1.0f);
}
