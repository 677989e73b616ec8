#pragma once
// Writes the chunks the game's model reader understands, in file axes and
// file order, into a ChunkWriter.

#include "devlibs/chunk_writer/ChunkWriter.h"

#include <cstdint>
#include <string>
#include <vector>

struct SampleVertex {
    float x, y, z;
};

struct SampleFace {
    std::uint16_t a, b, c;
};

struct SampleTexCoord {
    float u, v;
};

struct SampleColor {
    std::uint8_t r, g, b;
};

void writeVersion(ChunkWriter& writer, std::uint32_t version);
void writeVertexList(ChunkWriter& writer, const std::vector<SampleVertex>& vertices);
void writeTexCoordList(ChunkWriter& writer, const std::vector<SampleTexCoord>& texCoords);
// The face list, with a face-material sub-chunk when a material is named.
void writeFaceList(ChunkWriter& writer, const std::vector<SampleFace>& faces, const std::string& material = "");
void writeFaceMaterial(ChunkWriter& writer, const std::string& material);
// A colour chunk holding the 24-bit colour form.
void writeDiffuseColor(ChunkWriter& writer, SampleColor color);
// A whole material: name, colour and, if given, a texture map.
void writeMaterial(ChunkWriter& writer, const std::string& name, SampleColor color, const std::string& texture = "");

// A named object holding a triangle mesh; the mesh's lists go in between.
void beginMeshObject(ChunkWriter& writer, const std::string& name);
void endMeshObject(ChunkWriter& writer);
