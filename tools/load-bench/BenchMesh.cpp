// bench-mesh FACES FILE: writes a flat grid model of about FACES triangles
// (objects of at most 31,000 faces each) for load-bench.

#include "devlibs/model_samples/SampleModels.h"
#include "devlibs/tool_usage/ToolUsage.h"

#include <cstdio>
#include <cstdlib>

void printUsage(std::FILE* out, const char*)
{
    std::fprintf(out, "usage: bench-mesh FACES FILE  (writes a grid model of about FACES triangles)\n");
}

int main(int argc, char** argv)
{
    const int faces = argc == 3 ? std::atoi(argv[1]) : 0;
    if (faces < 1) {
        printUsage(stderr, argv[0]);
        return 2;
    }
    if (!gridModel(faces).save(argv[2])) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
