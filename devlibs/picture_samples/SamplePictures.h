#pragma once
// Picture files written in memory with the formats' own libraries (PNG,
// JPEG) or by hand (BMP), from pixels whose colours tell where they are.

#include "model3ds/TexturePixels.h"

#include <vector>

using PictureBytes = std::vector<unsigned char>;

// Red grows to the right, green downwards, blue stays 100: smooth, so that
// JPEG keeps it close.
tPicture gradientPicture(int width, int height);
// The same with red, green and blue all the red value's.
tPicture greyPicture(int width, int height);
// Four quarters, black, red, green and blue from the top left reading on:
// few enough colours for a palette.
tPicture quarterPicture(int width, int height);

enum class PngKind { Rgb, Grey, Palette, RgbAlpha, Deep16, Interlaced };
enum class JpegKind { Colour, Grey, Progressive };

PictureBytes pngFile(const tPicture& picture, PngKind kind = PngKind::Rgb);
PictureBytes jpegFile(const tPicture& picture, JpegKind kind = JpegKind::Colour);
// 24 or 32 bits a pixel, or 8 through a palette of the picture's colours;
// rows bottom first, or top first (a negative height) when asked.
PictureBytes bmpFile(const tPicture& picture, int bitsPerPixel = 24, bool topFirst = false);
