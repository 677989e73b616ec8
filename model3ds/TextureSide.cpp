#include "model3ds/TextureLoader.h"

#include <algorithm>
#include <cmath>

int TextureSide(int imageSide, int maxTextureSide)
{
    if (imageSide > maxTextureSide)
        return maxTextureSide;
    if (imageSide <= 1)
        return 1;
    // The logarithm of 2 in single precision: the rounding boundaries lie at
    // 2 to the power k + 0.5 all the same.
    const double dLog2 = std::log(static_cast<double>(imageSide)) / static_cast<double>(std::log(2.0f));
    const int exponent = static_cast<int>(std::floor(dLog2 + 0.5));
    return std::min(1 << exponent, maxTextureSide);
}
