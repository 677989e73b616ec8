#pragma once
// Turns the image that a material names into an OpenGL texture.

// Reads "<working directory>/Data/pic/<name>" (PNG, JPEG or uncompressed
// BMP: see TexturePixels.h), stretches it to sides that are powers of two,
// puts its rows bottom first, makes pure black transparent and everything
// else opaque, makes it the texture in textureId and writes "load <path>!"
// (no newline) to standard output.
//
// Returns false, leaving textureId as it was, when no texture is made:
// - quietly when the file does not exist, when the name holds "http://"
//   (images on the network are not fetched), and when no OpenGL context is
//   current: the tiles and the digits load their models before the window
//   exists, and their textures are then simply not made;
// - with one line through ReportDamage, "PATH: unreadable picture: WHY",
//   when the file is there but no texture can be made of it (another format,
//   damaged, cut short, a side of 0 pixels, too many pixels, too large a
//   file, not a regular file).
bool LoadTextureImage(const char* szFileName, unsigned int& textureId);

// The texture side for an image side: the power of two nearest to it on a
// logarithmic scale (a side of 181 gives 128, 182 gives 256), and never more
// than the largest side the OpenGL implementation takes.  Sides below 1
// count as 1.
int TextureSide(int imageSide, int maxTextureSide);
