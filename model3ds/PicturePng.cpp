// PNG through libpng.  Its errors come back here by longjmp, with the
// message as the reason; its warnings are dropped.  Every bit depth, colour
// type and interlace becomes 8-bit RGB.

#include "model3ds/PictureDecoders.h"

#include <png.h>

#include <cstring>

namespace {

struct tPngInput {
    const unsigned char* pBytes;
    std::size_t nBytes;
    std::size_t position;
    std::string* pReason;
};

void ReadPngBytes(png_structp png, png_bytep pOut, png_size_t nWanted)
{
    auto* pInput = static_cast<tPngInput*>(png_get_io_ptr(png));
    if (nWanted > pInput->nBytes - pInput->position)
        png_error(png, "cut short");
    std::memcpy(pOut, pInput->pBytes + pInput->position, nWanted);
    pInput->position += nWanted;
}

[[noreturn]] void OnPngError(png_structp png, png_const_charp szMessage)
{
    *static_cast<tPngInput*>(png_get_error_ptr(png))->pReason = szMessage;
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// The libpng structures of one read, destroyed however it ends.
struct tPngReader {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~tPngReader() { png_destroy_read_struct(&png, &info, nullptr); }
};

// Nothing here has a destructor, so a longjmp out of libpng skips none; the
// vectors it fills belong to the caller.
bool ReadPng(tPngReader& reader, tPicture& picture, std::vector<png_bytep>& rows, std::string& strReason)
{
    png_structp png = reader.png;
    png_infop info = reader.info;
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    if (!CheckPictureSize(png_get_image_width(png, info), png_get_image_height(png, info), strReason))
        return false;
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    picture.width = static_cast<int>(png_get_image_width(png, info));
    picture.height = static_cast<int>(png_get_image_height(png, info));
    const std::size_t nRowBytes = static_cast<std::size_t>(picture.width) * 3;
    if (png_get_rowbytes(png, info) != nRowBytes)
        png_error(png, "unexpected row size");
    picture.rgb.resize(nRowBytes * static_cast<std::size_t>(picture.height));
    rows.resize(static_cast<std::size_t>(picture.height));
    for (std::size_t row = 0; row < rows.size(); ++row)
        rows[row] = picture.rgb.data() + row * nRowBytes;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

bool DecodePng(const unsigned char* pBytes, std::size_t nBytes, tPicture& picture, std::string& strReason)
{
    tPngInput input{pBytes, nBytes, 0, &strReason};
    tPngReader reader;
    reader.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &input, OnPngError, OnPngWarning);
    if (reader.png != nullptr)
        reader.info = png_create_info_struct(reader.png);
    if (reader.info == nullptr) {
        strReason = "out of memory";
        return false;
    }
    png_set_read_fn(reader.png, &input, ReadPngBytes);
    std::vector<png_bytep> rows;
    return ReadPng(reader, picture, rows, strReason);
}
