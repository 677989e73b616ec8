#include "app/Clock.h"
#include "app/Window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using std::chrono::milliseconds;
using std::chrono::microseconds;

TEST(FramePacing, ReadsTheFrameRateVariable)
{
    for (const char* unset : {static_cast<const char*>(nullptr), ""}) {
        const FrameRateRequest request = readFrameRate(unset);
        EXPECT_EQ(request.kind, PacingKind::Display);
        EXPECT_TRUE(request.readable);
    }
    EXPECT_EQ(readFrameRate("0").kind, PacingKind::Unpaced);
    const std::string most = std::to_string(kMostFramesPerSecond);
    const std::string tooMany = std::to_string(kMostFramesPerSecond + 1);
    for (const auto& [value, rate] :
         {std::pair{"60", 60}, {"1", 1}, {most.c_str(), kMostFramesPerSecond}, {"0030", 30}}) {
        const FrameRateRequest request = readFrameRate(value);
        EXPECT_EQ(request.kind, PacingKind::FixedRate) << value;
        EXPECT_EQ(request.framesPerSecond, rate) << value;
    }
    for (const char* unreadable : {"abc", "-5", "60fps", " 60", "1.5", tooMany.c_str(), "99999999999999999999"}) {
        const FrameRateRequest request = readFrameRate(unreadable);
        EXPECT_FALSE(request.readable) << unreadable;
        EXPECT_EQ(request.kind, PacingKind::Display) << unreadable << " should give the default pacing";
    }
}

TEST(FramePacing, KeepsASteadyCadenceAndOwesNothingAfterAStall)
{
    const PaceClock::duration period = microseconds(16667);
    const PaceClock::time_point start{};
    PaceClock::time_point due = start;
    // Frames that are ready early, or late by less than a period, never
    // shift the cadence.
    for (int frame = 1; frame <= 600; ++frame) {
        const PaceClock::duration lateness = microseconds((frame * 7919) % 26000) - milliseconds(10);
        due = nextFrameDue(due, due + period + lateness, period);
    }
    EXPECT_EQ(due, start + 600 * period) << "the cadence drifted";

    // A stall of a few frames: the next frame goes out at once and the
    // cadence restarts from there, with no burst of frames to catch up.
    const PaceClock::time_point afterStall = due + period + milliseconds(40);
    due = nextFrameDue(due, afterStall, period);
    EXPECT_EQ(due, afterStall);
    EXPECT_EQ(nextFrameDue(due, afterStall + milliseconds(3), period), afterStall + period);
}

TEST(FramePacing, JudgesSwapsByTheirMedianInterval)
{
    std::vector<PaceClock::duration> fastWithAStall(29, milliseconds(3));
    fastWithAStall.push_back(milliseconds(900));
    EXPECT_FALSE(swapsWaitForDisplay(fastWithAStall)) << "one stall must not make fast swaps look paced";

    std::vector<PaceClock::duration> refreshesWithAHiccup(29, microseconds(16667));
    refreshesWithAHiccup.push_back(microseconds(200));
    EXPECT_TRUE(swapsWaitForDisplay(refreshesWithAHiccup));
}

// A game that rests between changes swaps in short bursts: the pauses
// before the bursts are no swap intervals, and fast swaps must still be
// found not to wait for the display.
TEST(FramePacing, JudgesOnlySwapsOfConsecutiveFrames)
{
    SwapWatch watch;
    PaceClock::time_point now{};
    std::vector<bool> verdicts;
    for (std::size_t burst = 0; burst < 2 * kSwapsJudged; ++burst) {
        watch.lastSwap.reset();  // the game rested
        now += std::chrono::seconds(5);
        for (int frame = 0; frame < 2; ++frame, now += milliseconds(1))
            if (const std::optional<bool> waited = watchSwap(watch, now))
                verdicts.push_back(*waited);
    }
    EXPECT_EQ(verdicts, (std::vector<bool>{false, false}));
}

TEST(SwapControl, TakesTheFirstOfferedExtensionByWholeName)
{
    EXPECT_STREQ(offeredSwapControl("GLX_ARB_create_context GLX_SGI_swap_control GLX_MESA_swap_control"),
                 "GLX_MESA_swap_control");
    EXPECT_STREQ(offeredSwapControl("GLX_SGI_swap_control GLX_EXT_swap_control"), "GLX_EXT_swap_control");
    // A longer name that starts or ends with one of them is another extension.
    EXPECT_EQ(offeredSwapControl("GLX_EXT_swap_control_tear XGLX_SGI_swap_control"), nullptr);
    EXPECT_EQ(offeredSwapControl(""), nullptr);
    EXPECT_EQ(offeredSwapControl(nullptr), nullptr);
}

}  // namespace
