#include "devlibs/model_samples/SampleChunks.h"

#include "model3ds/ModelFileReader.h"

void writeVersion(ChunkWriter& writer, std::uint32_t version)
{
    writer.begin(kChunkFileVersion);
    writer.u32(version);
    writer.end();
}

void writeVertexList(ChunkWriter& writer, const std::vector<SampleVertex>& vertices)
{
    writer.begin(kChunkVertexList);
    writer.u16(static_cast<std::uint16_t>(vertices.size()));
    for (const SampleVertex& vertex : vertices) {
        writer.f32(vertex.x);
        writer.f32(vertex.y);
        writer.f32(vertex.z);
    }
    writer.end();
}

void writeTexCoordList(ChunkWriter& writer, const std::vector<SampleTexCoord>& texCoords)
{
    writer.begin(kChunkTexCoordList);
    writer.u16(static_cast<std::uint16_t>(texCoords.size()));
    for (const SampleTexCoord& texCoord : texCoords) {
        writer.f32(texCoord.u);
        writer.f32(texCoord.v);
    }
    writer.end();
}

void writeFaceList(ChunkWriter& writer, const std::vector<SampleFace>& faces, const std::string& material)
{
    writer.begin(kChunkFaceList);
    writer.u16(static_cast<std::uint16_t>(faces.size()));
    for (const SampleFace& face : faces) {
        writer.u16(face.a);
        writer.u16(face.b);
        writer.u16(face.c);
        writer.u16(7);  // edge flags
    }
    if (!material.empty())
        writeFaceMaterial(writer, material);
    writer.end();
}

void writeFaceMaterial(ChunkWriter& writer, const std::string& material)
{
    writer.begin(kChunkFaceMaterial);
    writer.cstring(material);
    writer.u16(1);  // one face number, which the reader does not use
    writer.u16(0);
    writer.end();
}

void writeDiffuseColor(ChunkWriter& writer, SampleColor color)
{
    writer.begin(kChunkDiffuseColor);
    writer.leaf(0x0011, {color.r, color.g, color.b});
    writer.end();
}

void writeMaterial(ChunkWriter& writer, const std::string& name, SampleColor color, const std::string& texture)
{
    writer.begin(kChunkMaterial);
    writer.begin(kChunkMaterialName);
    writer.cstring(name);
    writer.end();
    writeDiffuseColor(writer, color);
    if (!texture.empty()) {
        writer.begin(kChunkTextureMap);
        writer.begin(kChunkMapFileName);
        writer.cstring(texture);
        writer.end();
        writer.end();
    }
    writer.end();
}

void beginMeshObject(ChunkWriter& writer, const std::string& name)
{
    writer.begin(kChunkNamedObject);
    writer.cstring(name);
    writer.begin(kChunkTriMesh);
}

void endMeshObject(ChunkWriter& writer)
{
    writer.end();
    writer.end();
}
