// What the reader makes of well-formed files.

#include "model3ds/ModelFileReader.h"
#include "tests/model3ds/ModelFileTest.h"
#include "devlibs/model_samples/SampleChunks.h"
#include "devlibs/model_samples/SampleModels.h"

#include <cmath>

namespace {

constexpr std::uint16_t kChunkMeshVersion = 0x3D3E;
constexpr std::uint16_t kChunkCamera = 0x4700;

// A scene chunk opening with the mesh version, as real files do.
template <typename Fill>
void writeScene(ChunkWriter& writer, Fill fill)
{
    writer.begin(kChunkScene);
    writer.leaf(kChunkMeshVersion, {3, 0, 0, 0});
    fill(writer);
    writer.end();
}

void writeTriangle(ChunkWriter& writer, const std::string& name, const std::string& material = "")
{
    beginMeshObject(writer, name);
    writeVertexList(writer, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    writeFaceList(writer, {{0, 1, 2}}, material);
    endMeshObject(writer);
}

using Reader = ModelFileTest;

}  // namespace

TEST_F(Reader, MissingFileRaisesAnErrorAndLeavesTheModel)
{
    tModelData model = loadWritten(rootFile([](ChunkWriter& w) { writeTriangle(w, "Kept"); }));
    EXPECT_FALSE(load(model, "Data/none.3DS"));
    ASSERT_EQ(notices().size(), 1u);
    EXPECT_EQ(notices()[0].text, "Unable to find the file: Data/none.3DS!");
    EXPECT_EQ(notices()[0].caption, "Error");
    EXPECT_EQ(model.objectCount, 1);
    EXPECT_EQ(model.objects.size(), 1u);
}

TEST_F(Reader, FileNotStartingWithTheRootChunkIsRejected)
{
    ChunkWriter scene;
    writeScene(scene, [](ChunkWriter& w) { writeTriangle(w, "A"); });
    const std::string notRoot = save(scene, "scene.3ds");
    const std::string tooShort = saveBytes({0x4D, 0x4D, 0x10}, "short.3ds");
    const std::string empty = saveBytes({}, "empty.3ds");
    for (const std::string& path : {notRoot, tooShort, empty}) {
        tModelData model = MakeEmptyModel();
        EXPECT_FALSE(load(model, path));
        EXPECT_EQ(model.objectCount, 0);
        EXPECT_EQ(notices().back().text, "Unable to load PRIMARY chuck from file: " + path + "!");
        EXPECT_EQ(notices().back().caption, "Error");
    }
    EXPECT_EQ(notices().size(), 3u);
}

TEST_F(Reader, WarnsAboutVersionsAboveThreeAndReadsOn)
{
    loadWritten(rootFile([](ChunkWriter& w) { writeVersion(w, 3); }));
    EXPECT_TRUE(notices().empty());

    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        writeVersion(w, 4);
        writeTriangle(w, "After");
    }));
    ASSERT_EQ(notices().size(), 1u);
    EXPECT_EQ(notices()[0].text, "This 3DS file is over version 3 so it may load incorrectly");
    EXPECT_EQ(notices()[0].caption, "Warning");
    EXPECT_EQ(model.objectCount, 1);
}

TEST_F(Reader, ShortVersionChunkReadsIntoTheLevelsVersion)
{
    // 0x100 warns; a one-byte 1 then replaces only the low byte, giving
    // 0x101, which warns again.  The scene chunk's level starts from 0, so
    // its one-byte 2 is version 2.
    loadWritten(rootFile([](ChunkWriter& w) {
        writeVersion(w, 0x100);
        w.leaf(kChunkFileVersion, {1});
        writeScene(w, [](ChunkWriter& scene) { scene.leaf(kChunkFileVersion, {2}); });
    }));
    EXPECT_EQ(notices().size(), 2u);
}

TEST_F(Reader, TurnsTheFileAxesAndKeepsIndicesUnsigned)
{
    std::vector<SampleVertex> vertices(65535, SampleVertex{0, 0, 0});
    vertices[0] = {1, 2, 3};
    vertices[65534] = {0, 0, 1};
    vertices[40000] = {1, 0, 0};
    const tModelData model = loadWritten(rootFile([&](ChunkWriter& w) {
        beginMeshObject(w, "Wide");
        writeVertexList(w, vertices);
        writeFaceList(w, {{65534, 40000, 0}, {5, 6, 7}});
        endMeshObject(w);
    }));
    const t3DObject& object = model.objects.at(0);
    ASSERT_EQ(object.vertexCount, 65535);
    EXPECT_EQ(object.vertices[0].x, 1.0f);
    EXPECT_EQ(object.vertices[0].y, 3.0f);
    EXPECT_EQ(object.vertices[0].z, -2.0f);
    ASSERT_EQ(object.faceCount, 2);
    EXPECT_EQ(object.faces[0].vertexIndex[0], 65534);
    EXPECT_EQ(object.faces[0].vertexIndex[1], 40000);
    EXPECT_EQ(object.faces[1].vertexIndex[2], 7);
}

TEST_F(Reader, ReadsTheSampleModelWhole)
{
    testing::internal::CaptureStdout();
    const tModelData model = loadWritten(sampleModel());
    const std::string output = testing::internal::GetCapturedStdout();
    // No OpenGL context here: the texture is not made, but the object is
    // still textured and says so.
    EXPECT_EQ(output, "file name : wood.png!\n");
    ASSERT_EQ(model.materialCount, 2);
    EXPECT_STREQ(model.materials[0].name, "Wood");
    EXPECT_STREQ(model.materials[0].textureFile, "wood.png");
    EXPECT_EQ(model.materials[0].color[0], 200);
    EXPECT_EQ(model.materials[0].color[2], 40);
    EXPECT_STREQ(model.materials[1].textureFile, "");
    EXPECT_EQ(model.textureIds[0], 0u);

    ASSERT_EQ(model.objectCount, 3);
    const t3DObject& crate = model.objects[0];
    EXPECT_STREQ(crate.name, "Crate");
    EXPECT_EQ(crate.vertexCount, 8);
    EXPECT_EQ(crate.faceCount, 12);
    EXPECT_EQ(crate.texCoordCount, 8);
    EXPECT_EQ(crate.texCoords[2].u, 1.0f);
    EXPECT_EQ(crate.materialIndex, 0);
    EXPECT_TRUE(crate.textured);
    ASSERT_NE(crate.normals, nullptr);

    const t3DObject& block = model.objects[1];
    EXPECT_EQ(block.materialIndex, 1);
    EXPECT_FALSE(block.textured);
    EXPECT_EQ(block.texCoords, nullptr);

    // A camera is an object too, with nothing in it.
    const t3DObject& camera = model.objects[2];
    EXPECT_STREQ(camera.name, "Camera01");
    EXPECT_EQ(camera.vertexCount + camera.faceCount + camera.texCoordCount, 0);
    EXPECT_EQ(camera.vertices, nullptr);
    EXPECT_EQ(camera.faces, nullptr);
    EXPECT_EQ(camera.texCoords, nullptr);
    EXPECT_EQ(camera.materialIndex, 0);
}

TEST_F(Reader, BuildsNormalsInModelAxes)
{
    // File (x, y, z) -> model (x, z, -y): this triangle lies in the model's
    // x-y plane, counter-clockwise seen from +z.
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        beginMeshObject(w, "Flat");
        writeVertexList(w, {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}});
        writeFaceList(w, {{0, 1, 2}});
        endMeshObject(w);
    }));
    const t3DObject& object = model.objects.at(0);
    for (int v = 0; v < 3; ++v)
        EXPECT_EQ(object.normals[v].z, 1.0f);
}

TEST_F(Reader, FaceMaterialFindsOnlyMaterialsReadBefore)
{
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        writeMaterial(w, "First", {1, 2, 3});
        writeTriangle(w, "UsesFirst", "First");
        writeTriangle(w, "UsesLater", "Later");
        writeTriangle(w, "NoMaterialChunk");
        writeMaterial(w, "Later", {4, 5, 6});
        writeTriangle(w, "UsesLaterAfterIt", "Later");
        beginMeshObject(w, "TwoChunks");
        writeFaceMaterial(w, "Later");
        writeFaceMaterial(w, "Missing");
        endMeshObject(w);
        beginMeshObject(w, "TwoChunksLastFound");
        writeFaceMaterial(w, "Missing");
        writeFaceMaterial(w, "First");
        endMeshObject(w);
    }));
    ASSERT_EQ(model.objectCount, 6);
    EXPECT_EQ(model.objects[0].materialIndex, 0);
    EXPECT_EQ(model.objects[1].materialIndex, -1);
    EXPECT_EQ(model.objects[2].materialIndex, 0);
    EXPECT_EQ(model.objects[3].materialIndex, 1);
    EXPECT_EQ(model.objects[4].materialIndex, -1);
    EXPECT_EQ(model.objects[5].materialIndex, 0);
    EXPECT_TRUE(notices().empty());
}

TEST_F(Reader, FaceMaterialWithoutAnyMaterialsKeepsIndexZero)
{
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) { writeTriangle(w, "Lonely", "Nowhere"); }));
    EXPECT_EQ(model.objects.at(0).materialIndex, 0);
}

TEST_F(Reader, ColorComesFromTheFirstColorFormOnly)
{
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        w.begin(kChunkMaterial);
        w.begin(kChunkDiffuseColor);
        w.leaf(0x0011, {10, 20, 30});
        w.leaf(0x0012, {40, 50, 60});
        w.end();
        w.begin(kChunkMaterialName);
        w.cstring("Named after the colour");
        w.end();
        w.end();
    }));
    const tMaterialInfo& material = model.materials.at(0);
    EXPECT_EQ(material.color[0], 10);
    EXPECT_EQ(material.color[1], 20);
    EXPECT_EQ(material.color[2], 30);
    EXPECT_STREQ(material.name, "Named after the colour");
}

TEST_F(Reader, TextureFileNameMayStandOutsideATextureMap)
{
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        w.begin(kChunkMaterial);
        w.begin(kChunkMapFileName);
        w.cstring("direct.png");
        w.end();
        w.end();
    }));
    EXPECT_STREQ(model.materials.at(0).textureFile, "direct.png");
}

TEST_F(Reader, SceneLosesItsFirstSubChunkWhateverItIs)
{
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        w.begin(kChunkScene);
        writeMaterial(w, "Lost", {1, 1, 1});
        writeMaterial(w, "Kept", {2, 2, 2});
        w.end();
        w.begin(kChunkScene);
        writeTriangle(w, "LostObject");
        writeTriangle(w, "KeptObject");
        w.end();
    }));
    ASSERT_EQ(model.materialCount, 1);
    EXPECT_STREQ(model.materials[0].name, "Kept");
    ASSERT_EQ(model.objectCount, 1);
    EXPECT_STREQ(model.objects[0].name, "KeptObject");
}

TEST_F(Reader, ChunksOnlyCountAtTheirOwnLevel)
{
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        writeVertexList(w, {{1, 1, 1}});  // a mesh chunk at scene level
        w.begin(kChunkKeyframes);         // keyframes hold object-like chunks
        writeTriangle(w, "InKeyframes");
        w.end();
        writeMaterial(w, "Direct", {9, 9, 9});  // in the root, outside any scene
        beginMeshObject(w, "Mesh");
        w.begin(kChunkMaterialName);  // a material chunk at object level
        w.cstring("Wrong");
        w.end();
        w.begin(kChunkTriMesh);  // meshes nest
        writeVertexList(w, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
        w.end();
        endMeshObject(w);
    }));
    ASSERT_EQ(model.objectCount, 1);
    EXPECT_STREQ(model.objects[0].name, "Mesh");
    EXPECT_EQ(model.objects[0].vertexCount, 3);
    ASSERT_EQ(model.materialCount, 1);
    EXPECT_STREQ(model.materials[0].name, "Direct");
}

TEST_F(Reader, FaceListSubChunksAreReadAtObjectLevel)
{
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        writeMaterial(w, "M", {1, 2, 3});
        beginMeshObject(w, "Smooth");
        writeVertexList(w, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
        w.begin(kChunkFaceList);
        w.u16(1);
        w.u16(0), w.u16(1), w.u16(2), w.u16(0);
        w.leaf(0x4150, {1, 0, 0, 0});  // smoothing groups
        writeFaceMaterial(w, "M");
        w.end();
        endMeshObject(w);
    }));
    EXPECT_EQ(model.objects.at(0).faceCount, 1);
    EXPECT_EQ(model.objects.at(0).materialIndex, 0);
}

TEST_F(Reader, NothingAfterTheRootChunkIsRead)
{
    ChunkWriter writer = rootFile([](ChunkWriter& w) { writeTriangle(w, "Inside"); });
    const ChunkWriter after = rootFile([](ChunkWriter& w) { writeTriangle(w, "After"); });
    writer.raw(after.bytes());
    const tModelData model = loadWritten(writer);
    ASSERT_EQ(model.objectCount, 1);
    EXPECT_STREQ(model.objects[0].name, "Inside");
}

TEST_F(Reader, LoadsAppendToTheModel)
{
    tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        writeMaterial(w, "One", {1, 1, 1});
        writeTriangle(w, "First", "One");
    }));
    ASSERT_TRUE(load(model, save(rootFile([](ChunkWriter& w) {
        writeMaterial(w, "Two", {2, 2, 2});
        writeTriangle(w, "Second", "Two");
    }), "second.3ds")));
    ASSERT_EQ(model.objectCount, 2);
    ASSERT_EQ(model.materialCount, 2);
    EXPECT_EQ(model.objects[1].materialIndex, 1);
    EXPECT_NE(model.objects[1].normals, nullptr);
}
