#include "themes/Theme.h"

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
