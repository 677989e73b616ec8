// fuzz-seeds DIR: writes the fuzzer's synthetic starting files.

#include "model3ds/ModelFileReader.h"
#include "devlibs/model_samples/SampleChunks.h"
#include "devlibs/model_samples/SampleModels.h"
#include "devlibs/tool_usage/ToolUsage.h"

#include <cstdio>
#include <string>

namespace {

ChunkWriter versionFourWithLongNames()
{
    ChunkWriter writer;
    writer.begin(kChunkRoot);
    writeVersion(writer, 4);
    const std::string longName(300, 'x');
    writeMaterial(writer, longName, {1, 2, 3}, longName + ".png");
    beginMeshObject(writer, longName);
    writeVertexList(writer, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    writeTexCoordList(writer, {{0, 0}});
    writeFaceList(writer, {{0, 1, 2}, {2, 3, 4}}, longName);
    endMeshObject(writer);
    writer.end();
    return writer;
}

ChunkWriter nestedChunks()
{
    ChunkWriter writer;
    writer.begin(kChunkRoot);
    beginMeshObject(writer, "Nested");
    for (int level = 0; level < 40; ++level)
        writer.begin(kChunkTriMesh);
    writeVertexList(writer, {{1, 1, 1}});
    for (int level = 0; level < 40; ++level)
        writer.end();
    endMeshObject(writer);
    writer.begin(kChunkMaterial);
    writer.begin(kChunkDiffuseColor);
    writer.leaf(0x0010, {0, 0, 128, 63, 0, 0, 0, 63, 0, 0, 0, 0});
    writer.leaf(0x0011, {1, 2, 3});
    writer.end();
    writer.begin(kChunkTextureMap);
    writer.begin(kChunkTextureMap);
    writer.leaf(kChunkMapFileName, {'a', '.', 'p', 'n', 'g', 0});
    writer.end();
    writer.end();
    writer.end();
    writer.end();
    return writer;
}

}  // namespace

void printUsage(std::FILE* out, const char*)
{
    std::fprintf(out, "usage: fuzz-seeds DIR  (writes the fuzzer's starting files into DIR)\n");
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        printUsage(stderr, argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const bool written = sampleModel().save(folder + "/sample.3ds") && gridModel(500).save(folder + "/grid.3ds") &&
                         versionFourWithLongNames().save(folder + "/long-names.3ds") &&
                         nestedChunks().save(folder + "/nested.3ds");
    return written ? 0 : 1;
}
