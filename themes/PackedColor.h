#pragma once
// A colour as four bytes, laid out so it can be copied and compared as one
// 32-bit unit.  Alpha is the drawing alpha of a tile.

#include <cstdint>

struct PackedColor {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;
};
static_assert(sizeof(PackedColor) == 4, "PackedColor must stay four packed bytes");

// An opaque colour (alpha 255).
PackedColor packColor(std::uint8_t r, std::uint8_t g, std::uint8_t b);

// True when all four bytes match, alpha included: a vanished tile (alpha 0)
// or a marker never matches an opaque tile of the same hue.
bool sameColor(PackedColor first, PackedColor second);
