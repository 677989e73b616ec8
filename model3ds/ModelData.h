#pragma once
// A loaded 3D model: objects with their per-vertex arrays, and materials.
//
// A model is a value.  Copying it duplicates the records but not the
// per-object arrays: copies share them, and the last copy to go frees them.

#include <cmath>
#include <memory>
#include <vector>

// ---- Vectors ----
//
// Single-precision vector helpers.  Defined here so that the normals, which
// call them for every face and vertex, get them inlined.

struct tVec3 {
    float x, y, z;
};

inline tVec3 Vec3Sub(tVec3 a, tVec3 b)
{
    return tVec3{a.x - b.x, a.y - b.y, a.z - b.z};
}

inline tVec3 Vec3Add(tVec3 a, tVec3 b)
{
    return tVec3{a.x + b.x, a.y + b.y, a.z + b.z};
}

inline tVec3 Vec3Cross(tVec3 a, tVec3 b)
{
    return tVec3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline tVec3 Vec3DivScalar(tVec3 v, float s)
{
    return tVec3{v.x / s, v.y / s, v.z / s};
}

// The length's square sum is formed in single precision, its root taken in
// double precision and rounded back to single.
inline tVec3 Vec3Normalize(tVec3 v)
{
    const float fSquares = v.x * v.x + v.y * v.y + v.z * v.z;
    const auto fLength = static_cast<float>(std::sqrt(static_cast<double>(fSquares)));
    return Vec3DivScalar(v, fLength);
}

// ---- The model ----

constexpr int kMaxNameLength = 255;       // names and texture file names, NUL included
constexpr int kMaxTextureSlots = 100;     // one texture slot per material index

struct tVec2 {
    float u, v;
};

struct tTriangle {
    int vertexIndex[3];
};

struct t3DObject {
    int vertexCount = 0;
    int faceCount = 0;
    int texCoordCount = 0;
    int materialIndex = 0;   // -1 when its face material named no known material
    bool textured = false;   // its material names a texture file
    char name[kMaxNameLength] = {};
    std::shared_ptr<tVec3[]> vertices;
    std::shared_ptr<tVec3[]> normals;
    std::shared_ptr<tVec2[]> texCoords;
    std::shared_ptr<tTriangle[]> faces;
};

struct tMaterialInfo {
    char name[kMaxNameLength] = {};
    char textureFile[kMaxNameLength] = {};
    unsigned char color[3] = {};
};

struct tModelData {
    unsigned int textureIds[kMaxTextureSlots] = {};
    int objectCount = 0;
    int materialCount = 0;
    std::vector<tMaterialInfo> materials;
    std::vector<t3DObject> objects;
};

// A model with no objects, no materials and no textures.
tModelData MakeEmptyModel();

// Gives every object of the model a fresh array of unit vertex normals, in
// time linear in its vertices and faces.  Every face index must lie below
// the object's vertexCount (the model reader sees to that).  A vertex that
// no face uses, or whose face normals cancel out, gets NaN components.
void BuildVertexNormals(tModelData& model);
