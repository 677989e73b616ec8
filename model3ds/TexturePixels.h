#pragma once
// The bytes of a picture file made into a texture's pixels, with no OpenGL,
// so that all of it can be tested and fuzzed without a window.
//
// PNG (libpng), JPEG (libjpeg-turbo) and uncompressed BMP (our own reader)
// are read; every other format is refused by name.  A picture's header is
// read before its pixels: a side of 0 pixels, or more than kMaxPicturePixels
// pixels, is refused before anything large is allocated.  A refusal or a
// damaged picture gives false and one short reason, never a message of the
// decoders' own and never an exit.

#include <cstddef>
#include <string>
#include <vector>

// 4096 x 4096 pixels in all, of any shape: plenty for a game piece, and
// such a picture takes 48 MB decoded.
constexpr long long kMaxPicturePixels = 4096LL * 4096LL;

// A decoded picture: 8-bit red, green, blue, rows top first, packed.
struct tPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

// A texture's pixels: red, green, blue, alpha, rows bottom first, packed.
struct tTexturePixels {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

// Decodes a whole picture file held in memory.  The file's own alpha, if it
// has any, is dropped.
bool DecodePicture(const unsigned char* pBytes, std::size_t nBytes, tPicture& picture, std::string& strReason);

// The picture stretched to the given size (each side at least 1), each pixel
// taken from the source pixel under its centre.
tPicture StretchPicture(const tPicture& picture, int width, int height);

// RGBA, bottom row first; pure black becomes transparent and every other
// colour opaque.
std::vector<unsigned char> TextureRgba(const tPicture& picture);

// The whole road from file bytes to texture pixels: decoded, stretched to
// the sides TextureSide gives for maxTextureSide (OpenGL's
// GL_MAX_TEXTURE_SIZE, at least 1), converted.
bool MakeTexturePixels(const unsigned char* pBytes, std::size_t nBytes, int maxTextureSide,
                       tTexturePixels& texture, std::string& strReason);
