// Windows of other sizes than the 800 x 800 the rules are written in: the
// whole scene shows, scaled to the window's shorter side and centred, and
// every press lands on what is drawn under it.

#include "tests/e2e/OwnXServer.h"
#include "tests/e2e/PlayChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace {

constexpr int kRulesSize = 800;
constexpr int kButtonPixels = 50;  // of its colour, in an 800 x 800 window

// Where the 800 x 800 scene lies in a window: scaled to its shorter side
// and centred.
struct Placement {
    int width, height;
    double scale() const { return std::min(width, height) / double(kRulesSize); }
    int x(double rulesX) const { return static_cast<int>((width - std::min(width, height)) / 2 + rulesX * scale()); }
    int y(double rulesY) const { return static_cast<int>((height - std::min(width, height)) / 2 + rulesY * scale()); }
    Region of(Region r) const { return {x(r.x0), y(r.y0), x(r.x1), y(r.y1)}; }
    bool inside(Region r) const { return r.x0 >= 0 && r.y0 >= 0 && r.x1 <= width && r.y1 <= height; }
};

void PrintTo(const Placement& window, std::ostream* out)
{
    *out << window.width << "x" << window.height;
}

int buttonPixels(const Screenshot& shot, const Placement& window, int slot, PackedColor color)
{
    return pixelsOfColor(shot, window.of(pressRegionOf(slot)), color);
}

bool shown(const Screenshot& shot, const Placement& window, int slot, PackedColor color)
{
    return buttonPixels(shot, window, slot, color) > kButtonPixels * window.scale() * window.scale();
}

bool allArmed(const Screenshot& shot, const Placement& window)
{
    for (int slot = 0; slot < 3; ++slot)
        if (!shown(shot, window, slot, shippedTheme(kStartTheme).armedColor))
            return false;
    return true;
}

// Pops the lowest tile of the front column (the whole one-colour board) and
// waits for the points and for the rise that follows; false when either
// does not come.
bool playTurn(const GameProcess& game, const Placement& window)
{
    const Screenshot before = game.screenshot();
    game.click(window.width / 2, lowestTileY(before, shippedTheme(kStartTheme).backgroundColor, window.width / 2));
    return waitFor(game, 5, [&](const Screenshot& now) { return changedIn(before, now, window.of(kScoreColumn)) > 0; }) &&
           game.waitUntilSettled();
}

class WindowSize : public testing::TestWithParam<Placement> {};

TEST_P(WindowSize, ShowsTheWholeSceneAndPressesLandOnWhatIsDrawn)
{
    const Placement window = GetParam();
    const Theme& theme = shippedTheme(kStartTheme);
    OwnXServer screen(1600, 1400);
    ASSERT_TRUE(screen.running());
    OneColorAssets assets;
    const std::string geometry = std::to_string(window.width) + "x" + std::to_string(window.height) + "+0+0";
    GameProcess game(assets.path(), {HEXTOWER_BINARY, "-geometry", geometry}, HEXTOWER_BINARY);
    ASSERT_TRUE(game.hasWindow());
    const Screenshot start = game.screenshot();
    ASSERT_EQ(start.area.width, window.width);
    ASSERT_EQ(start.area.height, window.height);

    // Tower, score and buttons lie inside the window: the tower's middle
    // column starts and ends in background, the buttons show in full.
    const int middle = window.width / 2;
    EXPECT_TRUE(near(start.at(middle, 0), theme.backgroundColor));
    EXPECT_TRUE(near(start.at(middle, window.height - 1), theme.backgroundColor));
    EXPECT_GT(lowestTileY(start, theme.backgroundColor, middle), window.y(kRulesSize / 2));
    EXPECT_TRUE(window.inside(window.of(kScoreColumn)));
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_TRUE(window.inside(window.of(pressRegionOf(slot))));
        EXPECT_TRUE(shown(start, window, slot, theme.idleColor)) << "button " << slot;
    }

    // A right press just right of the middle steps the theme forward, just
    // left of it back.
    game.click(middle + 2, 5, 3);
    EXPECT_TRUE(waitFor(game, 2, [](const Screenshot& now) {
        return near(now.at(5, 5), shippedTheme(kStartTheme + 1).backgroundColor);
    }));
    game.click(middle - 2, 5, 3);
    EXPECT_TRUE(waitFor(game, 2, [&](const Screenshot& now) { return near(now.at(5, 5), theme.backgroundColor); }));

    // A press on a tile pops it, and 300 points arm all three buttons.
    for (int turn = 0; turn < 40 && !allArmed(game.screenshot(), window); ++turn)
        ASSERT_TRUE(playTurn(game, window)) << "turn " << turn << " should score and end";
    ASSERT_TRUE(waitFor(game, 3, [&](const Screenshot& now) { return allArmed(now, window); }))
        << "a tile press should pop and score until all three buttons are armed";

    // A press on each drawn button uses it; "Stop" last, so that the tower
    // still stands for "-3", whose cleared tiles score.
    for (int slot = 0; slot < 3; ++slot) {
        SCOPED_TRACE("button " + std::to_string(slot));
        const Region button = window.of(pressRegionOf(slot));
        const Screenshot before = game.screenshot();
        game.click((button.x0 + button.x1) / 2, (button.y0 + button.y1) / 2);
        EXPECT_TRUE(waitFor(game, 3, [&](const Screenshot& now) {
            return !shown(now, window, slot, theme.armedColor) && shown(now, window, slot, theme.idleColor);
        }));
        if (slot == 1) {
            EXPECT_GT(changedIn(before, game.screenshot(), window.of(kScoreColumn)), 0) << "\"-3\" scores";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowSize,
                         testing::Values(Placement{600, 600}, Placement{1200, 1200}, Placement{1400, 600},
                                         Placement{600, 1200}),
                         [](const testing::TestParamInfo<Placement>& info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

}  // namespace
