#pragma once
// The game's clock, which ticks the rules and sleeps while the game rests,
// and the pace at which finished frames reach the screen.

#include <chrono>
#include <cstddef>
#include <optional>
#include <vector>

// ---- The clock -------------------------------------------------------------

// While the picture can change by itself the clock ticks every 2 ms: it runs
// the rule step of the phase and asks for a frame.  At rest it is not
// re-armed, and the game does not wake until the window reports something: a
// mouse event, a motion, a resize or an expose, whose callbacks wake the
// clock again.

// The frames a change of background needs: the clear colour is set after the
// clear, so the background reaches the screen a frame after everything else.
constexpr int kFramesForBackground = 2;

// Nothing can change the picture until the player or the window acts.
bool gameAtRest();

// The picture needs at least `count` more frames.
void oweFrames(int count);
int framesOwed();

// Arms a tick at once, unless one is due already.
void wakeClock();
// A tick is due.
bool clockIsArmed();

// Called after each frame is drawn: one owed frame is paid, and a frame that
// moved a tile owes the one after it.
void noteFrameDrawn(bool movedTiles);

// The GLUT timer: unless the game is at rest, runs one rule step, asks for a
// frame and re-arms itself.
void onTimer(int value);

// ---- Frame pacing ----------------------------------------------------------

// How fast finished frames reach the screen.  The game counts its animations
// in drawn frames, so the frame rate is the game's pace.  By default frames
// go out once per display refresh, through the driver's swap control, or,
// where swaps do not wait for the display, 60 times a second by waiting
// before each swap.  HEXTOWER_FPS=0 turns pacing off; HEXTOWER_FPS=N paces
// to N frames a second.

using PaceClock = std::chrono::steady_clock;

constexpr const char* kFrameRateVariable = "HEXTOWER_FPS";
constexpr int kFallbackFramesPerSecond = 60;
constexpr int kMostFramesPerSecond = 1000;
constexpr std::size_t kSwapsJudged = 30;  // swap intervals per verdict

enum class PacingKind { Display, Unpaced, FixedRate };

struct FrameRateRequest {
    PacingKind kind = PacingKind::Display;
    int framesPerSecond = 0;  // for FixedRate
    bool readable = true;     // false: not a frame rate, so the default applies
};

// What a value of HEXTOWER_FPS asks for; nullptr or "" is the default.
FrameRateRequest readFrameRate(const char* value);

// When the next frame is due, one period after the previous one; a frame
// that is more than a period late starts the cadence afresh from now instead
// of being followed by a burst of catch-up frames.
PaceClock::time_point nextFrameDue(PaceClock::time_point previousDue, PaceClock::time_point now,
                                   PaceClock::duration period);

// Whether swaps that came back at these intervals were waiting for the
// display: the median is no faster than a 120 Hz refresh.
bool swapsWaitForDisplay(std::vector<PaceClock::duration> intervals);

// The swaps of consecutive frames, watched to tell whether they wait for
// the display.  The pause before a frame that follows a rest says nothing
// about the display, so it is not counted.
struct SwapWatch {
    std::optional<PaceClock::time_point> lastSwap;  // empty: no frame just before
    std::vector<PaceClock::duration> intervals;
};

// Notes a swap at `now`.  Every kSwapsJudged intervals between consecutive
// frames it returns whether those swaps waited for the display.
std::optional<bool> watchSwap(SwapWatch& watch, PaceClock::time_point now);

// Reads HEXTOWER_FPS and asks the driver for the matching swap interval.
// Runs once, after the window exists; until then frames are not paced.
void setUpFramePacing();

// Called right before the swap: waits until the frame is due.
void waitForFrameSlot();
// Called right after the swap: watches whether swaps wait for the display.
void noteFrameSwapped();
// Called when the game stops asking for frames: the next frame follows a rest.
void noteFramesPaused();
