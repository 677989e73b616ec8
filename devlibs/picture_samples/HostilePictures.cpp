#include "devlibs/picture_samples/HostilePictures.h"

#include <zlib.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace {

void putBigEndian(PictureBytes& bytes, std::size_t at, std::uint32_t value, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        bytes.at(at + i) = static_cast<unsigned char>(value >> (8 * (nBytes - 1 - i)));
}

void putLittleEndian(PictureBytes& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(at + i) = static_cast<unsigned char>(value >> (8 * i));
}

// Where the first JPEG marker of this kind starts (its 0xff).
std::size_t findJpegMarker(const PictureBytes& jpeg, unsigned char marker)
{
    for (std::size_t i = 2; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xff && jpeg[i + 1] == marker)
            return i;
    }
    throw std::invalid_argument("no such JPEG marker");
}

}  // namespace

void claimPngSize(PictureBytes& png, unsigned width, unsigned height)
{
    // Signature (8), IHDR length and name (8), width, height, 5 more bytes
    // of IHDR, then its checksum over name and data.
    constexpr std::size_t kIhdrName = 12;
    constexpr std::size_t kIhdrChecked = 17;
    putBigEndian(png, 16, width, 4);
    putBigEndian(png, 20, height, 4);
    const auto crc = static_cast<std::uint32_t>(crc32(0, png.data() + kIhdrName, kIhdrChecked));
    putBigEndian(png, kIhdrName + kIhdrChecked, crc, 4);
}

void claimJpegSize(PictureBytes& jpeg, unsigned width, unsigned height)
{
    // Start of frame: marker, length, precision, height, width.
    const std::size_t frame = findJpegMarker(jpeg, 0xc0);
    putBigEndian(jpeg, frame + 5, height, 2);
    putBigEndian(jpeg, frame + 7, width, 2);
}

void claimBmpSize(PictureBytes& bmp, int width, int height)
{
    putLittleEndian(bmp, 18, static_cast<std::uint32_t>(width));
    putLittleEndian(bmp, 22, static_cast<std::uint32_t>(height));
}

void overfillJpegHuffmanTable(PictureBytes& jpeg)
{
    // Marker, length, class and number, then the 16 counts: 16 x 17 = 272.
    const std::size_t table = findJpegMarker(jpeg, 0xc4);
    for (std::size_t i = 0; i < 16; ++i)
        jpeg.at(table + 5 + i) = 17;
}

PictureBytes gifClaiming(unsigned width, unsigned height)
{
    PictureBytes gif = {'G', 'I', 'F', '8', '9', 'a'};
    for (const unsigned side : {width, height})
        gif.insert(gif.end(), {static_cast<unsigned char>(side), static_cast<unsigned char>(side >> 8)});
    gif.insert(gif.end(), {0x80, 0, 0, 0, 0, 0, 255, 255, 255});  // two colours
    gif.insert(gif.end(), {',', 0, 0, 0, 0});
    for (const unsigned side : {width, height})
        gif.insert(gif.end(), {static_cast<unsigned char>(side), static_cast<unsigned char>(side >> 8)});
    gif.insert(gif.end(), {0, 2, 2, 0x4c, 0x01, 0, ';'});
    return gif;
}

PictureBytes ppmFile(unsigned width, unsigned height)
{
    const std::string header = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    PictureBytes ppm(header.begin(), header.end());
    ppm.resize(ppm.size() + static_cast<std::size_t>(width) * height * 3, 0x80);
    return ppm;
}
