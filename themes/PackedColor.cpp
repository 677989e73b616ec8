#include "themes/PackedColor.h"

#include <cstring>

PackedColor packColor(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return PackedColor{r, g, b, 255};
}

bool sameColor(PackedColor first, PackedColor second)
{
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    std::memcpy(&a, &first, sizeof a);
    std::memcpy(&b, &second, sizeof b);
    return a == b;
}
