// The mesh lists of an object: vertices, faces and texture coordinates.
// Each list opens with a 16-bit record count; the count is cut to the whole
// records the chunk holds, so nothing is read past the chunk and no record
// is made up.

#include "model3ds/ModelFileReader.h"

#include <algorithm>
#include <cstdint>

namespace {

// A face as stored: three corner indices and the edge flags.
struct tFaceRecord {
    std::uint16_t corner[3];
    std::uint16_t flags;
};

static_assert(sizeof(tVec3) == 12 && sizeof(tVec2) == 8 && sizeof(tFaceRecord) == 8,
              "records are read straight from the file");

}  // namespace

template <typename tRecord>
std::uint32_t ModelFileReader::ReadRecords(std::shared_ptr<tRecord[]>& pRecords, tChunkHeader& chunk)
{
    unsigned char countBytes[2] = {};
    ReadBytes(countBytes, sizeof countBytes, chunk);
    const std::uint32_t nCount = countBytes[0] | countBytes[1] << 8;
    const std::uint32_t nFitting = std::min<std::uint32_t>(nCount, chunk.Remaining() / sizeof(tRecord));
    pRecords.reset(new tRecord[nFitting]());
    return ReadBytes(pRecords.get(), nFitting * sizeof(tRecord), chunk) / sizeof(tRecord);
}

// The file's z axis is the model's up axis: (x, y, z) becomes (x, z, -y).
void ModelFileReader::ReadVertexList(t3DObject& object, tChunkHeader& chunk)
{
    const std::uint32_t nRead = ReadRecords(object.vertices, chunk);
    for (std::uint32_t i = 0; i < nRead; ++i) {
        tVec3& vertex = object.vertices[i];
        vertex = tVec3{vertex.x, vertex.z, -vertex.y};
    }
    object.vertexCount = static_cast<int>(nRead);
    SkipChunkRest(chunk);
}

// Reads the faces only: the face list's sub-chunks follow at object level.
void ModelFileReader::ReadTriangleList(t3DObject& object, tChunkHeader& chunk)
{
    std::shared_ptr<tFaceRecord[]> pRecords;
    const std::uint32_t nRead = ReadRecords(pRecords, chunk);
    std::shared_ptr<tTriangle[]> pFaces(new tTriangle[nRead]);
    for (std::uint32_t i = 0; i < nRead; ++i) {
        for (int k = 0; k < 3; ++k)
            pFaces[i].vertexIndex[k] = pRecords[i].corner[k];
    }
    object.faceCount = static_cast<int>(nRead);
    object.faces = pFaces;
}

void ModelFileReader::ReadTexCoordList(t3DObject& object, tChunkHeader& chunk)
{
    object.texCoordCount = static_cast<int>(ReadRecords(object.texCoords, chunk));
    SkipChunkRest(chunk);
}
