// bench-mesh FACES FILE: writes a flat grid model of about FACES triangles
// (objects of at most 31,000 faces each) for load-bench.

#include "tools/model_samples/SampleModels.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int faces = argc == 3 ? std::atoi(argv[1]) : 0;
    if (faces < 1) {
        std::fprintf(stderr, "usage: bench-mesh FACES FILE\n");
        return 2;
    }
    if (!gridModel(faces).save(argv[2])) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
