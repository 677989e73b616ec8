// Damage in a model file that still loaded: the repair that makes its
// objects safe to draw, and the line that tells what was wrong.

#include "model3ds/ModelFileReader.h"

#include <algorithm>

// ---- Making a freshly read object safe to draw ----

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

// ---- Telling what was wrong ----

std::string DescribeDamage(const tModelDamage& damage)
{
    std::string strParts;
    const auto add = [&strParts](bool happened, const std::string& strPart) {
        if (!happened)
            return;
        if (!strParts.empty())
            strParts += "; ";
        strParts += strPart;
    };
    add(damage.cutShort, "cut short");
    add(damage.chunkOverrun, "a chunk overruns its parent");
    add(damage.chunkTooShort, "a chunk is shorter than its header");
    add(damage.strayBytes, "stray bytes at the end of a chunk");
    add(damage.nestedTooDeep, "chunks nested too deep were skipped");
    add(damage.recordsZeroFilled, "a list holds fewer records than its count, the rest zero-filled");
    add(damage.countClipped, "a list count was cut to the records it holds");
    add(damage.facesDropped == 1, "1 face naming a missing vertex dropped");
    add(damage.facesDropped > 1, std::to_string(damage.facesDropped) + " faces naming missing vertices dropped");
    add(damage.texCoordsPadded, "texture coordinates padded to the vertex count");
    return strParts;
}
