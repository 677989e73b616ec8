// Feeds arbitrary bytes to the texture loader as a picture file, all the way
// to the texture's pixels, with the largest texture side taken from the
// input's length so that the stretch to it is fuzzed too.  Any overrun shows
// under the sanitizers; a result that breaks the loader's promises aborts
// with what is wrong with it.

#include "model3ds/TextureLoader.h"
#include "model3ds/TexturePixels.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool isPowerOfTwo(int side)
{
    return side > 0 && (side & (side - 1)) == 0;
}

// What is wrong with a texture made; empty when nothing is.
std::string textureFault(const tTexturePixels& texture, int maxTextureSide)
{
    for (const int side : {texture.width, texture.height}) {
        if (side > maxTextureSide || (side != maxTextureSide && !isPowerOfTwo(side)))
            return "side " + std::to_string(side) + " for the largest " + std::to_string(maxTextureSide);
    }
    if (texture.rgba.size() != static_cast<std::size_t>(texture.width) * texture.height * 4)
        return "pixels do not fill the texture";
    for (std::size_t i = 0; i < texture.rgba.size(); i += 4) {
        const bool black = (texture.rgba[i] | texture.rgba[i + 1] | texture.rgba[i + 2]) == 0;
        if (texture.rgba[i + 3] != (black ? 0 : 255))
            return "alpha is not the colour's";
    }
    return "";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // 100 to 2100: not always a power of two, sometimes below the picture.
    const int maxTextureSide = 100 + static_cast<int>(size % 2001);
    tTexturePixels texture;
    std::string strReason;
    const bool made = MakeTexturePixels(data, size, maxTextureSide, texture, strReason);
    const std::string fault = made ? textureFault(texture, maxTextureSide)
                                   : (strReason.empty() ? "failed without a reason" : "");
    if (!fault.empty()) {
        std::fprintf(stderr, "broken texture: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
