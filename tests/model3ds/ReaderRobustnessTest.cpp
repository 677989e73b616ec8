// Damaged and hostile files: the reader must end, stay inside every buffer
// and leave a model that is safe to draw.

#include "model3ds/ModelFileReader.h"
#include "model3ds/Notice.h"
#include "tests/model3ds/ModelFileTest.h"
#include "devlibs/model_samples/ModelChecks.h"
#include "devlibs/model_samples/SampleChunks.h"
#include "devlibs/model_samples/SampleModels.h"

#include <string>

namespace {

using DamagedFile = ModelFileTest;

std::vector<std::uint8_t> header(std::uint16_t id, std::uint32_t length)
{
    return {static_cast<std::uint8_t>(id), static_cast<std::uint8_t>(id >> 8), static_cast<std::uint8_t>(length),
            static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length >> 16),
            static_cast<std::uint8_t>(length >> 24)};
}

void writeNamedObject(ChunkWriter& writer, const std::string& name)
{
    writer.begin(kChunkNamedObject);
    writer.cstring(name);
    writer.end();
}

}  // namespace

TEST_F(DamagedFile, EveryTruncationOfAFullFileLoadsSafely)
{
    testing::internal::CaptureStdout();
    const std::vector<std::uint8_t> whole = sampleModel().bytes();
    for (std::size_t size = 0; size <= whole.size(); ++size) {
        const std::vector<std::uint8_t> part(whole.begin(), whole.begin() + static_cast<long>(size));
        tModelData model = MakeEmptyModel();
        EXPECT_EQ(load(model, saveBytes(part)), size >= kChunkHeaderSize) << size;
        ASSERT_EQ(findModelFault(model), "") << "cut at " << size;
    }
    testing::internal::GetCapturedStdout();
}

TEST_F(DamagedFile, DamageIsToldInOneLineNamingTheFile)
{
    std::vector<std::uint8_t> cut = header(kChunkRoot, 100);
    cut.insert(cut.end(), {0x00, 0x40, 0x0A, 0, 0, 0, 'C', 'u', 't', 0});
    ChunkWriter deep;
    deep.begin(kChunkRoot);
    beginMeshObject(deep, "Deep");
    for (int level = 0; level < kMaxChunkDepth; ++level)
        deep.begin(kChunkTriMesh);
    for (int level = 0; level < kMaxChunkDepth; ++level)
        deep.end();
    endMeshObject(deep);
    deep.end();
    const struct {
        std::vector<std::uint8_t> bytes;
        std::string what;
    } files[] = {
        {sampleModel().bytes(), ""},
        {cut, "cut short"},
        {rootFile([](ChunkWriter& w) {
             w.raw(header(kChunkNamedObject, 6 + 5 + 6));
             w.cstring("Over");
             w.leaf(0x1234, std::vector<std::uint8_t>(10));
         }).bytes(),
         "a chunk overruns its parent"},
        {rootFile([](ChunkWriter& w) {
             w.raw(header(0x1234, 3));
             w.raw({1, 2});
         }).bytes(),
         "a chunk is shorter than its header; stray bytes at the end of a chunk"},
        {deep.bytes(), "chunks nested too deep were skipped"},
        {rootFile([](ChunkWriter& w) {
             beginMeshObject(w, "Lists");
             w.leaf(kChunkVertexList, {0x02, 0x00});
             w.leaf(kChunkFaceList, {0x02, 0x00});
             endMeshObject(w);
         }).bytes(),
         "a list holds fewer records than its count, the rest zero-filled; a list count was cut to the records it holds"},
        {rootFile([](ChunkWriter& w) {
             beginMeshObject(w, "Stray");
             writeVertexList(w, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
             writeTexCoordList(w, {{0, 0}});
             writeFaceList(w, {{0, 1, 2}, {0, 1, 3}, {4, 1, 2}});
             endMeshObject(w);
         }).bytes(),
         "2 faces naming missing vertices dropped; texture coordinates padded to the vertex count"},
    };
    for (const auto& file : files) {
        const std::size_t before = damageLines().size();
        const std::string path = saveBytes(file.bytes);
        tModelData model = MakeEmptyModel();
        testing::internal::CaptureStdout();  // the sample names its texture
        EXPECT_TRUE(load(model, path));
        testing::internal::GetCapturedStdout();
        const std::vector<std::string> expected = {path + ": damaged model file: " + file.what};
        const std::vector<std::string> told(damageLines().begin() + static_cast<long>(before), damageLines().end());
        EXPECT_EQ(told, file.what.empty() ? std::vector<std::string>{} : expected);
    }
    EXPECT_TRUE(notices().empty());  // never a dialog

    // Left alone, the line goes to standard error.
    const tDamageFunction recorder = SetDamageFunction(WriteDamageLine);
    testing::internal::CaptureStderr();
    tModelData model = MakeEmptyModel();
    load(model, saveBytes(cut, "cut.3ds"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), folder + "/cut.3ds: damaged model file: cut short\n");
    SetDamageFunction(recorder);
}

TEST_F(DamagedFile, ChildOverrunningItsParentIsReadWholeInsideTheRoot)
{
    // "Tall" ends, by its length, in the middle of its mesh; the mesh is
    // read whole, the object ends with it, and the object's mesh chunk after
    // that is met at scene level and skipped.
    ChunkWriter mesh;
    mesh.begin(kChunkTriMesh);
    writeVertexList(mesh, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    writeFaceList(mesh, {{0, 1, 2}});
    mesh.end();
    ChunkWriter writer = rootFile([&](ChunkWriter& w) {
        w.raw(header(kChunkNamedObject, 6 + 5 + 10));
        w.cstring("Tall");
        w.raw(mesh.bytes());
        w.begin(kChunkTriMesh);
        writeVertexList(w, {{0, 0, 0}});
        w.end();
        beginMeshObject(w, "After");
        writeVertexList(w, {{1, 1, 1}, {2, 2, 2}});
        endMeshObject(w);
    });
    const tModelData model = loadWritten(writer);
    ASSERT_EQ(model.objectCount, 2);
    EXPECT_EQ(model.objects[0].vertexCount, 3);
    EXPECT_EQ(model.objects[0].vertices[2].z, -8.0f);
    EXPECT_EQ(model.objects[0].faceCount, 1);
    EXPECT_STREQ(model.objects[1].name, "After");
    EXPECT_EQ(model.objects[1].vertexCount, 2);
    EXPECT_EQ(findModelFault(model), "");
}

TEST_F(DamagedFile, ChunkShorterThanItsHeaderIsPassedOver)
{
    for (const std::uint32_t length : {0u, 1u, 5u}) {
        ChunkWriter writer = rootFile([&](ChunkWriter& w) {
            w.raw(header(kChunkNamedObject, length));
            writeNamedObject(w, "Next");
        });
        const tModelData model = loadWritten(writer);
        ASSERT_EQ(model.objectCount, 1) << length;
        EXPECT_STREQ(model.objects[0].name, "Next");
    }
    // The root itself: nothing to read, but it is a model file.
    tModelData model = MakeEmptyModel();
    EXPECT_TRUE(load(model, saveBytes(header(kChunkRoot, 2))));
    EXPECT_EQ(model.objectCount, 0);
}

TEST_F(DamagedFile, ChildCannotReachOutOfItsParent)
{
    // The object claims 1000 bytes in a root of a few dozen; what follows
    // the root in the file is never read, even as part of the object.
    ChunkWriter writer;
    writer.begin(kChunkRoot);
    writer.raw(header(kChunkNamedObject, 1000));
    writer.cstring("Greedy");
    writer.end();
    writer.raw(rootFile([](ChunkWriter& w) {
                   beginMeshObject(w, "Outside");
                   writeVertexList(w, {{1, 2, 3}});
                   endMeshObject(w);
               }).bytes());
    const tModelData model = loadWritten(writer);
    ASSERT_EQ(model.objectCount, 1);
    EXPECT_EQ(model.objects[0].vertexCount, 0);
}

TEST_F(DamagedFile, LeftoverBytesTooFewForAHeaderKeepTheReaderInStep)
{
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        w.begin(kChunkNamedObject);
        w.cstring("Padded");
        w.raw({0x10, 0x41, 0x20});  // three stray bytes at the end of the object
        w.end();
        writeNamedObject(w, "Sibling");
    }));
    ASSERT_EQ(model.objectCount, 2);
    EXPECT_STREQ(model.objects[1].name, "Sibling");
}

TEST_F(DamagedFile, HeaderCutShortEndsTheRead)
{
    std::vector<std::uint8_t> bytes = header(kChunkRoot, 100);
    const std::vector<std::uint8_t> object = header(kChunkNamedObject, 20);
    bytes.insert(bytes.end(), object.begin(), object.begin() + 4);
    tModelData model = MakeEmptyModel();
    EXPECT_TRUE(load(model, saveBytes(bytes)));
    EXPECT_EQ(model.objectCount, 0);

    // A length far beyond the end of the file.
    tModelData huge = MakeEmptyModel();
    std::vector<std::uint8_t> claimsAll = header(kChunkRoot, 0xFFFFFFFF);
    const std::vector<std::uint8_t> unknown = header(0x1234, 0xFFFFFFF0);
    claimsAll.insert(claimsAll.end(), unknown.begin(), unknown.end());
    EXPECT_TRUE(load(huge, saveBytes(claimsAll, "huge.3ds")));
}

TEST_F(DamagedFile, LongNamesAreCutToTheirFields)
{
    const std::string longName(300, 'n');
    const std::string longFile(300, 'f');
    testing::internal::CaptureStdout();
    const tModelData model = loadWritten(rootFile([&](ChunkWriter& w) {
        writeMaterial(w, longName, {1, 2, 3}, longFile);
        beginMeshObject(w, longName);
        writeVertexList(w, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
        writeFaceList(w, {{0, 1, 2}}, longName);
        endMeshObject(w);
    }));
    const std::string output = testing::internal::GetCapturedStdout();
    const std::string cut(kMaxNameLength - 1, 'n');
    EXPECT_EQ(model.materials.at(0).name, cut);
    EXPECT_EQ(model.materials[0].textureFile, std::string(kMaxNameLength - 1, 'f'));
    EXPECT_EQ(model.materials[0].color[2], 3);  // the colour after the name still read
    const t3DObject& object = model.objects.at(0);
    EXPECT_EQ(object.name, cut);
    EXPECT_EQ(object.vertexCount, 3);  // the mesh after the name still read
    EXPECT_EQ(object.materialIndex, 0);  // both names cut alike
    // The console line fits its 100 bytes.
    EXPECT_EQ(output, "file name : " + std::string(86, 'f') + "!\n");
}

TEST_F(DamagedFile, NameWithoutTerminatorEndsWithItsChunk)
{
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        w.begin(kChunkNamedObject);
        w.raw({'A', 'B', 'C'});
        w.end();
        w.begin(kChunkMaterial);
        w.begin(kChunkMaterialName);
        w.raw({'M', 'a', 't'});
        w.end();
        w.end();
        writeNamedObject(w, "Next");
    }));
    ASSERT_EQ(model.objectCount, 2);
    EXPECT_STREQ(model.objects[0].name, "ABC");
    EXPECT_STREQ(model.objects[1].name, "Next");
    EXPECT_STREQ(model.materials.at(0).name, "Mat");
}

TEST_F(DamagedFile, OversizedAndMissingColorData)
{
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        w.begin(kChunkMaterial);
        w.begin(kChunkDiffuseColor);
        w.leaf(0x0010, std::vector<std::uint8_t>(12, 0x7F));  // three floats, not three bytes
        w.end();
        w.begin(kChunkMaterialName);
        w.cstring("AfterColor");
        w.end();
        w.end();
        w.begin(kChunkMaterial);
        w.begin(kChunkDiffuseColor);
        w.u16(0);  // no room for a sub-chunk
        w.end();
        w.begin(kChunkMaterialName);
        w.cstring("NoColor");
        w.end();
        w.end();
    }));
    ASSERT_EQ(model.materialCount, 2);
    EXPECT_EQ(model.materials[0].color[0], 0x7F);
    EXPECT_STREQ(model.materials[0].name, "AfterColor");
    EXPECT_EQ(model.materials[1].color[0], 0);
    EXPECT_STREQ(model.materials[1].name, "NoColor");
}

TEST_F(DamagedFile, SkipsChunksLargerThanTheScratchBuffer)
{
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        w.leaf(0x1234, std::vector<std::uint8_t>(3 * kScratchBufferSize + 17, 0x4D));
        writeNamedObject(w, "Beyond");
    }));
    ASSERT_EQ(model.objectCount, 1);
    EXPECT_STREQ(model.objects[0].name, "Beyond");
}

TEST_F(DamagedFile, ShortListsKeepTheirCountsZeroFilledWhileTheBudgetLasts)
{
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        beginMeshObject(w, "Short");
        w.begin(kChunkVertexList);  // claims 5 vertices, holds 3 and a half
        w.u16(5);
        for (float f : {0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, 0.f, 1.f, 9.f, 9.f})
            w.f32(f);
        w.end();
        w.begin(kChunkTexCoordList);  // claims 4, holds 1
        w.u16(4);
        w.f32(0.5f), w.f32(0.25f);
        w.end();
        w.begin(kChunkFaceList);  // claims 9 faces, holds 2; what follows is a sub-chunk
        w.u16(9);
        w.u16(0), w.u16(1), w.u16(2), w.u16(0);
        w.u16(2), w.u16(3), w.u16(4), w.u16(0);  // names made-up vertices only
        w.leaf(0x4150, {0xFF, 0xFF, 0xFF, 0xFF});
        w.end();
        endMeshObject(w);
        beginMeshObject(w, "Long");
        w.begin(kChunkVertexList);  // claims 1 vertex, holds 2
        w.u16(1);
        for (int i = 0; i < 6; ++i)
            w.f32(7);
        w.end();
        writeFaceList(w, {{0, 0, 0}});
        endMeshObject(w);
        // "Short" made up 5 records; these take the rest of the budget ...
        beginMeshObject(w, "Spends");
        w.leaf(kChunkVertexList, {0xFA, 0xFF});  // 65530 vertices, none held
        endMeshObject(w);
        // ... so this short list gets no made-up record.
        beginMeshObject(w, "Cut");
        w.leaf(kChunkVertexList, {0x01, 0x00});
        endMeshObject(w);
    }));
    ASSERT_EQ(model.objectCount, 4);
    const t3DObject& shortLists = model.objects[0];
    ASSERT_EQ(shortLists.vertexCount, 5);
    EXPECT_EQ(shortLists.vertices[2].y, 1.0f);  // file z is model y
    for (int i = 3; i < 5; ++i)
        EXPECT_TRUE(shortLists.vertices[i].x == 0 && shortLists.vertices[i].y == 0 && shortLists.vertices[i].z == 0);
    ASSERT_EQ(shortLists.faceCount, 2);  // the sub-chunk read as a third face is dropped
    EXPECT_EQ(shortLists.faces[1].vertexIndex[2], 4);
    EXPECT_EQ(shortLists.texCoords[0].u, 0.5f);
    EXPECT_EQ(shortLists.texCoordCount, 5);  // 4 kept, then padded to the vertices
    EXPECT_EQ(model.objects[1].vertexCount, 1);
    EXPECT_EQ(model.objects[1].faceCount, 1);
    EXPECT_EQ(model.objects[2].vertexCount, 65530);
    EXPECT_EQ(model.objects[3].vertexCount, 0);
    EXPECT_EQ(findModelFault(model), "");
}

TEST_F(DamagedFile, StrayFaceIndicesAreDroppedAndTexCoordsPadded)
{
    testing::internal::CaptureStdout();
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        writeMaterial(w, "Tex", {1, 1, 1}, "t.png");
        beginMeshObject(w, "Stray");
        writeVertexList(w, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}});
        writeTexCoordList(w, {{0.5f, 0.5f}, {1, 1}});
        writeFaceList(w, {{0, 1, 2}, {0, 4, 2}, {1, 3, 2}, {65535, 0, 1}}, "Tex");
        endMeshObject(w);
        beginMeshObject(w, "FacesOnly");
        writeFaceList(w, {{0, 1, 2}});
        endMeshObject(w);
        beginMeshObject(w, "EmptyTexCoords");
        writeVertexList(w, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
        writeTexCoordList(w, {});
        writeFaceList(w, {{0, 1, 2}});
        endMeshObject(w);
    }));
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(model.objectCount, 3);
    const t3DObject& stray = model.objects[0];
    ASSERT_EQ(stray.faceCount, 2);
    EXPECT_EQ(stray.faces[0].vertexIndex[1], 1);
    EXPECT_EQ(stray.faces[1].vertexIndex[1], 3);
    EXPECT_TRUE(stray.textured);
    ASSERT_EQ(stray.texCoordCount, 4);
    EXPECT_EQ(stray.texCoords[1].u, 1.0f);
    EXPECT_EQ(stray.texCoords[3].u, 0.0f);
    EXPECT_EQ(model.objects[1].faceCount, 0);
    EXPECT_EQ(model.objects[2].texCoordCount, 3);
    EXPECT_EQ(findModelFault(model), "");
}

TEST_F(DamagedFile, DeepNestingIsCutOff)
{
    for (const std::uint16_t id : {kChunkScene, kChunkTriMesh, kChunkTextureMap}) {
        ChunkWriter writer;
        writer.begin(kChunkRoot);
        if (id == kChunkTriMesh)
            beginMeshObject(writer, "Deep");
        if (id == kChunkTextureMap)
            writer.begin(kChunkMaterial);
        for (int level = 0; level < 20000; ++level) {
            writer.begin(id);
            writer.leaf(0x3D3E, {});  // what a scene chunk throws away first
        }
        writeVertexList(writer, {{1, 1, 1}});
        writeNamedObject(writer, "Bottom");
        for (int level = 0; level < 20000; ++level)
            writer.end();
        if (id != kChunkScene)
            writer.end();
        if (id == kChunkTriMesh)
            writer.end();
        writer.end();
        const tModelData model = loadWritten(writer);
        EXPECT_EQ(findModelFault(model), "") << id;
        if (id == kChunkTriMesh) {
            EXPECT_EQ(model.objects.at(0).vertexCount, 0);  // too deep to be read
        }
    }
}

TEST_F(DamagedFile, NestingWithinTheLimitIsRead)
{
    ChunkWriter writer;
    writer.begin(kChunkRoot);
    beginMeshObject(writer, "Nested");
    for (int level = 0; level < kMaxChunkDepth - 4; ++level)
        writer.begin(kChunkTriMesh);
    writeVertexList(writer, {{1, 1, 1}});
    for (int level = 0; level < kMaxChunkDepth - 4; ++level)
        writer.end();
    endMeshObject(writer);
    writer.end();
    EXPECT_EQ(loadWritten(writer).objects.at(0).vertexCount, 1);
}
