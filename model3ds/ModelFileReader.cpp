// Loading a file, and reading it forward chunk by chunk.

#include "model3ds/ModelFileReader.h"
#include "model3ds/Notice.h"

#include <sys/stat.h>

#include <algorithm>
#include <limits>
#include <string>

// ---- Loading a file ----

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

// ---- Chunk input ----
//
// Reading the file forward, chunk by chunk, with every byte accounted to
// the chunk it belongs to.  Nothing is ever read past the chunk being read.

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "3DS data is read straight into memory");

std::uint32_t ModelFileReader::ReadFromFile(void* pDest, std::uint32_t nBytes)
{
    const auto nRead = static_cast<std::uint32_t>(std::fread(pDest, 1, nBytes, file));
    filePosition += nRead;
    if (nRead < nBytes) {
        endOfFile = true;
        damage.cutShort = true;
    }
    return nRead;
}

std::uint32_t ModelFileReader::ReadBytes(void* pDest, std::uint32_t nBytes, tChunkHeader& chunk)
{
    const std::uint32_t nRead = ReadFromFile(pDest, std::min(nBytes, chunk.Remaining()));
    chunk.bytesRead += nRead;
    return nRead;
}

void ModelFileReader::ReadHeader(tChunkHeader& header)
{
    unsigned char bytes[kChunkHeaderSize] = {};
    header.bytesRead = ReadFromFile(bytes, kChunkHeaderSize);
    header.id = static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
    header.length = DecodeU32(bytes + 2);
}

// A child that claims more than its parent has left is still read whole
// when it ends inside the file and the root chunk, so that the reader stays
// in step with the chunks after it; the parent then ends with it.  One that
// would reach past either is cut to its parent.  A header that does not fit
// in the parent, or that the file cuts short, ends the parent.
bool ModelFileReader::ReadChildHeader(tChunkHeader& child, tChunkHeader& parent)
{
    const std::uint32_t nRoom = parent.Remaining();
    if (nRoom < kChunkHeaderSize) {
        damage.strayBytes = damage.strayBytes || nRoom > 0;
        SkipChunkRest(parent);
        return false;
    }
    ReadHeader(child);
    if (child.bytesRead < kChunkHeaderSize) {
        parent.bytesRead += child.bytesRead;
        return false;
    }
    if (child.length > nRoom) {
        damage.chunkOverrun = true;
        const std::uint64_t nChildStart = filePosition - kChunkHeaderSize;
        if (nChildStart + child.length > readLimit)
            child.length = nRoom;
    }
    return true;
}

// Byte by byte up to and including the terminating 0; what does not fit in
// the destination is consumed but dropped.
void ModelFileReader::ReadCString(char* szDest, std::uint32_t nDestSize, tChunkHeader& chunk)
{
    std::uint32_t nStored = 0;
    char c = 0;
    while (ReadBytes(&c, 1, chunk) == 1 && c != '\0') {
        if (nStored + 1 < nDestSize)
            szDest[nStored++] = c;
    }
    szDest[nStored] = '\0';
}

// The chunk's remaining data, copied into a fixed text field as one block.
void ModelFileReader::ReadIntoField(char* szField, std::uint32_t nFieldSize, tChunkHeader& chunk)
{
    ReadBytes(szField, nFieldSize, chunk);
    szField[nFieldSize - 1] = '\0';
    SkipChunkRest(chunk);
}

// Reads rather than seeks, through the scratch buffer a piece at a time.
void ModelFileReader::SkipChunkRest(tChunkHeader& chunk)
{
    while (chunk.Remaining() > 0 && !endOfFile)
        ReadBytes(buffer.get(), kScratchBufferSize, chunk);
}

// Reads the parent's first sub-chunk and throws it away.
void ModelFileReader::SkipFirstSubChunk(tChunkHeader& parent)
{
    tChunkHeader subChunk;
    if (!ReadChildHeader(subChunk, parent))
        return;
    SkipChunkRest(subChunk);
    parent.bytesRead += subChunk.bytesRead;
}
