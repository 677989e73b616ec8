// Feeds arbitrary bytes to the model reader as a model file, then walks the
// model as the drawing does.  Any overrun shows under the sanitizers; a model
// that is unsafe to draw aborts with what is wrong with it.

#include "model3ds/ModelFileReader.h"
#include "model3ds/Notice.h"
#include "devlibs/model_samples/ModelChecks.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int memoryFile = -1;
std::string memoryFilePath;

void ignoreNotice(const char*, const char*) {}
void ignoreDamage(const char*) {}

// Reads what the drawing reads, corner by corner.
float walkLikeTheDrawing(const tModelData& model)
{
    float sum = 0;
    for (const t3DObject& object : model.objects) {
        const bool texCoords = object.textured && object.texCoords != nullptr;
        for (int face = 0; face < object.faceCount; ++face) {
            for (const int v : object.faces[face].vertexIndex) {
                sum += object.vertices[v].x + object.normals[v].y;
                if (texCoords)
                    sum += object.texCoords[v].u;
            }
        }
    }
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetNoticeFunction(ignoreNotice);
    SetDamageFunction(ignoreDamage);
    memoryFile = memfd_create("model.3ds", 0);
    if (memoryFile < 0)
        std::abort();
    memoryFilePath = "/proc/self/fd/" + std::to_string(memoryFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (ftruncate(memoryFile, 0) != 0 || pwrite(memoryFile, data, size, 0) != static_cast<ssize_t>(size))
        std::abort();
    tModelData model = MakeEmptyModel();
    ModelFileReader reader;
    reader.LoadFile(model, memoryFilePath.c_str());
    const std::string fault = findModelFault(model);
    if (!fault.empty()) {
        std::fprintf(stderr, "unsafe model: %s\n", fault.c_str());
        std::abort();
    }
    volatile float sink = walkLikeTheDrawing(model);
    (void)sink;
    return 0;
}
