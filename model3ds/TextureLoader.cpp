#include "model3ds/TextureLoader.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <stb_image.h>
#include <stb_image_resize.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRgb = 3;
constexpr int kRgba = 4;

struct tFreeImage {
    void operator()(unsigned char* pPixels) const { stbi_image_free(pPixels); }
};

struct tImage {
    std::unique_ptr<unsigned char, tFreeImage> pPixels;  // RGB, top row first
    int width = 0;
    int height = 0;
};

std::string ImagePath(const char* szFileName)
{
    const std::unique_ptr<char, decltype(&std::free)> szDirectory(getcwd(nullptr, 0), &std::free);
    const std::string strDirectory = szDirectory != nullptr ? szDirectory.get() : ".";
    return strDirectory + "/Data/pic/" + szFileName;
}

tImage DecodeImage(const std::string& strPath)
{
    tImage image;
    int nChannels = 0;
    image.pPixels.reset(stbi_load(strPath.c_str(), &image.width, &image.height, &nChannels, kRgb));
    return image;
}

// RGB pixels stretched to the texture size, top row first.
std::vector<unsigned char> Stretch(const tImage& image, int width, int height)
{
    const auto nBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * kRgb;
    if (width == image.width && height == image.height)
        return std::vector<unsigned char>(image.pPixels.get(), image.pPixels.get() + nBytes);
    std::vector<unsigned char> pixels(nBytes);
    stbir_resize_uint8(image.pPixels.get(), image.width, image.height, 0, pixels.data(), width, height, 0, kRgb);
    return pixels;
}

// RGBA, bottom row first as OpenGL wants it; pure black becomes transparent.
std::vector<unsigned char> TexturePixels(const std::vector<unsigned char>& rgb, int width, int height)
{
    std::vector<unsigned char> rgba(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * kRgba);
    unsigned char* pOut = rgba.data();
    for (int row = height - 1; row >= 0; --row) {
        const unsigned char* pIn = rgb.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(width) * kRgb;
        for (int x = 0; x < width; ++x, pIn += kRgb, pOut += kRgba) {
            std::memcpy(pOut, pIn, kRgb);
            pOut[3] = (pIn[0] | pIn[1] | pIn[2]) == 0 ? 0 : 255;
        }
    }
    return rgba;
}

void MakeTexture(unsigned int& textureId, int width, int height, const std::vector<unsigned char>& rgba)
{
    glGenTextures(1, &textureId);
    glBindTexture(GL_TEXTURE_2D, textureId);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
}

}  // namespace

bool LoadTextureImage(const char* szFileName, unsigned int& textureId)
{
    if (std::strstr(szFileName, "http://") != nullptr || glXGetCurrentContext() == nullptr)
        return false;
    const std::string strPath = ImagePath(szFileName);
    const tImage image = DecodeImage(strPath);
    if (image.pPixels == nullptr)
        return false;
    GLint glMaxTexDim = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &glMaxTexDim);
    const int width = TextureSide(image.width, glMaxTexDim);
    const int height = TextureSide(image.height, glMaxTexDim);
    MakeTexture(textureId, width, height, TexturePixels(Stretch(image, width, height), width, height));
    std::printf("load %s!", strPath.c_str());
    return true;
}
