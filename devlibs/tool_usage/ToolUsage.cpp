#include "devlibs/tool_usage/ToolUsage.h"

#include <cstdlib>
#include <cstring>

namespace {

// A constructor of high priority runs before the C++ objects of default
// priority are built, the game's tiles and digits among them; glibc hands
// it the program's arguments.
__attribute__((constructor(101))) void answerHelpFirst(int argc, char** argv, char**)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printUsage(stdout, argv[0]);
            std::exit(0);
        }
}

}  // namespace
