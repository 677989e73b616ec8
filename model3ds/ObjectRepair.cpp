#include "model3ds/ObjectRepair.h"

#include <algorithm>

namespace {

bool FaceFits(const tTriangle& face, int vertexCount)
{
    return std::all_of(std::begin(face.vertexIndex), std::end(face.vertexIndex),
                       [vertexCount](int v) { return v >= 0 && v < vertexCount; });
}

// Returns how many faces were dropped.
int DropStrayFaces(t3DObject& object)
{
    const tTriangle* pBegin = object.faces.get();
    const tTriangle* pEnd = pBegin + object.faceCount;
    const auto fits = [&object](const tTriangle& face) { return FaceFits(face, object.vertexCount); };
    const auto nFitting = static_cast<int>(std::count_if(pBegin, pEnd, fits));
    if (nFitting == object.faceCount)
        return 0;
    // A fresh array: the old one may be shared with copies of the model.
    std::shared_ptr<tTriangle[]> pFaces(new tTriangle[static_cast<std::size_t>(nFitting)]);
    std::copy_if(pBegin, pEnd, pFaces.get(), fits);
    object.faces = pFaces;
    const int nDropped = object.faceCount - nFitting;
    object.faceCount = nFitting;
    return nDropped;
}

// Returns whether there was anything to pad.
bool PadTexCoords(t3DObject& object)
{
    if (object.texCoords == nullptr || object.texCoordCount >= object.vertexCount)
        return false;
    std::shared_ptr<tVec2[]> pTexCoords(new tVec2[static_cast<std::size_t>(object.vertexCount)]());
    std::copy_n(object.texCoords.get(), object.texCoordCount, pTexCoords.get());
    object.texCoords = pTexCoords;
    object.texCoordCount = object.vertexCount;
    return true;
}

}  // namespace

void RepairObject(t3DObject& object, tModelDamage& damage)
{
    damage.facesDropped += DropStrayFaces(object);
    if (PadTexCoords(object))
        damage.texCoordsPadded = true;
}
