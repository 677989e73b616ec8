// Uncompressed BMP, read by hand: the Windows information header (40 bytes
// or one of its longer versions), 1, 4 or 8 bits a pixel through a palette,
// or 24 and 32 bits as blue, green, red.  Every offset and size is checked
// against the file before it is used; compressed and bit-field pictures are
// refused.

#include "model3ds/PictureDecoders.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kMinInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;

std::uint32_t ReadLittleEndian(const unsigned char* pBytes, int nBytes)
{
    std::uint32_t value = 0;
    for (int i = nBytes - 1; i >= 0; --i)
        value = value << 8 | pBytes[i];
    return value;
}

// The palette as red, green, blue; colours the file does not give stay black.
bool ReadPalette(const unsigned char* pBytes, std::size_t nBytes, std::uint32_t infoSize, int bitsPerPixel,
                 std::array<unsigned char, 256 * 3>& palette, std::string& strReason)
{
    std::uint32_t nColors = ReadLittleEndian(pBytes + 46, 4);
    const std::uint32_t nMaxColors = 1u << bitsPerPixel;
    if (nColors == 0 || nColors > nMaxColors)
        nColors = nMaxColors;
    const std::size_t paletteStart = kFileHeaderSize + infoSize;
    if (paletteStart > nBytes || (nBytes - paletteStart) / 4 < nColors) {
        strReason = "cut short in its palette";
        return false;
    }
    for (std::uint32_t i = 0; i < nColors; ++i) {
        const unsigned char* pEntry = pBytes + paletteStart + i * 4;
        palette[i * 3] = pEntry[2];
        palette[i * 3 + 1] = pEntry[1];
        palette[i * 3 + 2] = pEntry[0];
    }
    return true;
}

}  // namespace

bool DecodeBmp(const unsigned char* pBytes, std::size_t nBytes, tPicture& picture, std::string& strReason)
{
    if (nBytes < kFileHeaderSize + kMinInfoHeaderSize) {
        strReason = "cut short in its header";
        return false;
    }
    const std::uint32_t pixelStart = ReadLittleEndian(pBytes + 10, 4);
    const std::uint32_t infoSize = ReadLittleEndian(pBytes + 14, 4);
    const auto width = static_cast<std::int32_t>(ReadLittleEndian(pBytes + 18, 4));
    const auto height = static_cast<std::int32_t>(ReadLittleEndian(pBytes + 22, 4));
    const int bitsPerPixel = static_cast<int>(ReadLittleEndian(pBytes + 28, 2));
    const std::uint32_t compression = ReadLittleEndian(pBytes + 30, 4);
    if (infoSize < kMinInfoHeaderSize || infoSize > nBytes - kFileHeaderSize) {
        strReason = "not a Windows BMP header";
        return false;
    }
    if (compression != kUncompressed) {
        strReason = "compressed BMP pictures are not read";
        return false;
    }
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32) {
        strReason = std::to_string(bitsPerPixel) + " bits a pixel are not read";
        return false;
    }
    // A negative height stores the rows top first.
    const long long rows = std::llabs(static_cast<long long>(height));
    if (!CheckPictureSize(width, rows, strReason))
        return false;
    std::array<unsigned char, 256 * 3> palette{};
    if (bitsPerPixel <= 8 && !ReadPalette(pBytes, nBytes, infoSize, bitsPerPixel, palette, strReason))
        return false;
    const std::size_t nRowBytes = (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
    if (pixelStart > nBytes || (nBytes - pixelStart) / nRowBytes < static_cast<std::size_t>(rows)) {
        strReason = "cut short in its pixels";
        return false;
    }
    picture.width = width;
    picture.height = static_cast<int>(rows);
    picture.rgb.resize(static_cast<std::size_t>(width) * picture.height * 3);
    unsigned char* pOut = picture.rgb.data();
    for (long long y = 0; y < rows; ++y) {
        const long long fileRow = height < 0 ? y : rows - 1 - y;
        const unsigned char* pRow = pBytes + pixelStart + static_cast<std::size_t>(fileRow) * nRowBytes;
        for (std::int32_t x = 0; x < width; ++x, pOut += 3) {
            if (bitsPerPixel >= 24) {
                const unsigned char* pPixel = pRow + static_cast<std::size_t>(x) * (bitsPerPixel / 8);
                pOut[0] = pPixel[2];
                pOut[1] = pPixel[1];
                pOut[2] = pPixel[0];
                continue;
            }
            // Pixels of fewer bits fill each byte from its highest bit down.
            const std::size_t bit = static_cast<std::size_t>(x) * bitsPerPixel;
            const int shift = 8 - bitsPerPixel - static_cast<int>(bit % 8);
            const int index = (pRow[bit / 8] >> shift) & ((1 << bitsPerPixel) - 1);
            for (int c = 0; c < 3; ++c)
                pOut[c] = palette[static_cast<std::size_t>(index) * 3 + c];
        }
    }
    return true;
}
