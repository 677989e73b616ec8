#pragma once
// One decoder a format, each filling a tPicture from a whole file in memory
// (used by TexturePixels.cpp).  Each calls CheckPictureSize on the header's
// sides before it allocates the pixels.

#include "model3ds/TexturePixels.h"

using tPictureDecoder = bool (*)(const unsigned char* pBytes, std::size_t nBytes, tPicture& picture,
                                 std::string& strReason);

bool DecodePng(const unsigned char* pBytes, std::size_t nBytes, tPicture& picture, std::string& strReason);
bool DecodeJpeg(const unsigned char* pBytes, std::size_t nBytes, tPicture& picture, std::string& strReason);
bool DecodeBmp(const unsigned char* pBytes, std::size_t nBytes, tPicture& picture, std::string& strReason);

// False, with the reason, for a side of 0 pixels or more pixels than
// kMaxPicturePixels; sides are taken wide so that no claim overflows.
bool CheckPictureSize(long long width, long long height, std::string& strReason);
