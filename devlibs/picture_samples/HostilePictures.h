#pragma once
// Pictures that lie: headers claiming sizes their files cannot hold, tables
// that overflow, formats the game does not read.

#include "devlibs/picture_samples/SamplePictures.h"

// The header's sides set to the given ones, the file otherwise unchanged
// (a PNG's header checksum mended, so the claim itself is what is read).
void claimPngSize(PictureBytes& png, unsigned width, unsigned height);
void claimJpegSize(PictureBytes& jpeg, unsigned width, unsigned height);
void claimBmpSize(PictureBytes& bmp, int width, int height);

// The first Huffman table's code counts raised to add up to more than the
// 256 codes a table may hold.
void overfillJpegHuffmanTable(PictureBytes& jpeg);

// A GIF whose screen claims the given size, with no pixels worth the name.
PictureBytes gifClaiming(unsigned width, unsigned height);
// A binary PPM of the given size, its pixels all there.
PictureBytes ppmFile(unsigned width, unsigned height);
