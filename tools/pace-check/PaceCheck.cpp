// pace-check [RUNS]: how fast the real game delivers its frames, seen from
// outside.  It starts the game RUNS times (default 5) on the X display, pops
// a tile in each game and watches the window closely to time the tile's fade
// and the rise of the tower that follows; then it measures the processor
// share of an idle game over 10 seconds, once paced as HEXTOWER_FPS in this
// environment asks and once unpaced (HEXTOWER_FPS=0).  Without a display it
// runs itself under xvfb-run.
//
// The fade is timed from its first faded frame to the frame that shows the
// tile gone, 14 frame intervals of its 15 frames; the rise from the first
// lifted frame to the frame with the new row, 50 intervals.  At the default
// pacing that is 233 ms and 833 ms.  An idle game draws nothing, so it
// should use under 2% of a core, paced or not.

#include "app/SwapControl.h"
#include "themes/ThemeFile.h"
#include "tools/pace-check/WatchedGame.h"
#include "tools/tool_usage/ToolUsage.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 5;
constexpr int kStartTheme = 5;
constexpr int kTowerMiddleX = 400;  // the front column's middle at the start
constexpr int kWindowSize = 800;
constexpr double kIdleSeconds = 10;
constexpr double kTurnSeconds = 8;    // a turn that takes longer failed
constexpr int kQuietSamples = 20;     // at least this many unchanged samples end a fade
constexpr int kFadeIntervals = 14;    // between the first faded frame and the tile gone
constexpr int kRiseIntervals = 50;

Theme themes[kThemeCount];

double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void sleepSeconds(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

bool near(Rgb pixel, PackedColor color)
{
    return std::abs(pixel.r - color.r) <= 2 && std::abs(pixel.g - color.g) <= 2 &&
           std::abs(pixel.b - color.b) <= 2;
}

// The theme's tile colour the pixel shows, or -1.
int tileColorAt(Rgb pixel)
{
    const Theme& theme = themes[kStartTheme];
    for (int i = 0; i < theme.tileColorCount; ++i)
        if (near(pixel, theme.tileColors[i]))
            return i;
    return -1;
}

int pixelsUnlike(const Grab& grab, PackedColor background)
{
    return static_cast<int>(std::count_if(grab.pixels.begin(), grab.pixels.end(),
                                          [&](Rgb pixel) { return !near(pixel, background); }));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct TileFace {
    int middleY;
    int color;
};

// The tile faces up the front column's middle, lowest first.
std::vector<TileFace> frontColumn(const Grab& window)
{
    std::vector<TileFace> faces;
    int y = window.area.height - 1;
    while (y >= 0) {
        const int color = tileColorAt(window.at(kTowerMiddleX, y));
        int top = y;
        while (top >= 0 && color >= 0 && tileColorAt(window.at(kTowerMiddleX, top)) == color)
            --top;
        if (color >= 0 && y - top >= 6)
            faces.push_back(TileFace{(y + top) / 2, color});
        y = color >= 0 ? top : y - 1;
    }
    return faces;
}

// The screen row of the tower's lowest pixel.
int towerBottom(const Grab& window, PackedColor background)
{
    for (int y = window.area.height - 1; y > 0; --y)
        for (int x = 150; x < 650; ++x)
            if (!near(window.at(x, y), background))
                return y;
    return -1;
}

struct TurnTiming {
    std::string problem;  // empty when the turn was measured
    double fade = 0;       // first faded frame to the tile gone
    int fadeChanges = 0;   // screen changes seen on the tile during the fade
    double rise = 0;       // first lifted frame to the new row
    int riseChanges = 0;
};

struct Sample {
    Clock::time_point time;
    std::vector<Rgb> tile;  // a few pixels in the middle of the clicked tile
    int bottomPixels;       // tower pixels in a strip along its bottom edge
};

// Pops a tile of the front column and times the fade and the rise.
TurnTiming timeOneTurn(const WatchedGame& game)
{
    TurnTiming timing;
    const Grab window = game.grab(Area{0, 0, kWindowSize, kWindowSize});
    if (window.pixels.empty())
        return TurnTiming{"no picture of the window"};
    const PackedColor background = themes[kStartTheme].backgroundColor;
    const std::vector<TileFace> faces = frontColumn(window);
    if (faces.size() < 4)
        return TurnTiming{"the front column shows fewer than four tiles"};
    // The highest tile whose colour differs from the one below, so that its
    // group is unlikely to reach the bottom row, whose rise is watched.
    std::size_t target = 3;
    while (target > 1 && faces[target].color == faces[target - 1].color)
        --target;
    const int bottom = towerBottom(window, background);
    const Area tilePatch{kTowerMiddleX - 1, faces[target].middleY - 1, 3, 3};
    const Area bottomStrip{150, bottom - 11, 500, 12};
    const int restingBottom = pixelsUnlike(game.grab(bottomStrip), background);

    const std::vector<Rgb> before = game.grab(tilePatch).pixels;
    // The screen is watched from before the click on: the click itself takes
    // a while to send.
    const Clock::time_point watched = Clock::now();
    std::thread clicker([&] { game.click(kTowerMiddleX, faces[target].middleY); });
    std::vector<Sample> samples;
    bool rising = false;
    while (millisecondsBetween(watched, Clock::now()) < kTurnSeconds * 1000) {
        // A short rest between looks leaves the processor to the game.
        std::this_thread::sleep_for(std::chrono::microseconds(500));
        const Sample sample{Clock::now(), game.grab(tilePatch).pixels,
                            pixelsUnlike(game.grab(bottomStrip), background)};
        samples.push_back(sample);
        rising = rising || sample.bottomPixels != restingBottom;
        if (rising && sample.bottomPixels == restingBottom)
            break;  // the new row has come in
    }
    clicker.join();

    // The fade: the tile changes with every frame until it has gone, and
    // then stays as it is for four frames' time (a tile falling into its place
    // takes at least five).
    std::size_t i = 0;
    while (i < samples.size() && samples[i].tile == before)
        ++i;
    if (i == samples.size())
        return TurnTiming{"the clicked tile never changed"};
    const std::size_t fadeStart = i;
    std::size_t lastChange = i, quietSamples = 0;
    std::vector<double> frameIntervals;
    timing.fadeChanges = 1;
    for (++i; i < samples.size(); ++i) {
        if (samples[i].tile != samples[i - 1].tile) {
            frameIntervals.push_back(millisecondsBetween(samples[lastChange].time, samples[i].time));
            lastChange = i;
            quietSamples = 0;
            ++timing.fadeChanges;
        } else if (++quietSamples >= kQuietSamples && frameIntervals.size() >= 2 &&
                   millisecondsBetween(samples[lastChange].time, samples[i].time) > 4 * median(frameIntervals)) {
            break;
        }
    }
    timing.fade = millisecondsBetween(samples[fadeStart].time, samples[lastChange].time);

    // The rise: the strip along the bottom edge stays as it was through the
    // fade and the falls, empties as the tower lifts, and is back as it was
    // when the new row comes in.
    std::size_t riseStart = 0;
    for (std::size_t k = 0; k < samples.size() && riseStart == 0; ++k) {
        if (samples[k].bottomPixels != restingBottom) {
            if (k <= lastChange)
                return TurnTiming{"the bottom row changed during the fade"};
            riseStart = k;
        }
    }
    if (riseStart == 0 || samples.back().bottomPixels != restingBottom)
        return TurnTiming{"no rise and new row seen within the time"};
    for (std::size_t k = riseStart + 1; k < samples.size(); ++k)
        timing.riseChanges += samples[k].bottomPixels != samples[k - 1].bottomPixels;
    timing.rise = millisecondsBetween(samples[riseStart].time, samples.back().time);
    return timing;
}

// Share of one core an idle game uses over the measuring time.
double idleShare(_XDisplay* display, const char* frameRate)
{
    WatchedGame game(display, frameRate);
    if (!game.hasWindow())
        return -1;
    sleepSeconds(2);  // past the start-up
    const double before = game.processorSeconds();
    const Clock::time_point start = Clock::now();
    sleepSeconds(kIdleSeconds);
    const double used = game.processorSeconds() - before;
    return used / (millisecondsBetween(start, Clock::now()) / 1000);
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
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "pace-check: cannot open the display\n");
        return 1;
    }
    if (!loadThemes(themes, HEXTOWER_ASSET_DIR "/themes.txt"))
        std::fprintf(stderr, "pace-check: the theme file did not read cleanly\n");

    const char* frameRate = std::getenv("HEXTOWER_FPS");
    const char* swapControl = offeredSwapControl(glXQueryExtensionsString(display, DefaultScreen(display)));
    std::printf("HEXTOWER_FPS: %s\n", frameRate != nullptr && *frameRate != '\0' ? frameRate : "(unset: paced to the display)");
    std::printf("swap control offered: %s\n", swapControl != nullptr ? swapControl : "none");

    std::vector<double> fades, rises;
    for (int run = 1, attempts = 0; run <= runs && attempts < 3 * runs; ++attempts) {
        WatchedGame game(display, nullptr);
        if (!game.hasWindow()) {
            std::fprintf(stderr, "pace-check: the game's window did not show\n");
            return 1;
        }
        sleepSeconds(1.5);  // past the start-up
        const TurnTiming timing = timeOneTurn(game);
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
    std::printf("idle game, share of one core over %.0f s: %.1f%% as set here, %.1f%% with HEXTOWER_FPS=0"
                " (target: under 2%%)\n",
                kIdleSeconds, 100 * idleShare(display, nullptr), 100 * idleShare(display, "0"));
    XCloseDisplay(display);
    return fades.size() == static_cast<std::size_t>(runs) ? 0 : 1;
}
