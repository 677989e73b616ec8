#include "model3ds/TextureLoader.h"

#include "model3ds/Notice.h"
#include "model3ds/TexturePixels.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// An uncompressed BMP at the pixel budget, and its headers.
constexpr long long kMaxPictureFileBytes = kMaxPicturePixels * 4 + 65536;

std::string ImagePath(const char* szFileName)
{
    const std::unique_ptr<char, decltype(&std::free)> szDirectory(getcwd(nullptr, 0), &std::free);
    const std::string strDirectory = szDirectory != nullptr ? szDirectory.get() : ".";
    return strDirectory + "/Data/pic/" + szFileName;
}

enum class eFileRead { Read, Missing, Failed };

// The whole file, when it is a regular file within the size a picture may
// have; a missing file is not a failure to tell.
eFileRead ReadPictureFile(const std::string& strPath, std::vector<unsigned char>& bytes, std::string& strReason)
{
    const std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(strPath.c_str(), "rb"), &std::fclose);
    if (file == nullptr) {
        strReason = std::strerror(errno);
        return errno == ENOENT || errno == ENOTDIR ? eFileRead::Missing : eFileRead::Failed;
    }
    struct stat status {};
    if (fstat(fileno(file.get()), &status) != 0 || !S_ISREG(status.st_mode)) {
        strReason = "not a regular file";
        return eFileRead::Failed;
    }
    if (status.st_size > kMaxPictureFileBytes) {
        strReason = std::to_string(status.st_size) + " bytes, more than a picture may have";
        return eFileRead::Failed;
    }
    bytes.resize(static_cast<std::size_t>(status.st_size));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        strReason = "cannot be read whole";
        return eFileRead::Failed;
    }
    return eFileRead::Read;
}

void MakeTexture(unsigned int& textureId, const tTexturePixels& texture)
{
    glGenTextures(1, &textureId);
    glBindTexture(GL_TEXTURE_2D, textureId);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, texture.width, texture.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 texture.rgba.data());
}

}  // namespace

bool LoadTextureImage(const char* szFileName, unsigned int& textureId)
{
    if (std::strstr(szFileName, "http://") != nullptr || glXGetCurrentContext() == nullptr)
        return false;
    const std::string strPath = ImagePath(szFileName);
    std::vector<unsigned char> bytes;
    std::string strReason;
    const eFileRead read = ReadPictureFile(strPath, bytes, strReason);
    if (read == eFileRead::Missing)
        return false;
    tTexturePixels texture;
    bool made = false;
    if (read == eFileRead::Read) {
        GLint glMaxTexDim = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &glMaxTexDim);
        made = MakeTexturePixels(bytes.data(), bytes.size(), glMaxTexDim, texture, strReason);
    }
    if (!made) {
        ReportDamage((strPath + ": unreadable picture: " + strReason).c_str());
        return false;
    }
    MakeTexture(textureId, texture);
    std::printf("load %s!", strPath.c_str());
    return true;
}

// ---- The texture's sides ----

int TextureSide(int imageSide, int maxTextureSide)
{
    if (imageSide > maxTextureSide)
        return maxTextureSide;
    if (imageSide <= 1)
        return 1;
    // The logarithm of 2 in single precision: the rounding boundaries lie at
    // 2 to the power k + 0.5 all the same.
    const double dLog2 = std::log(static_cast<double>(imageSide)) / static_cast<double>(std::log(2.0f));
    const int exponent = static_cast<int>(std::floor(dLog2 + 0.5));
    return std::min(1 << exponent, maxTextureSide);
}
