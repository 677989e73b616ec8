// fuzz-picture-seeds DIR: writes the picture fuzzer's starting files, one of
// every kind the loader reads and of each it refuses.

#include "devlibs/picture_samples/HostilePictures.h"
#include "devlibs/tool_usage/ToolUsage.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<std::string, PictureBytes>> seeds()
{
    const tPicture gradient = gradientPicture(64, 100);
    const tPicture quarters = quarterPicture(8, 6);
    std::vector<std::pair<std::string, PictureBytes>> files = {
        {"rgb.png", pngFile(gradient)},
        {"grey.png", pngFile(greyPicture(9, 5), PngKind::Grey)},
        {"palette.png", pngFile(quarters, PngKind::Palette)},
        {"alpha.png", pngFile(quarters, PngKind::RgbAlpha)},
        {"deep16.png", pngFile(quarters, PngKind::Deep16)},
        {"interlaced.png", pngFile(gradient, PngKind::Interlaced)},
        {"colour.jpg", jpegFile(gradient)},
        {"grey.jpg", jpegFile(greyPicture(20, 12), JpegKind::Grey)},
        {"progressive.jpg", jpegFile(gradient, JpegKind::Progressive)},
        {"rgb24.bmp", bmpFile(quarters)},
        {"rgb32-top-first.bmp", bmpFile(quarters, 32, true)},
        {"palette8.bmp", bmpFile(quarters, 8)},
        {"screen.gif", gifClaiming(21512, 17235)},
        {"empty.ppm", ppmFile(0, 4)},
    };
    PictureBytes huffman = jpegFile(quarters);
    overfillJpegHuffmanTable(huffman);
    files.emplace_back("huffman.jpg", huffman);
    PictureBytes flat = bmpFile(quarterPicture(4, 1));
    claimBmpSize(flat, 4, 0);
    files.emplace_back("flat.bmp", flat);
    PictureBytes huge = pngFile(quarters);
    claimPngSize(huge, 65535, 65535);
    files.emplace_back("huge.png", huge);
    return files;
}

}  // namespace

void printUsage(std::FILE* out, const char*)
{
    std::fprintf(out, "usage: fuzz-picture-seeds DIR  (writes the picture fuzzer's starting files into DIR)\n");
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        printUsage(stderr, argv[0]);
        return 2;
    }
    for (const auto& [name, bytes] : seeds()) {
        std::ofstream out(std::string(argv[1]) + "/" + name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            return 1;
    }
    return 0;
}
