#include "model3ds/ModelFileReader.h"

#include "model3ds/Notice.h"
#include "model3ds/ObjectRepair.h"

#include <sys/stat.h>

#include <algorithm>
#include <limits>
#include <string>

namespace {

// The size of a regular file; as good as endless for anything else.
std::uint64_t FileSize(std::FILE* file)
{
    struct stat status {};
    if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode))
        return std::numeric_limits<std::uint64_t>::max();
    return static_cast<std::uint64_t>(status.st_size);
}

}  // namespace

ModelFileReader::ModelFileReader() : buffer(new unsigned char[kScratchBufferSize]) {}

ModelFileReader::~ModelFileReader()
{
    CloseFile();
}

bool ModelFileReader::LoadFile(tModelData& model, const char* szFileName)
{
    char strMessage[255] = {};
    file = std::fopen(szFileName, "rb");
    if (file == nullptr) {
        std::snprintf(strMessage, sizeof strMessage, "Unable to find the file: %s!", szFileName);
        ShowNotice(strMessage, "Error");
        return false;
    }
    endOfFile = false;
    filePosition = 0;
    zeroFillBudget = kMaxZeroFilledRecords;
    damage = tModelDamage{};
    tChunkHeader root;
    ReadHeader(root);
    if (root.bytesRead < kChunkHeaderSize || root.id != kChunkRoot) {
        std::snprintf(strMessage, sizeof strMessage, "Unable to load PRIMARY chuck from file: %s!", szFileName);
        ShowNotice(strMessage, "Error");
        CloseFile();
        return false;
    }
    readLimit = std::min<std::uint64_t>(root.length, FileSize(file));
    damage.chunkTooShort = root.length < kChunkHeaderSize;
    const std::size_t nObjectsBefore = model.objects.size();
    ParseSceneChunks(model, root);
    for (std::size_t i = nObjectsBefore; i < model.objects.size(); ++i)
        RepairObject(model.objects[i], damage);
    BuildVertexNormals(model);
    CloseFile();
    const std::string strDamage = DescribeDamage(damage);
    if (!strDamage.empty())
        ReportDamage((std::string(szFileName) + ": damaged model file: " + strDamage).c_str());
    return true;
}

void ModelFileReader::CloseFile()
{
    if (file != nullptr)
        std::fclose(file);
    file = nullptr;
}
