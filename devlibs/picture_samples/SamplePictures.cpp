#include "devlibs/picture_samples/SamplePictures.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <array>
#include <map>
#include <stdexcept>

#include <jpeglib.h>

namespace {

template <typename ColourOf>
tPicture makePicture(int width, int height, ColourOf colourOf)
{
    tPicture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::array<unsigned char, 3> colour = colourOf(x, y);
            picture.rgb.insert(picture.rgb.end(), colour.begin(), colour.end());
        }
    }
    return picture;
}

unsigned char share(int part, int whole)
{
    return static_cast<unsigned char>(whole > 1 ? part * 255 / (whole - 1) : 0);
}

const unsigned char* pixelAt(const tPicture& picture, int x, int y)
{
    return picture.rgb.data() + (static_cast<std::size_t>(y) * picture.width + x) * 3;
}

// The picture's colours, numbered in the order met.
std::map<std::array<unsigned char, 3>, int> paletteOf(const tPicture& picture)
{
    std::map<std::array<unsigned char, 3>, int> palette;
    for (std::size_t i = 0; i < picture.rgb.size(); i += 3)
        palette.emplace(std::array<unsigned char, 3>{picture.rgb[i], picture.rgb[i + 1], picture.rgb[i + 2]},
                        static_cast<int>(palette.size()));
    if (palette.size() > 256)
        throw std::invalid_argument("more colours than a palette holds");
    return palette;
}

void appendPngBytes(png_structp png, png_bytep pData, png_size_t nBytes)
{
    auto* pOut = static_cast<PictureBytes*>(png_get_io_ptr(png));
    pOut->insert(pOut->end(), pData, pData + nBytes);
}

[[noreturn]] void throwPngError(png_structp, png_const_charp szMessage)
{
    throw std::runtime_error(szMessage);
}

// The rows of one PNG pixel kind.
std::vector<unsigned char> pngRow(const tPicture& picture, int y, PngKind kind,
                                  const std::map<std::array<unsigned char, 3>, int>& palette)
{
    std::vector<unsigned char> row;
    for (int x = 0; x < picture.width; ++x) {
        const unsigned char* p = pixelAt(picture, x, y);
        switch (kind) {
        case PngKind::Grey:
            row.push_back(p[0]);
            break;
        case PngKind::Palette:
            row.push_back(static_cast<unsigned char>(palette.at({p[0], p[1], p[2]})));
            break;
        case PngKind::RgbAlpha:
            row.insert(row.end(), {p[0], p[1], p[2], static_cast<unsigned char>(x * 37)});
            break;
        case PngKind::Deep16:
            row.insert(row.end(), {p[0], p[0], p[1], p[1], p[2], p[2]});
            break;
        default:
            row.insert(row.end(), p, p + 3);
        }
    }
    return row;
}

}  // namespace

tPicture gradientPicture(int width, int height)
{
    return makePicture(width, height, [&](int x, int y) {
        return std::array<unsigned char, 3>{share(x, width), share(y, height), 100};
    });
}

tPicture greyPicture(int width, int height)
{
    return makePicture(width, height, [&](int x, int) {
        const unsigned char grey = share(x, width);
        return std::array<unsigned char, 3>{grey, grey, grey};
    });
}

tPicture quarterPicture(int width, int height)
{
    return makePicture(width, height, [&](int x, int y) {
        const int quarter = (y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0);
        const std::array<std::array<unsigned char, 3>, 4> colours = {
            {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}}};
        return colours[static_cast<std::size_t>(quarter)];
    });
}

PictureBytes pngFile(const tPicture& picture, PngKind kind)
{
    PictureBytes bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, throwPngError, nullptr);
    png_infop info = png_create_info_struct(png);
    const auto palette = kind == PngKind::Palette ? paletteOf(picture) : decltype(paletteOf(picture)){};
    const int colourType = kind == PngKind::Grey      ? PNG_COLOR_TYPE_GRAY
                           : kind == PngKind::Palette  ? PNG_COLOR_TYPE_PALETTE
                           : kind == PngKind::RgbAlpha ? PNG_COLOR_TYPE_RGB_ALPHA
                                                       : PNG_COLOR_TYPE_RGB;
    png_set_write_fn(png, &bytes, appendPngBytes, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height),
                 kind == PngKind::Deep16 ? 16 : 8, colourType,
                 kind == PngKind::Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> colours(palette.size());
    for (const auto& [colour, index] : palette)
        colours[static_cast<std::size_t>(index)] = {colour[0], colour[1], colour[2]};
    if (kind == PngKind::Palette)
        png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    std::vector<std::vector<unsigned char>> rows;
    std::vector<png_bytep> rowPointers;
    for (int y = 0; y < picture.height; ++y)
        rows.push_back(pngRow(picture, y, kind, palette));
    for (auto& row : rows)
        rowPointers.push_back(row.data());
    png_set_rows(png, info, rowPointers.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

PictureBytes jpegFile(const tPicture& picture, JpegKind kind)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* pOut = nullptr;
    unsigned long nOut = 0;
    jpeg_mem_dest(&cinfo, &pOut, &nOut);
    cinfo.image_width = static_cast<JDIMENSION>(picture.width);
    cinfo.image_height = static_cast<JDIMENSION>(picture.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (kind == JpegKind::Grey)
        jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
    if (kind == JpegKind::Progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* pRow = const_cast<JSAMPROW>(pixelAt(picture, 0, static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &pRow, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    PictureBytes bytes(pOut, pOut + nOut);
    std::free(pOut);
    return bytes;
}

PictureBytes bmpFile(const tPicture& picture, int bitsPerPixel, bool topFirst)
{
    const auto palette = bitsPerPixel == 8 ? paletteOf(picture) : decltype(paletteOf(picture)){};
    const std::size_t rowBytes = (static_cast<std::size_t>(picture.width) * bitsPerPixel + 31) / 32 * 4;
    const std::size_t pixelStart = 14 + 40 + (bitsPerPixel == 8 ? 256 * 4 : 0);
    PictureBytes bytes;
    const auto put = [&bytes](std::uint32_t value, int nBytes) {
        for (int i = 0; i < nBytes; ++i)
            bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    };
    bytes = {'B', 'M'};
    put(static_cast<std::uint32_t>(pixelStart + rowBytes * picture.height), 4);
    put(0, 4);
    put(static_cast<std::uint32_t>(pixelStart), 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(picture.width), 4);
    put(static_cast<std::uint32_t>(topFirst ? -picture.height : picture.height), 4);
    put(1, 2);
    put(static_cast<std::uint32_t>(bitsPerPixel), 2);
    put(0, 4);  // uncompressed
    put(static_cast<std::uint32_t>(rowBytes * picture.height), 4);
    put(2835, 4);
    put(2835, 4);
    put(bitsPerPixel == 8 ? 256 : 0, 4);
    put(0, 4);
    if (bitsPerPixel == 8) {
        std::vector<std::uint32_t> entries(256);
        for (const auto& [colour, index] : palette)
            entries[static_cast<std::size_t>(index)] = colour[0] << 16 | colour[1] << 8 | colour[2];
        for (const std::uint32_t entry : entries)
            put(entry, 4);
    }
    for (int row = 0; row < picture.height; ++row) {
        const int y = topFirst ? row : picture.height - 1 - row;
        const std::size_t rowStart = bytes.size();
        for (int x = 0; x < picture.width; ++x) {
            const unsigned char* p = pixelAt(picture, x, y);
            if (bitsPerPixel == 8)
                bytes.push_back(static_cast<unsigned char>(palette.at({p[0], p[1], p[2]})));
            else
                bytes.insert(bytes.end(), {p[2], p[1], p[0]});
            if (bitsPerPixel == 32)
                bytes.push_back(0x55);
        }
        bytes.resize(rowStart + rowBytes);
    }
    return bytes;
}
