// How the chunks of a 3DS file are parsed: the three nesting levels, the
// mesh lists, an object's material and a material's colour.

#include "model3ds/ModelFileReader.h"
#include "model3ds/Notice.h"
#include "model3ds/TextureLoader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

// ---- The levels ----
//
// The three nesting levels of a 3DS file (scene, material, mesh object) and
// the small scene-level handlers.  Each level walks the children of one
// chunk; an id a level does not know is skipped whole.

template <typename tHandler>
void ModelFileReader::ForEachChild(tChunkHeader& parent, tHandler onChild)
{
    if (depth >= kMaxChunkDepth) {
        damage.nestedTooDeep = true;
        SkipChunkRest(parent);
        return;
    }
    ++depth;
    tChunkHeader child;
    while (!endOfFile && parent.Remaining() > 0 && ReadChildHeader(child, parent)) {
        if (child.length >= kChunkHeaderSize)
            onChild(child);
        else
            damage.chunkTooShort = true;
        parent.bytesRead += child.bytesRead;
    }
    --depth;
}

// Each run of the level keeps its own version, which every version chunk of
// the level reads into.
void ModelFileReader::ParseSceneChunks(tModelData& model, tChunkHeader& parent)
{
    std::uint32_t version = 0;
    ForEachChild(parent, [&](tChunkHeader& chunk) {
        switch (chunk.id) {
        case kChunkFileVersion:
            ReadVersion(chunk, version);
            break;
        case kChunkScene:
            SkipFirstSubChunk(chunk);
            ParseSceneChunks(model, chunk);
            break;
        case kChunkNamedObject:
            ReadNamedObject(model, chunk);
            break;
        case kChunkMaterial:
            model.materials.emplace_back();
            ++model.materialCount;
            ParseMaterialChunks(model, chunk);
            break;
        default:
            SkipChunkRest(chunk);
        }
    });
}

// Every chunk at this level belongs to the last material of the list.
void ModelFileReader::ParseMaterialChunks(tModelData& model, tChunkHeader& parent)
{
    tMaterialInfo& material = model.materials.back();
    ForEachChild(parent, [&](tChunkHeader& chunk) {
        switch (chunk.id) {
        case kChunkMaterialName:
            ReadIntoField(material.name, kMaxNameLength, chunk);
            break;
        case kChunkDiffuseColor:
            ReadMaterialColor(material, chunk);
            break;
        case kChunkTextureMap:
            ParseMaterialChunks(model, chunk);
            break;
        case kChunkMapFileName:
            ReadIntoField(material.textureFile, kMaxNameLength, chunk);
            break;
        default:
            SkipChunkRest(chunk);
        }
    });
}

// The face list's own sub-chunks (face material among them) come back here
// as further children, since the face list handler reads only its faces.
void ModelFileReader::ParseMeshChunks(tModelData& model, t3DObject& object, tChunkHeader& parent)
{
    ForEachChild(parent, [&](tChunkHeader& chunk) {
        switch (chunk.id) {
        case kChunkTriMesh:
            ParseMeshChunks(model, object, chunk);
            break;
        case kChunkVertexList:
            ReadVertexList(object, chunk);
            break;
        case kChunkFaceList:
            ReadTriangleList(object, chunk);
            break;
        case kChunkFaceMaterial:
            ReadMeshMaterial(model, object, chunk);
            break;
        case kChunkTexCoordList:
            ReadTexCoordList(object, chunk);
            break;
        default:
            SkipChunkRest(chunk);
        }
    });
}

// A chunk of fewer than four bytes replaces only the low bytes of the
// version, in file order: the rest keep what an earlier chunk gave them.
void ModelFileReader::ReadVersion(tChunkHeader& chunk, std::uint32_t& version)
{
    unsigned char bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(version >> 8 * i);
    ReadBytes(bytes, sizeof bytes, chunk);
    version = DecodeU32(bytes);
    SkipChunkRest(chunk);
    if (version > 3)
        ShowNotice("This 3DS file is over version 3 so it may load incorrectly", "Warning");
}

void ModelFileReader::ReadNamedObject(tModelData& model, tChunkHeader& chunk)
{
    model.objects.emplace_back();
    ++model.objectCount;
    t3DObject& object = model.objects.back();
    ReadCString(object.name, kMaxNameLength, chunk);
    ParseMeshChunks(model, object, chunk);
}

// ---- Mesh lists ----
//
// The mesh lists of an object: vertices, faces and texture coordinates.
// Each list opens with a 16-bit record count.  Nothing is read past the
// chunk: a vertex or texture-coordinate list that holds fewer records keeps
// its count with the missing records zero-filled, so that the faces naming
// them stay, as long as the load's zero-fill budget lasts; a face list's
// count is cut to the whole faces held, since a made-up face would be drawn.

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

// ---- An object's material ----

namespace {

// The console line holds at most 99 characters, "!" included.
constexpr int kMaxShownFileName = 86;

// A textured material: its image becomes the texture in the material's slot
// (a material past the last slot gets none), and the object is marked
// textured even when the image cannot be had.
void UseTexturedMaterial(tModelData& model, t3DObject& object, int materialIndex)
{
    const char* szTextureFile = model.materials[static_cast<std::size_t>(materialIndex)].textureFile;
    if (materialIndex < kMaxTextureSlots)
        LoadTextureImage(szTextureFile, model.textureIds[materialIndex]);
    object.textured = true;
    std::printf("file name : %.*s!\n", kMaxShownFileName, szTextureFile);
}

}  // namespace

// The object takes the material named here, if one of the materials read so
// far carries that name, and -1 otherwise; the face numbers that follow the
// name are not used: the whole object takes the one material.
void ModelFileReader::ReadMeshMaterial(tModelData& model, t3DObject& object, tChunkHeader& chunk)
{
    char strMaterial[kMaxNameLength];
    ReadCString(strMaterial, sizeof strMaterial, chunk);
    for (int i = 0; i < model.materialCount; ++i) {
        const tMaterialInfo& material = model.materials[static_cast<std::size_t>(i)];
        if (std::strcmp(material.name, strMaterial) != 0) {
            object.materialIndex = -1;
            continue;
        }
        object.materialIndex = i;
        if (material.textureFile[0] != '\0')
            UseTexturedMaterial(model, object, i);
        break;
    }
    SkipChunkRest(chunk);
}

// ---- A material's colour ----

// The colour chunk's first sub-chunk gives the colour: its first three bytes
// are red, green and blue in the 24-bit form.  Any further colour forms are
// met by the material level as siblings and skipped there.
void ModelFileReader::ReadMaterialColor(tMaterialInfo& material, tChunkHeader& chunk)
{
    tChunkHeader subChunk;
    if (!ReadChildHeader(subChunk, chunk))
        return;
    ReadBytes(material.color, sizeof material.color, subChunk);
    SkipChunkRest(subChunk);
    chunk.bytesRead += subChunk.bytesRead;
}
