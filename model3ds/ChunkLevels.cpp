// The three nesting levels of a 3DS file (scene, material, mesh object) and
// the small scene-level handlers.  Each level walks the children of one
// chunk; an id a level does not know is skipped whole.

#include "model3ds/ModelFileReader.h"
#include "model3ds/Notice.h"

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
