// JPEG through libjpeg-turbo.  Its errors, and its warnings about corrupt or
// missing data (a cut-short file among them), come back here by longjmp with
// the library's message as the reason; nothing is printed and nothing exits.

#include "model3ds/PictureDecoders.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// Each scan of a progressive picture is another pass over all of its
// coefficients; real pictures have about ten.
constexpr int kMaxJpegScans = 100;
// What the library may allocate: a progressive picture at the pixel budget
// keeps all its coefficients, two bytes a sample.
constexpr long kMaxJpegMemory = static_cast<long>(kMaxPicturePixels) * 8;

struct tJpegFailure {
    jpeg_error_mgr manager;  // first, so that the library's pointer is ours
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    std::string* pReason;
};

[[noreturn]] void FailJpeg(j_common_ptr cinfo, const char* szReason)
{
    auto* pFailure = reinterpret_cast<tJpegFailure*>(cinfo->err);
    *pFailure->pReason = szReason;
    std::longjmp(pFailure->jump, 1);
}

[[noreturn]] void OnJpegError(j_common_ptr cinfo)
{
    char szMessage[JMSG_LENGTH_MAX] = {};
    (*cinfo->err->format_message)(cinfo, szMessage);
    FailJpeg(cinfo, szMessage);
}

// Level -1 is a warning about the data; the others are traces.
void OnJpegMessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        OnJpegError(cinfo);
}

void LimitJpegScans(j_common_ptr cinfo)
{
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxJpegScans)
        FailJpeg(cinfo, "too many scans");
}

// The library's structure of one read, destroyed however it ends.
struct tJpegReader {
    jpeg_decompress_struct cinfo{};
    tJpegFailure failure{};
    tJpegReader(std::string& strReason)
    {
        cinfo.err = jpeg_std_error(&failure.manager);
        failure.manager.error_exit = OnJpegError;
        failure.manager.emit_message = OnJpegMessage;
        failure.progress.progress_monitor = LimitJpegScans;
        failure.pReason = &strReason;
    }
    ~tJpegReader() { jpeg_destroy_decompress(&cinfo); }
};

// Nothing here has a destructor, so a longjmp out of the library skips
// none; the pixels it fills belong to the caller.
bool ReadJpeg(tJpegReader& reader, const unsigned char* pBytes, std::size_t nBytes, tPicture& picture,
              std::string& strReason)
{
    j_decompress_ptr cinfo = &reader.cinfo;
    if (setjmp(reader.failure.jump))
        return false;
    jpeg_create_decompress(cinfo);
    cinfo->mem->max_memory_to_use = kMaxJpegMemory;
    cinfo->progress = &reader.failure.progress;
    jpeg_mem_src(cinfo, pBytes, static_cast<unsigned long>(nBytes));
    jpeg_read_header(cinfo, TRUE);
    if (!CheckPictureSize(cinfo->image_width, cinfo->image_height, strReason))
        return false;
    cinfo->out_color_space = JCS_RGB;
    jpeg_start_decompress(cinfo);
    if (cinfo->output_components != 3)
        FailJpeg(reinterpret_cast<j_common_ptr>(cinfo), "unexpected colour components");
    picture.width = static_cast<int>(cinfo->output_width);
    picture.height = static_cast<int>(cinfo->output_height);
    const std::size_t nRowBytes = static_cast<std::size_t>(picture.width) * 3;
    picture.rgb.resize(nRowBytes * static_cast<std::size_t>(picture.height));
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW pRow = picture.rgb.data() + cinfo->output_scanline * nRowBytes;
        jpeg_read_scanlines(cinfo, &pRow, 1);
    }
    jpeg_finish_decompress(cinfo);
    return true;
}

}  // namespace

bool DecodeJpeg(const unsigned char* pBytes, std::size_t nBytes, tPicture& picture, std::string& strReason)
{
    tJpegReader reader(strReason);
    return ReadJpeg(reader, pBytes, nBytes, picture, strReason);
}
