// The committed model files are exactly what the generator makes, and they
// hold only what the game's reader understands: one object, no materials.

#include "tools/make-assets/GameModels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

std::vector<std::uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One chunk of a file: its id and where its data and sub-chunks lie.
struct Chunk {
    std::uint16_t id;
    std::size_t begin, end;  // the data after the header
};

class ChunkCursor {
public:
    explicit ChunkCursor(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    std::uint16_t u16(std::size_t at) const { return static_cast<std::uint16_t>(bytes_.at(at) | bytes_.at(at + 1) << 8); }
    std::uint32_t u32(std::size_t at) const { return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16; }
    float f32(std::size_t at) const
    {
        const std::uint32_t bits = u32(at);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    Chunk chunkAt(std::size_t at) const
    {
        const std::uint32_t length = u32(at + 2);
        EXPECT_GE(length, 6u);
        EXPECT_LE(at + length, bytes_.size());
        return {u16(at), at + 6, at + length};
    }

    // The chunks that follow one another from `at` to `end`.
    std::vector<Chunk> children(std::size_t at, std::size_t end) const
    {
        std::vector<Chunk> chunks;
        while (at < end) {
            chunks.push_back(chunkAt(at));
            at = chunks.back().end;
        }
        EXPECT_EQ(at, end);
        return chunks;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
};

TEST(GeneratedModels, CoverEveryFileTheGameReads)
{
    std::set<std::string> paths;
    for (const GameModel& model : gameModels())
        paths.insert(model.path);
    std::set<std::string> expected{"Data/3DS/tile.3DS", "Data/3DS/+.3DS", "Data/3DS/-3.3DS", "Data/3DS/Stop.3DS"};
    for (int digit = 0; digit < 10; ++digit)
        expected.insert("Data/3DS/" + std::to_string(digit) + ".3DS");
    EXPECT_EQ(paths, expected);
}

TEST(GeneratedModels, CommittedFilesMatchTheGenerator)
{
    for (const GameModel& model : gameModels()) {
        const std::vector<std::uint8_t> committed = readFile(std::string(HEXTOWER_SOURCE_DIR) + "/assets/" + model.path);
        EXPECT_TRUE(committed == encodeGameModel(model))
            << model.path << " differs from the generator's output; run `build/bin/make-assets assets`";
    }
}

// root { version 3, scene { throwaway, object { tri-mesh { vertices, faces } } } }
// and nothing else: above all no material, which would hide the piece colour.
TEST(GeneratedModels, HoldOneObjectWithoutMaterials)
{
    for (const GameModel& model : gameModels()) {
        SCOPED_TRACE(model.path);
        const std::vector<std::uint8_t> bytes = encodeGameModel(model);
        const ChunkCursor file(bytes);
        const Chunk root = file.chunkAt(0);
        ASSERT_EQ(root.id, 0x4D4D);
        EXPECT_EQ(root.end, bytes.size());
        const std::vector<Chunk> top = file.children(root.begin, root.end);
        ASSERT_EQ(top.size(), 2u);
        EXPECT_EQ(top[0].id, 0x0002);
        EXPECT_EQ(file.u32(top[0].begin), 3u);
        ASSERT_EQ(top[1].id, 0x3D3D);
        const std::vector<Chunk> scene = file.children(top[1].begin, top[1].end);
        ASSERT_EQ(scene.size(), 2u);  // the first one is skipped by the reader
        EXPECT_NE(scene[0].id, 0x4000);
        EXPECT_NE(scene[0].id, 0xAFFF);
        ASSERT_EQ(scene[1].id, 0x4000);
        const std::size_t name = scene[1].begin;
        const std::size_t afterName = name + model.objectName.size() + 1;
        EXPECT_EQ(bytes.at(afterName - 1), 0);
        const std::vector<Chunk> object = file.children(afterName, scene[1].end);
        ASSERT_EQ(object.size(), 1u);
        ASSERT_EQ(object[0].id, 0x4100);
        const std::vector<Chunk> mesh = file.children(object[0].begin, object[0].end);
        ASSERT_EQ(mesh.size(), 2u);
        EXPECT_EQ(mesh[0].id, 0x4110);
        EXPECT_EQ(mesh[1].id, 0x4120);
        EXPECT_EQ(file.u16(mesh[0].begin), model.mesh.vertices.size());
        EXPECT_EQ(mesh[0].end - mesh[0].begin, 2 + 12 * model.mesh.vertices.size());
        EXPECT_EQ(file.u16(mesh[1].begin), model.mesh.faces.size());
        EXPECT_EQ(mesh[1].end - mesh[1].begin, 2 + 8 * model.mesh.faces.size());
    }
}

// The reader turns a stored (x, y, z) into (x, z, -y); the stored vertices
// must come back as the mesh's own, and the faces keep their corners.
TEST(GeneratedModels, StoreVerticesInTheFilesAxes)
{
    const GameModel tile = gameModels().front();
    const std::vector<std::uint8_t> bytes = encodeGameModel(tile);
    const ChunkCursor file(bytes);
    const std::size_t objectData = 6 + 10 + 6 + 10 + 6 + tile.objectName.size() + 1;
    const Chunk triMesh = file.chunkAt(objectData);
    const std::vector<Chunk> mesh = file.children(triMesh.begin, triMesh.end);
    for (std::size_t i = 0; i < tile.mesh.vertices.size(); ++i) {
        const std::size_t at = mesh[0].begin + 2 + 12 * i;
        const Point3 back{file.f32(at), file.f32(at + 8), -file.f32(at + 4)};
        EXPECT_EQ(back.x, tile.mesh.vertices[i].x);
        EXPECT_EQ(back.y, tile.mesh.vertices[i].y);
        EXPECT_EQ(back.z, tile.mesh.vertices[i].z);
    }
    for (std::size_t i = 0; i < tile.mesh.faces.size(); ++i)
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_EQ(file.u16(mesh[1].begin + 2 + 8 * i + 2 * k), tile.mesh.faces[i][k]);
}

}  // namespace
