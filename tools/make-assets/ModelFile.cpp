#include "tools/make-assets/ModelFile.h"

#include "model3ds/ChunkHeader.h"
#include "tools/chunk_writer/ChunkWriter.h"

namespace {

// The scene's first sub-chunk, which the reader passes over.
constexpr std::uint16_t kChunkMeshVersion = 0x3D3E;

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

void writeFaces(ChunkWriter& out, const Mesh& mesh)
{
    out.begin(kChunkFaceList);
    out.u16(static_cast<std::uint16_t>(mesh.faces.size()));
    for (const Face& face : mesh.faces) {
        for (std::uint16_t index : face)
            out.u16(index);
        out.u16(kAllEdgesVisible);
    }
    out.end();
}

}  // namespace

std::vector<std::uint8_t> encodeModelFile(const Mesh& mesh, const std::string& objectName)
{
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
    out.begin(kChunkNamedObject);
    out.cstring(objectName);
    out.begin(kChunkTriMesh);
    writeVertices(out, mesh);
    writeFaces(out, mesh);
    out.end();
    out.end();
    out.end();
    out.end();
    return out.bytes();
}
