// soak STEPS [SEED]: plays the game's rules randomly for STEPS steps and
// prints what was exercised; exits with status 1 at the first broken rule.
// Needs a display (run it under xvfb-run without one).

#include "game/Board.h"
#include "themes/Theme.h"
#include "devlibs/play_driver/RandomPlay.h"
#include "devlibs/tool_usage/ToolUsage.h"

#include <GL/freeglut.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void ignoreDisplay() {}

// The tiles draw themselves, which needs a current context; a small hidden
// window gives one.
int openHiddenWindow(int& argc, char** argv)
{
#if defined(__SANITIZE_ADDRESS__)
    // Mesa keeps its context's buffers for the life of the process and
    // unloads its driver before the leak check could name it.
    __lsan::ScopedDisabler mesaAllocations;
#endif
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    glutInitWindowSize(64, 64);
    const int window = glutCreateWindow("soak");
    glutDisplayFunc(ignoreDisplay);
    glutHideWindow();
    glutMainLoopEvent();
    return window;
}

bool parseCount(const char* text, long long& value)
{
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return end != text && *end == '\0' && value >= 0;
}

}  // namespace

void printUsage(std::FILE* out, const char*)
{
    std::fprintf(out, "usage: soak STEPS [SEED]\n");
}

int main(int argc, char** argv)
{
    long long steps = 0;
    long long seed = 1;
    if (argc < 2 || argc > 3 || !parseCount(argv[1], steps) || (argc == 3 && !parseCount(argv[2], seed))) {
        printUsage(stderr, argv[0]);
        return 2;
    }
    if (!loadThemes(themes, HEXTOWER_THEME_FILE))
        return 2;
    const int window = openHiddenWindow(argc, argv);

    const auto start = std::chrono::steady_clock::now();
    const RandomPlayReport report = playRandomly(static_cast<long>(steps), static_cast<unsigned>(seed));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    glutDestroyWindow(window);
    glutExit();

    std::printf("seed %lld: %ld steps in %.1f s\n", seed, report.steps, seconds);
    std::printf("  picks %ld, frames %ld, ticks %ld, drags %ld, theme steps %ld\n", report.picks, report.frames,
                report.ticks, report.drags, report.themeSteps);
    std::printf("  button presses %ld, power-ups applied %ld (%ld of them awarded)\n", report.buttonPresses,
                report.powerUpsApplied, report.awardsUsed);
    std::printf("  removals %ld, cascades %ld, rises %ld\n", report.removals, report.cascades, report.rises);
    std::printf("  games over %ld, games given up %ld\n", report.gamesOver, report.gamesGivenUp);
    if (!report.failure.empty()) {
        std::printf("BROKEN: %s", report.failure.c_str());
        return 1;
    }
    std::printf("every rule held\n");
    return 0;
}
