// The committed model files are exactly what the generator makes, and they
// hold only what the game's reader understands: one object in the piece's
// colour, and for the tile its grout before it, the one object with a
// material.

#include "model3ds/ModelFileReader.h"
#include "devlibs/game_models/GameModels.h"
#include "devlibs/game_models/TileModel.h"
#include "game/Tile.h"
#include "pieces/NumberDisplay.h"
#include "pieces/PowerButton.h"

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
    // The names the game reads them by.
    std::set<std::string> expected{kTileModelFile};
    for (const PowerButtonFacts& button : kPowerButtonFacts)
        expected.insert(button.modelFile);
    for (int digit = 0; digit < 10; ++digit)
        expected.insert(digitModelFile(digit));
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

// One object { name, tri-mesh { vertices, faces [ { face material } ] } }
// holding the mesh; returns the material its faces name, "" if none.
std::string expectObject(const ChunkCursor& file, const std::vector<std::uint8_t>& bytes, const Chunk& chunk,
                         const std::string& name, const Mesh& mesh)
{
    EXPECT_EQ(chunk.id, 0x4000);
    const std::size_t afterName = chunk.begin + name.size() + 1;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes.at(chunk.begin))), name);
    const std::vector<Chunk> object = file.children(afterName, chunk.end);
    EXPECT_EQ(object.size(), 1u);
    EXPECT_EQ(object.at(0).id, 0x4100);
    const std::vector<Chunk> parts = file.children(object.at(0).begin, object.at(0).end);
    EXPECT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts.at(0).id, 0x4110);
    EXPECT_EQ(parts.at(1).id, 0x4120);
    EXPECT_EQ(file.u16(parts.at(0).begin), mesh.vertices.size());
    EXPECT_EQ(parts.at(0).end - parts.at(0).begin, 2 + 12 * mesh.vertices.size());
    EXPECT_EQ(file.u16(parts.at(1).begin), mesh.faces.size());
    const std::size_t afterFaces = parts.at(1).begin + 2 + 8 * mesh.faces.size();
    const std::vector<Chunk> faceParts = file.children(afterFaces, parts.at(1).end);
    if (faceParts.empty())
        return "";
    EXPECT_EQ(faceParts.size(), 1u);
    EXPECT_EQ(faceParts.at(0).id, 0x4130);
    return reinterpret_cast<const char*>(&bytes.at(faceParts.at(0).begin));
}

// root { version 3, scene { throwaway, [material, coloured object,] object } }
// and nothing else.  A model without a coloured part has no material at
// all, which would hide the piece colour; the tile's plate names a material
// the file does not define, which leaves it the piece colour too.
TEST(GeneratedModels, HoldThePieceColoredObjectAndAtMostOneMaterial)
{
    for (const GameModel& model : gameModels()) {
        SCOPED_TRACE(model.path);
        const bool colored = !model.colored.mesh.faces.empty();
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
        ASSERT_EQ(scene.size(), colored ? 4u : 2u);  // the first one is skipped by the reader
        EXPECT_NE(scene[0].id, 0x4000);
        EXPECT_NE(scene[0].id, 0xAFFF);
        if (colored) {
            EXPECT_EQ(scene[1].id, 0xAFFF);
            EXPECT_EQ(expectObject(file, bytes, scene[2], model.colored.objectName, model.colored.mesh),
                      model.colored.objectName);
        }
        const std::string plateMaterial = expectObject(file, bytes, scene.back(), model.objectName, model.mesh);
        EXPECT_EQ(plateMaterial, colored ? kPieceColorMaterial : "");
    }
}

// What the game's reader makes of the committed tile: the grout keeps its
// own dark colour, the plate takes the tile's colour and alpha, so theme
// colours and fades show.
TEST(GeneratedModels, TilePlateTakesThePieceColorAndTheGroutItsOwn)
{
    tModelData tile = MakeEmptyModel();
    ModelFileReader reader;
    ASSERT_TRUE(reader.LoadFile(tile, kTileModelFile));
    ASSERT_EQ(tile.objectCount, 2);
    ASSERT_EQ(tile.materials.size(), 1u);
    EXPECT_EQ(tile.objects[0].materialIndex, 0);
    EXPECT_EQ(tile.materials[0].color[0], kGroutColor[0]);
    EXPECT_EQ(tile.materials[0].color[1], kGroutColor[1]);
    EXPECT_EQ(tile.materials[0].color[2], kGroutColor[2]);
    EXPECT_EQ(tile.objects[1].materialIndex, -1);
    EXPECT_FALSE(tile.objects[0].textured || tile.objects[1].textured);
}

// The reader turns a stored (x, y, z) into (x, z, -y); the stored vertices
// must come back as the mesh's own, and the faces keep their corners.
TEST(GeneratedModels, StoreVerticesInTheFilesAxes)
{
    const GameModel label = gameModels().back();  // a button label: one object, no material
    const std::vector<std::uint8_t> bytes = encodeGameModel(label);
    const ChunkCursor file(bytes);
    const std::size_t objectData = 6 + 10 + 6 + 10 + 6 + label.objectName.size() + 1;
    const Chunk triMesh = file.chunkAt(objectData);
    const std::vector<Chunk> mesh = file.children(triMesh.begin, triMesh.end);
    for (std::size_t i = 0; i < label.mesh.vertices.size(); ++i) {
        const std::size_t at = mesh[0].begin + 2 + 12 * i;
        const Point3 back{file.f32(at), file.f32(at + 8), -file.f32(at + 4)};
        EXPECT_EQ(back.x, label.mesh.vertices[i].x);
        EXPECT_EQ(back.y, label.mesh.vertices[i].y);
        EXPECT_EQ(back.z, label.mesh.vertices[i].z);
    }
    for (std::size_t i = 0; i < label.mesh.faces.size(); ++i)
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_EQ(file.u16(mesh[1].begin + 2 + 8 * i + 2 * k), label.mesh.faces[i][k]);
}

}  // namespace
