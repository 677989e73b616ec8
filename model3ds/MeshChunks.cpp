// The mesh lists of an object: vertices, faces and texture coordinates.
// Each list opens with a 16-bit record count; the count is cut to the whole
// records the chunk holds, so nothing is read past the chunk and no record
// is made up.

#include "model3ds/ModelFileReader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// A face as stored: three corner indices and the edge flags.
struct tFaceRecord {
    std::uint16_t corner[3];
    std::uint16_t flags;
};

static_assert(sizeof(tVec3) == 12 && sizeof(tVec2) == 8 && sizeof(tFaceRecord) == 8 &&
                  sizeof(tTriangle) >= sizeof(tFaceRecord),
              "records are read straight from the file");

}  // namespace

// Makes an array for the records and reads them into its start, nStored
// bytes each, as they are stored; returns how many were read whole.
template <typename tRecord>
std::uint32_t ModelFileReader::ReadRecords(std::shared_ptr<tRecord[]>& pRecords, tChunkHeader& chunk,
                                           std::uint32_t nStored)
{
    unsigned char countBytes[2] = {};
    ReadBytes(countBytes, sizeof countBytes, chunk);
    const std::uint32_t nCount = countBytes[0] | countBytes[1] << 8;
    const std::uint32_t nFitting = std::min(nCount, chunk.Remaining() / nStored);
    pRecords.reset(new tRecord[nFitting]());
    return ReadBytes(pRecords.get(), nFitting * nStored, chunk) / nStored;
}

// The file's z axis is the model's up axis: (x, y, z) becomes (x, z, -y).
void ModelFileReader::ReadVertexList(t3DObject& object, tChunkHeader& chunk)
{
    const std::uint32_t nRead = ReadRecords(object.vertices, chunk, sizeof(tVec3));
    for (std::uint32_t i = 0; i < nRead; ++i) {
        tVec3& vertex = object.vertices[i];
        vertex = tVec3{vertex.x, vertex.z, -vertex.y};
    }
    object.vertexCount = static_cast<int>(nRead);
    SkipChunkRest(chunk);
}

// Reads the faces only: the face list's sub-chunks follow at object level.
// The stored records are read into the start of the face array and widened
// in place, last first, so that no face overwrites a record not yet used.
void ModelFileReader::ReadTriangleList(t3DObject& object, tChunkHeader& chunk)
{
    const std::uint32_t nRead = ReadRecords(object.faces, chunk, sizeof(tFaceRecord));
    const auto* pRecords = reinterpret_cast<const unsigned char*>(object.faces.get());
    for (std::uint32_t i = nRead; i-- > 0;) {
        tFaceRecord record;
        std::memcpy(&record, pRecords + i * sizeof record, sizeof record);
        for (int k = 0; k < 3; ++k)
            object.faces[i].vertexIndex[k] = record.corner[k];
    }
    object.faceCount = static_cast<int>(nRead);
}

void ModelFileReader::ReadTexCoordList(t3DObject& object, tChunkHeader& chunk)
{
    object.texCoordCount = static_cast<int>(ReadRecords(object.texCoords, chunk, sizeof(tVec2)));
    SkipChunkRest(chunk);
}
