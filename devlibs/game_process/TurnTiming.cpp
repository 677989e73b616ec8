#include "devlibs/game_process/TurnTiming.h"

#include "devlibs/game_process/ShownColor.h"
#include "devlibs/median/Median.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kTurnSeconds = 8;  // a turn that takes longer failed
constexpr int kQuietSamples = 20;   // at least this many unchanged samples end a fade
constexpr int kTowerHalfWidth = 250;  // pixels either side of the window's middle
constexpr int kStripHeight = 12;      // the watched strip along the tower's bottom edge
constexpr std::size_t kNoFade = static_cast<std::size_t>(-1);

double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The theme's tile colour the pixel shows, or -1.
int tileColorAt(Rgb pixel, const Theme& theme)
{
    for (int i = 0; i < theme.tileColorCount; ++i)
        if (near(pixel, theme.tileColors[i]))
            return i;
    return -1;
}

int pixelsUnlike(const Screenshot& shot, PackedColor background)
{
    return static_cast<int>(std::count_if(shot.pixels.begin(), shot.pixels.end(),
                                          [&](Rgb pixel) { return !near(pixel, background); }));
}

struct TileFace {
    int middleY;
    int color;
};

// The tile faces up the middle of the column facing the camera, lowest first.
std::vector<TileFace> frontColumn(const Screenshot& window, int middleX, const Theme& theme)
{
    std::vector<TileFace> faces;
    int y = window.area.height - 1;
    while (y >= 0) {
        const int color = tileColorAt(window.at(middleX, y), theme);
        int top = y;
        while (top >= 0 && color >= 0 && tileColorAt(window.at(middleX, top), theme) == color)
            --top;
        if (color >= 0 && y - top >= 6)
            faces.push_back(TileFace{(y + top) / 2, color});
        y = color >= 0 ? top : y - 1;
    }
    return faces;
}

// The screen row of the tower's lowest pixel, or -1.
int towerBottom(const Screenshot& window, int middleX, PackedColor background)
{
    for (int y = window.area.height - 1; y > 0; --y)
        for (int x = middleX - kTowerHalfWidth; x < middleX + kTowerHalfWidth; ++x)
            if (!near(window.at(x, y), background))
                return y;
    return -1;
}

// Where to click and what to watch.
struct TurnPlan {
    std::string problem;  // empty when the window showed what a turn needs
    int clickX = 0, clickY = 0;
    Area tilePatch{};     // a few pixels in the middle of the clicked tile
    Area bottomStrip{};   // along the tower's bottom edge, where the rise shows
};

TurnPlan planTurn(const GameProcess& game, const Theme& theme)
{
    const Screenshot window = game.screenshot();
    if (window.pixels.empty())
        return TurnPlan{"no picture of the window"};
    const int middleX = window.area.width / 2;
    const std::vector<TileFace> faces = frontColumn(window, middleX, theme);
    if (faces.size() < 4)
        return TurnPlan{"the front column shows fewer than four tiles"};
    // The highest tile whose colour differs from the one below, so that its
    // group is unlikely to reach the bottom row, whose rise is watched.
    std::size_t target = 3;
    while (target > 1 && faces[target].color == faces[target - 1].color)
        --target;
    const int bottom = towerBottom(window, middleX, theme.backgroundColor);
    TurnPlan plan;
    plan.clickX = middleX;
    plan.clickY = faces[target].middleY;
    plan.tilePatch = Area{middleX - 1, plan.clickY - 1, 3, 3};
    plan.bottomStrip = Area{middleX - kTowerHalfWidth, bottom + 1 - kStripHeight, 2 * kTowerHalfWidth, kStripHeight};
    return plan;
}

struct Sample {
    Clock::time_point time;
    std::vector<Rgb> tile;
    int bottomPixels;  // tower pixels in the bottom strip
};

// Clicks the tile and samples the screen until the new row has come in or
// the time is up.
std::vector<Sample> watchTurn(const GameProcess& game, const TurnPlan& plan, PackedColor background,
                              int restingBottom)
{
    // The screen is watched from before the click on: the click itself takes
    // a while to send.
    const Clock::time_point watched = Clock::now();
    std::thread clicker([&] { game.click(plan.clickX, plan.clickY); });
    std::vector<Sample> samples;
    bool rising = false;
    while (millisecondsBetween(watched, Clock::now()) < kTurnSeconds * 1000) {
        // A short rest between looks leaves the processor to the game.
        std::this_thread::sleep_for(std::chrono::microseconds(500));
        const Sample sample{Clock::now(), game.grab(plan.tilePatch).pixels,
                            pixelsUnlike(game.grab(plan.bottomStrip), background)};
        samples.push_back(sample);
        rising = rising || sample.bottomPixels != restingBottom;
        if (rising && sample.bottomPixels == restingBottom)
            break;  // the new row has come in
    }
    clicker.join();
    return samples;
}

// The fade: the tile changes with every frame until it has gone, and then
// stays as it is for four frames' time (a tile falling into its place takes
// at least five).  Returns the sample of the fade's last frame, or kNoFade
// when the tile never changed.
std::size_t timeFade(const std::vector<Sample>& samples, const std::vector<Rgb>& before, TurnTiming& timing)
{
    std::size_t i = 0;
    while (i < samples.size() && samples[i].tile == before)
        ++i;
    if (i == samples.size())
        return kNoFade;
    const std::size_t fadeStart = i;
    std::size_t lastChange = i, quietSamples = 0;
    std::vector<double> frameIntervals;
    timing.fadeChanges = 1;
    for (++i; i < samples.size(); ++i) {
        const double sinceChange = millisecondsBetween(samples[lastChange].time, samples[i].time);
        if (samples[i].tile != samples[i - 1].tile) {
            frameIntervals.push_back(sinceChange);
            lastChange = i;
            quietSamples = 0;
            ++timing.fadeChanges;
        } else if (++quietSamples >= kQuietSamples && frameIntervals.size() >= 2 &&
                   sinceChange > 4 * median(frameIntervals)) {
            break;
        }
    }
    timing.fade = millisecondsBetween(samples[fadeStart].time, samples[lastChange].time);
    return lastChange;
}

// The rise: the bottom strip stays as it was through the fade and the falls,
// empties as the tower lifts, and is back as it was when the new row comes in.
std::string timeRise(const std::vector<Sample>& samples, std::size_t fadeEnd, int restingBottom,
                     TurnTiming& timing)
{
    std::size_t riseStart = 0;
    for (std::size_t k = 0; k < samples.size() && riseStart == 0; ++k) {
        if (samples[k].bottomPixels != restingBottom) {
            if (k <= fadeEnd)
                return "the bottom row changed during the fade";
            riseStart = k;
        }
    }
    if (riseStart == 0 || samples.back().bottomPixels != restingBottom)
        return "no rise and new row seen within the time";
    for (std::size_t k = riseStart + 1; k < samples.size(); ++k)
        timing.riseChanges += samples[k].bottomPixels != samples[k - 1].bottomPixels;
    timing.rise = millisecondsBetween(samples[riseStart].time, samples.back().time);
    return "";
}

}  // namespace

TurnTiming timeOneTurn(const GameProcess& game, const Theme& theme)
{
    const TurnPlan plan = planTurn(game, theme);
    if (!plan.problem.empty())
        return TurnTiming{plan.problem};
    const PackedColor background = theme.backgroundColor;
    const int restingBottom = pixelsUnlike(game.grab(plan.bottomStrip), background);
    const std::vector<Rgb> before = game.grab(plan.tilePatch).pixels;
    const std::vector<Sample> samples = watchTurn(game, plan, background, restingBottom);

    TurnTiming timing;
    const std::size_t fadeEnd = timeFade(samples, before, timing);
    if (fadeEnd == kNoFade)
        return TurnTiming{"the clicked tile never changed"};
    // A game held up for a few frames' time (the machine busy elsewhere)
    // looks like a fade that has ended; one frame missed is allowed.
    if (timing.fadeChanges < kFadeIntervals)
        return TurnTiming{"the fade stopped after " + std::to_string(timing.fadeChanges) + " of its frames"};
    timing.problem = timeRise(samples, fadeEnd, restingBottom, timing);
    return timing;
}
