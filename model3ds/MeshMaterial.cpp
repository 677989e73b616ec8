#include "model3ds/ModelFileReader.h"
#include "model3ds/TextureLoader.h"

#include <cstdio>
#include <cstring>

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
