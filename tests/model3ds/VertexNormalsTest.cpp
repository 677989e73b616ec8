#include "model3ds/ModelData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace {

t3DObject meshObject(const std::vector<tVec3>& vertices, const std::vector<tTriangle>& faces)
{
    t3DObject object;
    object.vertexCount = static_cast<int>(vertices.size());
    object.faceCount = static_cast<int>(faces.size());
    object.vertices.reset(new tVec3[vertices.size()]);
    std::copy(vertices.begin(), vertices.end(), object.vertices.get());
    object.faces.reset(new tTriangle[faces.size()]);
    std::copy(faces.begin(), faces.end(), object.faces.get());
    return object;
}

tModelData modelOf(const t3DObject& object)
{
    tModelData model = MakeEmptyModel();
    model.objects.push_back(object);
    model.objectCount = 1;
    return model;
}

std::vector<tVec3> normalsOf(const t3DObject& object)
{
    tModelData model = modelOf(object);
    BuildVertexNormals(model);
    const t3DObject& built = model.objects[0];
    return std::vector<tVec3>(built.normals.get(), built.normals.get() + built.vertexCount);
}

// The per-vertex walk over all faces, written out plainly: the reference
// that the linear computation must match bit for bit.
std::vector<tVec3> quadraticNormals(const t3DObject& object)
{
    std::vector<tVec3> faceNormals;
    for (int j = 0; j < object.faceCount; ++j) {
        const int* index = object.faces[j].vertexIndex;
        const tVec3 vVector1 = Vec3Sub(object.vertices[index[0]], object.vertices[index[2]]);
        const tVec3 vVector2 = Vec3Sub(object.vertices[index[2]], object.vertices[index[1]]);
        faceNormals.push_back(Vec3Cross(vVector1, vVector2));
    }
    std::vector<tVec3> normals;
    for (int v = 0; v < object.vertexCount; ++v) {
        tVec3 vSum{0, 0, 0};
        int shared = 0;
        for (int j = 0; j < object.faceCount; ++j) {
            const int* index = object.faces[j].vertexIndex;
            if (index[0] == v || index[1] == v || index[2] == v) {
                vSum = Vec3Add(vSum, faceNormals[static_cast<std::size_t>(j)]);
                ++shared;
            }
        }
        normals.push_back(Vec3Normalize(Vec3DivScalar(vSum, static_cast<float>(-shared))));
    }
    return normals;
}

std::vector<std::uint32_t> bitsOf(const std::vector<tVec3>& vectors)
{
    std::vector<std::uint32_t> bits(vectors.size() * 3);
    std::memcpy(bits.data(), vectors.data(), bits.size() * sizeof(std::uint32_t));
    return bits;
}

// Random meshes with what makes normals awkward: shared and unused
// vertices, corners repeated within a face, coincident and collinear
// positions, tiny and huge coordinates.
t3DObject randomMesh(std::mt19937& random)
{
    std::uniform_int_distribution<int> vertexCountOf(1, 40);
    std::uniform_int_distribution<int> faceCountOf(0, 80);
    std::uniform_real_distribution<float> coordinate(-10, 10);
    std::uniform_int_distribution<int> kind(0, 9);
    const int vertexCount = vertexCountOf(random);
    std::vector<tVec3> vertices;
    for (int v = 0; v < vertexCount; ++v) {
        const int k = kind(random);
        if (k == 0 && v > 0)
            vertices.push_back(vertices[static_cast<std::size_t>(v - 1)]);  // coincident
        else if (k == 1)
            vertices.push_back({coordinate(random), 0, 0});  // on one line
        else if (k == 2)
            vertices.push_back({coordinate(random) * 1e-20f, coordinate(random) * 1e20f, 0});
        else
            vertices.push_back({coordinate(random), coordinate(random), coordinate(random)});
    }
    // Faces use only the first part of the vertices, so the rest go unused.
    std::uniform_int_distribution<int> corner(0, std::max(0, vertexCount - 1 - vertexCount / 5));
    std::vector<tTriangle> faces;
    const int faceCount = faceCountOf(random);
    for (int j = 0; j < faceCount; ++j) {
        tTriangle face{{corner(random), corner(random), corner(random)}};
        if (kind(random) == 0)
            face.vertexIndex[2] = face.vertexIndex[0];
        faces.push_back(face);
    }
    return meshObject(vertices, faces);
}

}  // namespace

TEST(VertexNormals, MatchTheWalkOverAllFacesBitForBit)
{
    std::mt19937 random(20240611);
    int nanNormals = 0;
    for (int mesh = 0; mesh < 500; ++mesh) {
        const t3DObject object = randomMesh(random);
        const std::vector<tVec3> linear = normalsOf(object);
        const std::vector<tVec3> quadratic = quadraticNormals(object);
        ASSERT_EQ(bitsOf(linear), bitsOf(quadratic)) << "mesh " << mesh;
        for (const tVec3& n : linear)
            nanNormals += std::isnan(n.x) ? 1 : 0;
    }
    EXPECT_GT(nanNormals, 0);  // the NaN cases were exercised too
}

TEST(VertexNormals, SingleTriangleFacesUp)
{
    const t3DObject object = meshObject({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{{0, 1, 2}}});
    const tVec3 faceNormal = Vec3Cross(Vec3Sub(object.vertices[0], object.vertices[2]),
                                       Vec3Sub(object.vertices[2], object.vertices[1]));
    EXPECT_EQ(faceNormal.z, -1.0f);
    for (const tVec3& normal : normalsOf(object)) {
        EXPECT_EQ(normal.x, 0.0f);
        EXPECT_EQ(normal.y, 0.0f);
        EXPECT_EQ(normal.z, 1.0f);
    }
}

TEST(VertexNormals, LargerFacesWeighMore)
{
    // Vertex 0 is shared by a triangle of area 0.5 facing +z and one of
    // area 2 facing +y.
    const t3DObject object = meshObject({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 2}, {2, 0, 0}},
                                        {{{0, 1, 2}}, {{0, 3, 4}}});
    const tVec3 normal = normalsOf(object)[0];
    EXPECT_FLOAT_EQ(normal.x, 0.0f);
    EXPECT_FLOAT_EQ(normal.y, 4 / std::sqrt(17.0f));
    EXPECT_FLOAT_EQ(normal.z, 1 / std::sqrt(17.0f));
}

TEST(VertexNormals, UnusedCancelledAndDegenerateVerticesGetNaN)
{
    // Vertices 0-2: two faces of opposite winding; 3-5: all on one line;
    // 6: used by no face.
    const t3DObject object = meshObject(
        {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {5, 5, 5}},
        {{{0, 1, 2}}, {{0, 2, 1}}, {{3, 4, 5}}});
    for (const tVec3& normal : normalsOf(object))
        EXPECT_TRUE(std::isnan(normal.x) && std::isnan(normal.y) && std::isnan(normal.z));

    const t3DObject noFaces = meshObject({{1, 2, 3}}, {});
    EXPECT_TRUE(std::isnan(normalsOf(noFaces)[0].x));
    EXPECT_TRUE(normalsOf(meshObject({}, {})).empty());
}

TEST(VertexNormals, RebuildingGivesAFreshArrayAndCopiesShareTheRest)
{
    tModelData model = modelOf(meshObject({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{{0, 1, 2}}}));
    BuildVertexNormals(model);
    const tModelData copy = model;
    const t3DObject& original = model.objects[0];
    const t3DObject& copied = copy.objects[0];
    EXPECT_EQ(copied.vertices.get(), original.vertices.get());
    EXPECT_EQ(copied.faces.get(), original.faces.get());
    EXPECT_EQ(copied.normals.get(), original.normals.get());

    BuildVertexNormals(model);
    EXPECT_NE(model.objects[0].normals.get(), copied.normals.get());
    EXPECT_EQ(copied.normals[0].z, 1.0f);  // the copy keeps the array it had
}

TEST(VectorHelpers, CrossAndNormalize)
{
    const tVec3 cross = Vec3Cross({1, 0, 0}, {0, 1, 0});
    EXPECT_EQ(cross.z, 1.0f);
    EXPECT_EQ(Vec3Cross({0, 1, 0}, {1, 0, 0}).z, -1.0f);
    const tVec3 unit = Vec3Normalize({3, 4, 0});
    EXPECT_FLOAT_EQ(unit.x, 0.6f);
    EXPECT_FLOAT_EQ(unit.y, 0.8f);
    EXPECT_EQ(Vec3DivScalar({2, 4, 6}, -2).z, -3.0f);
}
