#include "devlibs/game_process/ShownColor.h"

#include <cstdlib>

bool near(Rgb pixel, PackedColor color, int tolerance)
{
    return std::abs(pixel.r - color.r) <= tolerance && std::abs(pixel.g - color.g) <= tolerance &&
           std::abs(pixel.b - color.b) <= tolerance;
}
