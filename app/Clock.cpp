#include "app/Clock.h"

#include "app/Window.h"
#include "game/Board.h"
#include "game/Clock.h"
#include "game/PowerUps.h"

#include <GL/glut.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

// ---- The clock -------------------------------------------------------------

namespace {

struct ClockState {
    bool armed = false;  // a GLUT timer is set and has not fired yet
    int framesOwed = 0;
};

ClockState gameClock;

void armClock(unsigned delayMs)
{
    gameClock.armed = true;
    glutTimerFunc(delayMs, onTimer, 0);
}

}  // namespace

// Without the player, the picture changes in four ways, each of which keeps
// the game awake:
// - a rule step to run: it changes the board, and the frame after it shows it;
// - a tile the frame draws that fades or slides: each frame moves it on, and
//   the end of its animation moves the phase on;
// - an award waiting: the next frame arms a button;
// - a frame owed, for what the frames so far could not show yet: a background
//   (the first frame clears to black, a theme step's background follows its
//   tiles), the last pixels of an animation (a tile's grout stays drawn until
//   the frame after its fade, and at game over that end sets no phase), and
//   the player's input or a resize.
// Anything else is the player's or the window's doing, and their callbacks
// wake the clock.
bool gameAtRest()
{
    return !phaseHasStep() && !anyDrawnTileMoving() && !awardWaiting() && gameClock.framesOwed == 0;
}

void oweFrames(int count)
{
    gameClock.framesOwed = std::max(gameClock.framesOwed, count);
}

int framesOwed()
{
    return gameClock.framesOwed;
}

void wakeClock()
{
    if (!gameClock.armed)
        armClock(0);
}

bool clockIsArmed()
{
    return gameClock.armed;
}

void noteFrameDrawn(bool movedTiles)
{
    gameClock.framesOwed = std::max(0, gameClock.framesOwed - 1);
    if (movedTiles)
        oweFrames(1);
}

void onTimer(int)
{
    gameClock.armed = false;
    if (gameAtRest()) {
        noteFramesPaused();
        return;
    }
    runPhaseStep();
    oweFrames(1);  // the frame asked for here
    glutPostRedisplay();
    armClock(kClockIntervalMs);
}

// ---- Frame pacing ----------------------------------------------------------

namespace {

using std::chrono::duration_cast;

// Displays refresh 60 times a second, a few up to 120; swaps that come back
// faster than that are not waiting for one (a virtual X server, or a driver
// that ignores the interval).
constexpr PaceClock::duration kFastestDisplayRefresh = duration_cast<PaceClock::duration>(
    std::chrono::duration<double>(1.0 / 120));

struct FramePacer {
    PacingKind kind = PacingKind::Unpaced;
    PaceClock::duration period{};
    PaceClock::time_point due{};
    SwapWatch watch;
};

FramePacer pacer;

void paceByWaiting(int framesPerSecond)
{
    pacer.kind = PacingKind::FixedRate;
    pacer.period = duration_cast<PaceClock::duration>(std::chrono::duration<double>(1.0 / framesPerSecond));
    pacer.due = PaceClock::now();
}

}  // namespace

FrameRateRequest readFrameRate(const char* value)
{
    FrameRateRequest request;
    if (value == nullptr || *value == '\0')
        return request;
    const std::size_t length = std::strlen(value);
    const bool digitsOnly = std::strspn(value, "0123456789") == length;
    const long rate = digitsOnly && length <= 4 ? std::strtol(value, nullptr, 10) : -1;
    if (rate < 0 || rate > kMostFramesPerSecond) {
        request.readable = false;
    } else if (rate == 0) {
        request.kind = PacingKind::Unpaced;
    } else {
        request.kind = PacingKind::FixedRate;
        request.framesPerSecond = static_cast<int>(rate);
    }
    return request;
}

PaceClock::time_point nextFrameDue(PaceClock::time_point previousDue, PaceClock::time_point now,
                                   PaceClock::duration period)
{
    const PaceClock::time_point due = previousDue + period;
    return now - due > period ? now : due;
}

bool swapsWaitForDisplay(std::vector<PaceClock::duration> intervals)
{
    if (intervals.empty())
        return true;
    const auto middle = intervals.begin() + static_cast<std::ptrdiff_t>(intervals.size() / 2);
    std::nth_element(intervals.begin(), middle, intervals.end());
    return *middle >= kFastestDisplayRefresh;
}

std::optional<bool> watchSwap(SwapWatch& watch, PaceClock::time_point now)
{
    const std::optional<PaceClock::time_point> previous = watch.lastSwap;
    watch.lastSwap = now;
    if (!previous)
        return std::nullopt;
    watch.intervals.push_back(now - *previous);
    if (watch.intervals.size() < kSwapsJudged)
        return std::nullopt;
    const bool waited = swapsWaitForDisplay(watch.intervals);
    watch.intervals.clear();
    return waited;
}

void setUpFramePacing()
{
    const char* value = std::getenv(kFrameRateVariable);
    const FrameRateRequest request = readFrameRate(value);
    if (!request.readable)
        std::fprintf(stderr, "%s=\"%s\" is not a frame rate (0 for no pacing, or 1 to %d frames a second);"
                             " pacing frames to the display\n",
                     kFrameRateVariable, value, kMostFramesPerSecond);
    switch (request.kind) {
    case PacingKind::Unpaced:
        setSwapInterval(0);
        pacer.kind = PacingKind::Unpaced;
        break;
    case PacingKind::FixedRate:
        setSwapInterval(0);
        paceByWaiting(request.framesPerSecond);
        break;
    case PacingKind::Display:
        if (setSwapInterval(1))
            pacer.kind = PacingKind::Display;
        else
            paceByWaiting(kFallbackFramesPerSecond);
        break;
    }
}

void waitForFrameSlot()
{
    if (pacer.kind != PacingKind::FixedRate)
        return;
    pacer.due = nextFrameDue(pacer.due, PaceClock::now(), pacer.period);
    std::this_thread::sleep_until(pacer.due);
}

void noteFrameSwapped()
{
    if (pacer.kind != PacingKind::Display)
        return;
    // Swaps are watched for as long as the game runs: a driver may stop
    // honouring the interval later, for instance when the window is hidden.
    const std::optional<bool> waited = watchSwap(pacer.watch, PaceClock::now());
    if (waited && !*waited)
        paceByWaiting(kFallbackFramesPerSecond);
}

void noteFramesPaused()
{
    pacer.watch.lastSwap.reset();
}
