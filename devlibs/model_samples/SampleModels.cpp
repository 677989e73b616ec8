#include "devlibs/model_samples/SampleModels.h"

#include "model3ds/ModelFileReader.h"
#include "devlibs/model_samples/SampleChunks.h"

#include <algorithm>

namespace {

constexpr int kGridColumns = 125;
constexpr int kMaxGridRows = 124;

void writeBox(ChunkWriter& writer, const std::string& name, const std::string& material, bool withTexCoords)
{
    beginMeshObject(writer, name);
    writeVertexList(writer, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}});
    if (withTexCoords)
        writeTexCoordList(writer, {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}, {1, 0}, {1, 1}, {0, 1}});
    writeFaceList(writer,
                  {{0, 2, 1}, {0, 3, 2}, {4, 5, 6}, {4, 6, 7}, {0, 1, 5}, {0, 5, 4},
                   {1, 2, 6}, {1, 6, 5}, {2, 3, 7}, {2, 7, 6}, {3, 0, 4}, {3, 4, 7}},
                  material);
    endMeshObject(writer);
}

void writeGridObject(ChunkWriter& writer, const std::string& name, int rows)
{
    std::vector<SampleVertex> vertices;
    for (int row = 0; row <= rows; ++row) {
        for (int column = 0; column <= kGridColumns; ++column)
            vertices.push_back({static_cast<float>(column), static_cast<float>(row), 0.01f * static_cast<float>(column % 7)});
    }
    std::vector<SampleFace> faces;
    const auto corner = [](int row, int column) { return static_cast<std::uint16_t>(row * (kGridColumns + 1) + column); };
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            faces.push_back({corner(row, column), corner(row, column + 1), corner(row + 1, column + 1)});
            faces.push_back({corner(row, column), corner(row + 1, column + 1), corner(row + 1, column)});
        }
    }
    beginMeshObject(writer, name);
    writeVertexList(writer, vertices);
    writeFaceList(writer, faces);
    endMeshObject(writer);
}

}  // namespace

ChunkWriter sampleModel()
{
    ChunkWriter writer;
    writer.begin(kChunkRoot);
    writeVersion(writer, 3);
    writer.begin(kChunkScene);
    writer.leaf(0x3D3E, {3, 0, 0, 0});  // mesh version: always the scene's first sub-chunk
    writeMaterial(writer, "Wood", {200, 120, 40}, "wood.png");
    writeMaterial(writer, "Red", {255, 0, 0});
    writeBox(writer, "Crate", "Wood", true);
    writeBox(writer, "Block", "Red", false);
    writer.begin(kChunkNamedObject);
    writer.cstring("Camera01");
    writer.leaf(0x4700, std::vector<std::uint8_t>(32, 0));
    writer.end();
    writer.end();
    writer.begin(kChunkKeyframes);
    writer.leaf(0xB00A, {5, 0, 'M', 'A', 'X', 0});
    writer.end();
    writer.end();
    return writer;
}

ChunkWriter gridModel(int faceCount)
{
    ChunkWriter writer;
    writer.begin(kChunkRoot);
    writeVersion(writer, 3);
    writer.begin(kChunkScene);
    writer.leaf(0x3D3E, {3, 0, 0, 0});
    int rowsLeft = faceCount / (2 * kGridColumns);
    for (int part = 0; rowsLeft > 0; ++part) {
        const int rows = std::min(rowsLeft, kMaxGridRows);
        writeGridObject(writer, "Grid" + std::to_string(part), rows);
        rowsLeft -= rows;
    }
    writer.end();
    writer.end();
    return writer;
}
