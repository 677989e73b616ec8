// load-bench FILE N: loads the model N times, each with a fresh reader into
// a fresh model as the game's pieces do, and prints the median time.
//
// The loaded models are kept, as the board keeps the models of its 120
// tiles, so that every load fills fresh memory as it does in the game; they
// are let go 120 at a time.

#include "model3ds/ModelFileReader.h"
#include "model3ds/Notice.h"
#include "devlibs/median/Median.h"
#include "devlibs/tool_usage/ToolUsage.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::size_t kModelsKept = 120;

double loadMilliseconds(const char* path, std::vector<tModelData>& kept)
{
    if (kept.size() == kModelsKept)
        kept.clear();
    kept.push_back(MakeEmptyModel());
    const auto start = std::chrono::steady_clock::now();
    ModelFileReader reader;
    const bool loaded = reader.LoadFile(kept.back(), path);
    const auto end = std::chrono::steady_clock::now();
    if (!loaded)
        std::exit(1);
    return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

void printUsage(std::FILE* out, const char*)
{
    std::fprintf(out, "usage: load-bench FILE N  (loads the model N times, prints the median)\n");
}

int main(int argc, char** argv)
{
    const int runs = argc == 3 ? std::atoi(argv[2]) : 0;
    if (runs < 1) {
        printUsage(stderr, argv[0]);
        return 2;
    }
    SetNoticeFunction(ShowNoticeOnConsole);
    std::vector<tModelData> kept;
    kept.reserve(kModelsKept);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(loadMilliseconds(argv[1], kept));
    std::printf("median ms/load: %.3f\n", median(times));
    return 0;
}
