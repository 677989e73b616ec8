// Playing the real game with the mouse: pops, drags, theme steps, power-ups
// and the end of a game.

#include "tests/e2e/PlayChecks.h"
#include "tests/support/TestDisplay.h"

#include <gtest/gtest.h>

namespace {

constexpr int kTowerMiddleX = 400;  // column 0 faces the camera at the start
// Regions of the 800 x 800 window.
constexpr Region kTower{250, 40, 560, 790};
const Region kStopButton = pressRegionOf(kSlotStop);

int lowestTileY(const Screenshot& shot, PackedColor background)
{
    return lowestTileY(shot, background, kTowerMiddleX);
}

TEST(Play, ALeftClickOnATilePopsItAndTheScoreChanges)
{
    needDisplay();
    GameProcess game(assetDirectory(), gameIn800Window(), HEXTOWER_BINARY);
    ASSERT_TRUE(game.hasWindow());
    const PackedColor background = shippedTheme(kStartTheme).backgroundColor;
    const Screenshot before = game.screenshot();
    const int y = lowestTileY(before, background);
    ASSERT_GT(y, 600) << "the lowest tile should stand near the bottom of the window";
    game.click(kTowerMiddleX, y);
    EXPECT_TRUE(waitFor(game, 10, [&](const Screenshot& now) {
        return changedIn(before, now, kScoreColumn) > 50;
    })) << "the score column should show the points";
    EXPECT_GT(changedIn(before, game.screenshot(), Region{kTowerMiddleX - 20, y - 5, kTowerMiddleX + 20, y + 5}), 0)
        << "the clicked tile should have gone";
}

TEST(Play, DraggingTurnsTheTower)
{
    needDisplay();
    GameProcess game(assetDirectory(), gameIn800Window(), HEXTOWER_BINARY);
    ASSERT_TRUE(game.hasWindow());
    const Screenshot before = game.screenshot();
    game.press(150, 400);  // on the background: picks nothing
    for (int x = 160; x <= 200; x += 10)
        game.moveTo(x, 400);
    game.release();
    EXPECT_TRUE(waitFor(game, 5, [&](const Screenshot& now) { return changedIn(before, now, kTower) > 1000; }));
    EXPECT_EQ(changedIn(before, game.screenshot(), kScoreColumn), 0) << "a drag scores nothing";
}

TEST(Play, RightClicksStepTheBackgroundForwardAndBack)
{
    needDisplay();
    GameProcess game(assetDirectory(), gameIn800Window(), HEXTOWER_BINARY);
    ASSERT_TRUE(game.hasWindow());
    game.click(600, 30, 3);
    EXPECT_TRUE(waitFor(game, 2, [](const Screenshot& now) {
        return near(now.at(5, 5), shippedTheme(6).backgroundColor);
    }));
    game.click(200, 30, 3);
    EXPECT_TRUE(waitFor(game, 2, [](const Screenshot& now) {
        return near(now.at(5, 5), shippedTheme(kStartTheme).backgroundColor);
    }));
}

TEST(Play, OneHundredPointsArmStopAndPressingItDisarmsIt)
{
    OneColorAssets assets;
    needDisplay();
    GameProcess game(assets.path(), gameIn800Window(), HEXTOWER_BINARY);
    ASSERT_TRUE(game.hasWindow());
    const Theme& theme = shippedTheme(kStartTheme);
    EXPECT_GT(pixelsOfColor(game.screenshot(), kStopButton, theme.idleColor), 50);
    // Every pick pops the whole board: 48 points, then 12 for each new row.
    for (int turn = 0; turn < 12; ++turn) {
        const Screenshot now = game.screenshot();
        if (pixelsOfColor(now, kStopButton, theme.armedColor) > 50)
            break;
        game.click(kTowerMiddleX, lowestTileY(now, theme.backgroundColor));
        ASSERT_TRUE(waitFor(game, 5, [&](const Screenshot& shot) { return changedIn(now, shot, kScoreColumn) > 50; }))
            << "the pick should score";
        ASSERT_TRUE(game.waitUntilSettled()) << "the turn should end";
    }
    ASSERT_TRUE(waitFor(game, 3, [&](const Screenshot& now) {
        return pixelsOfColor(now, kStopButton, theme.armedColor) > 50;
    })) << "\"Stop\" should be armed";
    game.click((kStopButton.x0 + kStopButton.x1) / 2, (kStopButton.y0 + kStopButton.y1) / 2);
    EXPECT_TRUE(waitFor(game, 3, [&](const Screenshot& now) {
        return pixelsOfColor(now, kStopButton, theme.armedColor) == 0 &&
               pixelsOfColor(now, kStopButton, theme.idleColor) > 50;
    })) << "pressing \"Stop\" should return it to the idle colour";
}

TEST(Play, AGameEndsWhenAColumnFillsAndTheNextClickQuitsWithStatusZero)
{
    needDisplay();
    GameProcess game(assetDirectory(), gameIn800Window(), HEXTOWER_BINARY);
    ASSERT_TRUE(game.hasWindow());
    const Theme& theme = shippedTheme(kStartTheme);
    // Keep popping the lowest tile of the front column: the other columns
    // grow by a row every turn until one reaches the top.
    bool over = false;
    for (int turn = 0; turn < 60 && !over; ++turn) {
        const Screenshot now = game.screenshot();
        over = pixelsOfColor(now, kStopButton, theme.idleColor) == 0 &&
               pixelsOfColor(now, kStopButton, theme.armedColor) == 0;
        if (!over) {
            game.click(kTowerMiddleX, lowestTileY(now, theme.backgroundColor));
            ASSERT_TRUE(waitFor(game, 5, [&](const Screenshot& shot) { return changedIn(now, shot, kTower) > 0; }))
                << "the pick should pop a tile";
            ASSERT_TRUE(game.waitUntilSettled()) << "the turn should end";
        }
    }
    ASSERT_TRUE(over) << "the buttons should vanish when the game is over";
    // Once the final fade has ended and the game rests, nothing of the tiles
    // is left: only the background and the final score.
    ASSERT_TRUE(game.waitUntilSettled());
    const Screenshot end = game.screenshot();
    const Region window{0, 0, end.area.width, end.area.height};
    EXPECT_EQ(pixelsOfColor(end, window, theme.backgroundColor) + pixelsOfColor(end, window, theme.armedColor),
              end.area.width * end.area.height);
    EXPECT_TRUE(game.running());
    game.click(400, 400);
    EXPECT_EQ(game.waitForExit(10), 0);
}

}  // namespace
