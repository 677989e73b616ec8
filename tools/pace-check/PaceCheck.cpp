// pace-check [RUNS]: how fast the real game delivers its frames, seen from
// outside.  It starts the game RUNS times (default 5) on the X display, pops
// a tile in each game and watches the window closely to time the tile's fade
// and the rise of the tower that follows; then it measures the processor
// share of an idle game over 10 seconds, once paced as the frame-rate
// variable (kFrameRateVariable) in this environment asks and once unpaced.
// Without a display it runs itself under xvfb-run.
//
// At the default pacing a fade takes 233 ms and a rise 833 ms (see
// TurnTiming.h for what is timed).  An idle game draws nothing and its clock
// sleeps, so it should use under 0.2% of a core, paced or not.

#include "app/Clock.h"
#include "app/Window.h"
#include "devlibs/game_process/GameProcess.h"
#include "devlibs/game_process/TurnTiming.h"
#include "devlibs/median/Median.h"
#include "devlibs/tool_usage/ToolUsage.h"
#include "game/Board.h"
#include "themes/Theme.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kDefaultRuns = 5;
constexpr int kIdleMilliseconds = 10000;

// The frame rate this environment asks of the game, nullptr when unset.
const char* requestedFrameRate()
{
    return std::getenv(kFrameRateVariable);
}

// Share of one core an idle game uses over the measuring time.
double idleShare(const char* frameRate)
{
    GameProcess game(HEXTOWER_ASSET_DIR, gameIn800Window(), HEXTOWER_BINARY, frameRate);
    if (!game.hasWindow())  // nor come to rest
        return -1;
    const double before = game.processorSeconds();
    const auto start = std::chrono::steady_clock::now();
    pause(kIdleMilliseconds);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    return (game.processorSeconds() - before) / spent.count();
}

void runUnderVirtualServer(char** argv)
{
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return;
    self[length] = '\0';
    std::vector<char*> command{const_cast<char*>("xvfb-run"), const_cast<char*>("-a"), const_cast<char*>("-s"),
                               const_cast<char*>("-screen 0 1280x1024x24 -noreset"), self};
    for (char** argument = argv + 1; *argument != nullptr; ++argument)
        command.push_back(*argument);
    command.push_back(nullptr);
    execvp(command[0], command.data());
    std::perror("pace-check: xvfb-run");
}

void printSetting()
{
    const char* frameRate = requestedFrameRate();
    std::printf("%s: %s\n", kFrameRateVariable,
                frameRate != nullptr && *frameRate != '\0' ? frameRate : "(unset: paced to the display)");
    const char* swapControl = nullptr;
    if (Display* display = XOpenDisplay(nullptr)) {
        swapControl = offeredSwapControl(glXQueryExtensionsString(display, DefaultScreen(display)));
        XCloseDisplay(display);
    }
    std::printf("swap control offered: %s\n", swapControl != nullptr ? swapControl : "none");
}

}  // namespace

void printUsage(std::FILE* out, const char* program)
{
    std::fprintf(out, "usage: %s [RUNS]  (games to time a fade and a rise in, default %d)\n", program, kDefaultRuns);
}

int main(int argc, char** argv)
{
    int runs = kDefaultRuns;
    if (argc > 2 || (argc == 2 && (runs = std::atoi(argv[1])) < 1)) {
        printUsage(stderr, argv[0]);
        return 2;
    }
    const char* displayName = std::getenv("DISPLAY");
    if (displayName == nullptr || *displayName == '\0') {
        runUnderVirtualServer(argv);
        return 1;
    }
    Theme themes[kThemeCount];
    if (!loadThemes(themes, (std::string(HEXTOWER_ASSET_DIR) + "/" + kThemeFileName).c_str()))
        std::fprintf(stderr, "pace-check: the theme file did not read cleanly\n");
    printSetting();

    std::vector<double> fades, rises;
    for (int run = 1, attempts = 0; run <= runs && attempts < 3 * runs; ++attempts) {
        GameProcess game(HEXTOWER_ASSET_DIR, gameIn800Window(), HEXTOWER_BINARY, requestedFrameRate());
        if (!game.hasWindow()) {
            std::fprintf(stderr, "pace-check: the game's window did not show or come to rest\n");
            return 1;
        }
        const TurnTiming timing = timeOneTurn(game, themes[kStartTheme]);
        if (!timing.problem.empty()) {
            std::printf("game %d: not measured (%s); another game instead\n", run, timing.problem.c_str());
            continue;
        }
        std::printf("game %d: fade %.0f ms (%d changes); rise %.0f ms (%d changes)\n",
                    run, timing.fade, timing.fadeChanges, timing.rise, timing.riseChanges);
        fades.push_back(timing.fade);
        rises.push_back(timing.rise);
        ++run;
    }
    const double fade = median(fades), rise = median(rises);
    std::printf("median over %zu games: fade %.0f ms (%.1f frames a second), rise %.0f ms (%.1f frames a second);"
                " at 60 frames a second 233 and 833 ms\n",
                fades.size(), fade, 1000 * kFadeIntervals / fade, rise, 1000 * kRiseIntervals / rise);
    std::printf("idle game, share of one core over %d s: %.2f%% as set here, %.2f%% with %s=%s"
                " (target: under 0.2%%)\n",
                kIdleMilliseconds / 1000, 100 * idleShare(requestedFrameRate()), 100 * idleShare(kUnpacedFrames),
                kFrameRateVariable, kUnpacedFrames);
    return fades.size() == static_cast<std::size_t>(runs) ? 0 : 1;
}
