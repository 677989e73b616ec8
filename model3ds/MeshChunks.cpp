// The mesh lists of an object: vertices, faces and texture coordinates.
// Each list opens with a 16-bit record count.  Nothing is read past the
// chunk: a vertex or texture-coordinate list that holds fewer records keeps
// its count with the missing records zero-filled, so that the faces naming
// them stay, as long as the load's zero-fill budget lasts; a face list's
// count is cut to the whole faces held, since a made-up face would be drawn.

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
// bytes each, as they are stored; returns how many records the array holds.
template <typename tRecord>
std::uint32_t ModelFileReader::ReadRecords(std::shared_ptr<tRecord[]>& pRecords, tChunkHeader& chunk,
                                           std::uint32_t nStored, bool zeroFillMissing)
{
    unsigned char countBytes[2] = {};
    ReadBytes(countBytes, sizeof countBytes, chunk);
    const std::uint32_t nCount = countBytes[0] | countBytes[1] << 8;
    const std::uint32_t nHeld = std::min(nCount, chunk.Remaining() / nStored);
    std::uint32_t nKept = nHeld;
    if (nCount > nHeld && zeroFillMissing && nCount - nHeld <= zeroFillBudget) {
        zeroFillBudget -= nCount - nHeld;
        nKept = nCount;
        damage.recordsZeroFilled = true;
    } else if (nCount > nHeld) {
        damage.countClipped = true;
    }
    pRecords.reset(new tRecord[nKept]());
    const std::uint32_t nRead = ReadBytes(pRecords.get(), nHeld * nStored, chunk) / nStored;
    return zeroFillMissing ? nKept : nRead;
}

// The file's z axis is the model's up axis: (x, y, z) becomes (x, z, -y).
void ModelFileReader::ReadVertexList(t3DObject& object, tChunkHeader& chunk)
{
    const std::uint32_t nKept = ReadRecords(object.vertices, chunk, sizeof(tVec3), true);
    for (std::uint32_t i = 0; i < nKept; ++i) {
        tVec3& vertex = object.vertices[i];
        vertex = tVec3{vertex.x, vertex.z, -vertex.y};
    }
    object.vertexCount = static_cast<int>(nKept);
    SkipChunkRest(chunk);
}

// Reads the faces only: the face list's sub-chunks follow at object level.
// The stored records are read into the start of the face array and widened
// in place, last first, so that no face overwrites a record not yet used.
void ModelFileReader::ReadTriangleList(t3DObject& object, tChunkHeader& chunk)
{
    const std::uint32_t nRead = ReadRecords(object.faces, chunk, sizeof(tFaceRecord), false);
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
    object.texCoordCount = static_cast<int>(ReadRecords(object.texCoords, chunk, sizeof(tVec2), true));
    SkipChunkRest(chunk);
}
