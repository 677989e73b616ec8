// model-info FILE...: what the game's model reader makes of each 3DS file.
// Exits with 1 when a file could not be read at all.

#include "devlibs/model_summary/ModelSummary.h"
#include "devlibs/tool_usage/ToolUsage.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace {

// The reader writes its own console lines ("file name : ...!"); they go to
// standard error while a file is read, so that the report stays clean.
struct ReaderOutputToStderr {
    int savedStdout;

    ReaderOutputToStderr()
    {
        std::fflush(stdout);
        savedStdout = dup(STDOUT_FILENO);
        dup2(STDERR_FILENO, STDOUT_FILENO);
    }
    ~ReaderOutputToStderr()
    {
        std::fflush(stdout);
        dup2(savedStdout, STDOUT_FILENO);
        close(savedStdout);
    }
};

ModelLoad loadQuietly(const std::string& path)
{
    const ReaderOutputToStderr redirect;
    return loadModel(path, path);
}

}  // namespace

void printUsage(std::FILE* out, const char*)
{
    std::fprintf(out, "usage: model-info FILE...  (what the game's model reader makes of each 3DS file)\n");
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        printUsage(stderr, argv[0]);
        return 2;
    }
    bool allRead = true;
    for (int i = 1; i < argc; ++i) {
        const ModelLoad load = loadQuietly(argv[i]);
        allRead = allRead && load.ok;
        for (const std::string& line : summaryLines(load))
            std::cout << line << '\n';
        for (const std::string& line : detailLines(load))
            std::cout << line << '\n';
        std::cout.flush();
    }
    return allRead ? 0 : 1;
}
