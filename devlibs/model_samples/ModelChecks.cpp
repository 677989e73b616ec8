#include "devlibs/model_samples/ModelChecks.h"

#include <cstring>

namespace {

bool terminated(const char* text)
{
    return std::memchr(text, '\0', kMaxNameLength) != nullptr;
}

std::string findObjectFault(const tModelData& model, const t3DObject& object)
{
    if (!terminated(object.name))
        return "unterminated object name";
    const std::string name = object.name;
    if (object.vertexCount < 0 || object.faceCount < 0 || object.texCoordCount < 0)
        return name + ": negative count";
    if (object.vertexCount > 0 && (object.vertices == nullptr || object.normals == nullptr))
        return name + ": missing vertex or normal array";
    if (object.faceCount > 0 && object.faces == nullptr)
        return name + ": missing face array";
    if (object.texCoords != nullptr && object.texCoordCount < object.vertexCount)
        return name + ": fewer texture coordinates than vertices";
    for (int i = 0; i < object.faceCount; ++i) {
        for (const int v : object.faces[i].vertexIndex) {
            if (v < 0 || v >= object.vertexCount)
                return name + ": face " + std::to_string(i) + " names vertex " + std::to_string(v);
        }
    }
    const bool hasMaterials = model.materialCount > 0;
    if (hasMaterials && object.materialIndex != -1 &&
        (object.materialIndex < 0 || object.materialIndex >= model.materialCount))
        return name + ": material index " + std::to_string(object.materialIndex) + " out of range";
    return "";
}

}  // namespace

std::string findModelFault(const tModelData& model)
{
    if (model.objectCount != static_cast<int>(model.objects.size()) ||
        model.materialCount != static_cast<int>(model.materials.size()))
        return "counts differ from the lists";
    for (const tMaterialInfo& material : model.materials) {
        if (!terminated(material.name) || !terminated(material.textureFile))
            return "unterminated material name or texture file";
    }
    for (const t3DObject& object : model.objects) {
        const std::string fault = findObjectFault(model, object);
        if (!fault.empty())
            return fault;
    }
    return "";
}
