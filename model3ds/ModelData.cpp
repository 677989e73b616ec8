// An empty model, and the vertex normals of a loaded one.

#include "model3ds/ModelData.h"

#include <vector>

// ---- An empty model ----

tModelData MakeEmptyModel()
{
    return tModelData{};
}

// ---- Vertex normals ----

namespace {

// Unnormalised, so that larger faces weigh more in the vertex normals.
tVec3 FaceNormal(const t3DObject& object, const tTriangle& face)
{
    const tVec3 vPoly[3] = {object.vertices[face.vertexIndex[0]], object.vertices[face.vertexIndex[1]],
                            object.vertices[face.vertexIndex[2]]};
    const tVec3 vVector1 = Vec3Sub(vPoly[0], vPoly[2]);
    const tVec3 vVector2 = Vec3Sub(vPoly[2], vPoly[1]);
    return Vec3Cross(vVector1, vVector2);
}

// Each vertex sums the normals of the faces that use it, face by face in
// list order; a face naming a vertex twice adds to it once.  Walking the
// faces once gives every vertex exactly the additions, in the same order, of
// a walk over all faces per vertex, so the sums are bit for bit the same.
void BuildObjectNormals(t3DObject& object)
{
    const auto nVertices = static_cast<std::size_t>(object.vertexCount);
    // The sums build up in the new array itself, then become the normals.
    std::shared_ptr<tVec3[]> pNormals(new tVec3[nVertices]());
    std::vector<int> nSharing(nVertices, 0);
    for (int i = 0; i < object.faceCount; ++i) {
        const tTriangle& face = object.faces[i];
        const tVec3 vNormal = FaceNormal(object, face);
        const int* pCorner = face.vertexIndex;
        for (int k = 0; k < 3; ++k) {
            const bool bRepeated = (k > 0 && pCorner[k] == pCorner[0]) || (k > 1 && pCorner[k] == pCorner[1]);
            if (bRepeated)
                continue;
            const auto v = static_cast<std::size_t>(pCorner[k]);
            pNormals[v] = Vec3Add(pNormals[v], vNormal);
            ++nSharing[v];
        }
    }
    // Dividing by minus the count turns the sum round: the face normal above
    // points away from the side where the corners run counter-clockwise.
    for (std::size_t v = 0; v < nVertices; ++v)
        pNormals[v] = Vec3Normalize(Vec3DivScalar(pNormals[v], static_cast<float>(-nSharing[v])));
    object.normals = pNormals;
}

}  // namespace

void BuildVertexNormals(tModelData& model)
{
    for (int i = 0; i < model.objectCount; ++i)
        BuildObjectNormals(model.objects[static_cast<std::size_t>(i)]);
}
