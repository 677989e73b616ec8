#include "model3ds/TexturePixels.h"

#include "model3ds/PictureDecoders.h"
#include "model3ds/TextureLoader.h"

#include <cstring>

namespace {

constexpr int kRgb = 3;
constexpr int kRgba = 4;

// A format known by the first bytes of its files; those without a decoder
// are refused by name.
struct tPictureFormat {
    const char* szName;
    const char* szSignature;
    tPictureDecoder pfnDecode;
};

const tPictureFormat kPictureFormats[] = {
    {"PNG", "\x89PNG\r\n\x1a\n", DecodePng},
    {"JPEG", "\xff\xd8\xff", DecodeJpeg},
    {"BMP", "BM", DecodeBmp},
    {"GIF", "GIF8", nullptr},
    {"PSD", "8BPS", nullptr},
    {"HDR", "#?RADIANCE", nullptr},
    {"HDR", "#?RGBE", nullptr},
    {"PNM", "P1", nullptr},
    {"PNM", "P2", nullptr},
    {"PNM", "P3", nullptr},
    {"PNM", "P4", nullptr},
    {"PNM", "P5", nullptr},
    {"PNM", "P6", nullptr},
    {"PNM", "P7", nullptr},
};

const tPictureFormat* FindPictureFormat(const unsigned char* pBytes, std::size_t nBytes)
{
    for (const tPictureFormat& format : kPictureFormats) {
        const std::size_t nSignature = std::strlen(format.szSignature);
        if (nBytes >= nSignature && std::memcmp(pBytes, format.szSignature, nSignature) == 0)
            return &format;
    }
    return nullptr;
}

std::size_t PixelCount(int width, int height)
{
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace

bool CheckPictureSize(long long width, long long height, std::string& strReason)
{
    if (width <= 0 || height <= 0)
        strReason = "a side of " + std::to_string(width <= 0 ? width : height) + " pixels";
    else if (width > kMaxPicturePixels / height)
        strReason = std::to_string(width) + " x " + std::to_string(height) + " pixels, more than the " +
                    std::to_string(kMaxPicturePixels) + " a picture may have";
    else
        return true;
    return false;
}

bool DecodePicture(const unsigned char* pBytes, std::size_t nBytes, tPicture& picture, std::string& strReason)
{
    const tPictureFormat* pFormat = FindPictureFormat(pBytes, nBytes);
    if (pFormat == nullptr) {
        strReason = "not a PNG, JPEG or BMP picture";
        return false;
    }
    if (pFormat->pfnDecode == nullptr) {
        strReason = std::string(pFormat->szName) + " pictures are not read, only PNG, JPEG and BMP";
        return false;
    }
    picture = tPicture{};
    return pFormat->pfnDecode(pBytes, nBytes, picture, strReason);
}

tPicture StretchPicture(const tPicture& picture, int width, int height)
{
    tPicture stretched;
    stretched.width = width;
    stretched.height = height;
    stretched.rgb.resize(PixelCount(width, height) * kRgb);
    unsigned char* pOut = stretched.rgb.data();
    for (long long y = 0; y < height; ++y) {
        // The source row and column under the centre of the pixel: always
        // inside the picture, (2y + 1) / 2h of the way down.
        const long long sourceY = (2 * y + 1) * picture.height / (2LL * height);
        const unsigned char* pRow = picture.rgb.data() + static_cast<std::size_t>(sourceY) * picture.width * kRgb;
        for (long long x = 0; x < width; ++x, pOut += kRgb) {
            const long long sourceX = (2 * x + 1) * picture.width / (2LL * width);
            std::memcpy(pOut, pRow + sourceX * kRgb, kRgb);
        }
    }
    return stretched;
}

std::vector<unsigned char> TextureRgba(const tPicture& picture)
{
    std::vector<unsigned char> rgba(PixelCount(picture.width, picture.height) * kRgba);
    unsigned char* pOut = rgba.data();
    for (int row = picture.height - 1; row >= 0; --row) {
        const unsigned char* pIn = picture.rgb.data() + PixelCount(row, picture.width) * kRgb;
        for (int x = 0; x < picture.width; ++x, pIn += kRgb, pOut += kRgba) {
            std::memcpy(pOut, pIn, kRgb);
            pOut[3] = (pIn[0] | pIn[1] | pIn[2]) == 0 ? 0 : 255;
        }
    }
    return rgba;
}

bool MakeTexturePixels(const unsigned char* pBytes, std::size_t nBytes, int maxTextureSide,
                       tTexturePixels& texture, std::string& strReason)
{
    tPicture picture;
    if (!DecodePicture(pBytes, nBytes, picture, strReason))
        return false;
    texture.width = TextureSide(picture.width, maxTextureSide);
    texture.height = TextureSide(picture.height, maxTextureSide);
    if (texture.width == picture.width && texture.height == picture.height)
        texture.rgba = TextureRgba(picture);
    else
        texture.rgba = TextureRgba(StretchPicture(picture, texture.width, texture.height));
    return true;
}
