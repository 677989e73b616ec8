// Playing the real game with the mouse: pops, drags, theme steps, power-ups
// and the end of a game.

#include "devlibs/game_process/GameProcess.h"
#include "themes/ThemeFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <unistd.h>

namespace {

constexpr int kTowerMiddleX = 400;  // column 0 faces the camera at the start
// Regions of the 800 x 800 window, from its top-left corner.
struct Region {
    int x0, y0, x1, y1;
};
constexpr Region kScoreColumn{600, 60, 760, 320};
constexpr Region kTower{250, 40, 560, 790};
constexpr Region kStopButton{610, 645, 706, 681};

std::string assetDirectory()
{
    return std::string(HEXTOWER_SOURCE_DIR) + "/assets";
}

Theme shippedThemes[kThemeCount];

const Theme& shippedTheme(int index)
{
    static const bool loaded = loadThemes(shippedThemes, (assetDirectory() + "/themes.txt").c_str());
    (void)loaded;
    return shippedThemes[index];
}

bool near(Rgb pixel, PackedColor color)
{
    return std::abs(pixel.r - color.r) <= 2 && std::abs(pixel.g - color.g) <= 2 &&
           std::abs(pixel.b - color.b) <= 2;
}

int changedIn(const Screenshot& before, const Screenshot& after, Region r)
{
    return before.changedPixels(after, r.x0, r.y0, r.x1, r.y1);
}

// How many pixels of the region show the colour.
int pixelsOfColor(const Screenshot& shot, Region r, PackedColor color)
{
    int count = 0;
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x)
            count += near(shot.at(x, y), color);
    return count;
}

// Polls screenshots until the condition holds or the time runs out.
bool waitFor(const GameProcess& game, double seconds, const std::function<bool(const Screenshot&)>& condition)
{
    for (double waited = 0; waited < seconds; waited += 0.05) {
        if (condition(game.screenshot()))
            return true;
        pause(50);
    }
    return false;
}

// The screen height of the middle of the lowest tile of the column facing
// the camera: the first run of non-background pixels up the tower's middle.
int lowestTileY(const Screenshot& shot, PackedColor background)
{
    int y = shot.area.height - 1;
    while (y > 0 && near(shot.at(kTowerMiddleX, y), background))
        --y;
    const int bottom = y;
    while (y > 0 && !near(shot.at(kTowerMiddleX, y), background))
        --y;
    return (bottom + y) / 2;
}

// A working directory like assets/ whose start theme has one tile colour
// only, so that every pick pops the whole board.
class OneColorAssets {
public:
    OneColorAssets()
    {
        char pattern[] = "/tmp/hextower-e2e-XXXXXX";
        directory_ = mkdtemp(pattern);
        std::ifstream in(assetDirectory() + "/themes.txt");
        std::ofstream out(directory_ + "/themes.txt");
        std::string line;
        for (int index = 0; std::getline(in, line); ++index) {
            if (index == 5) {
                std::istringstream words(line);
                std::string name, r, g, b, rest;
                words >> name >> r >> g >> b;
                line = name;
                for (int i = 0; i < 6; ++i)
                    line += " " + r + " " + g + " " + b;
                for (int i = 0; i < 15; ++i)
                    words >> rest;  // the other five tile colours
                while (words >> rest)
                    line += " " + rest;
            }
            out << line << "\n";
        }
        const std::string data = assetDirectory() + "/Data";
        if (symlink(data.c_str(), (directory_ + "/Data").c_str()) != 0)
            std::perror("symlink");
    }
    ~OneColorAssets()
    {
        std::remove((directory_ + "/Data").c_str());
        std::remove((directory_ + "/themes.txt").c_str());
        rmdir(directory_.c_str());
    }
    const std::string& path() const { return directory_; }

private:
    std::string directory_;
};

TEST(Play, ALeftClickOnATilePopsItAndTheScoreChanges)
{
    GameProcess game(assetDirectory());
    ASSERT_TRUE(game.hasWindow());
    const PackedColor background = shippedTheme(5).backgroundColor;
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
    GameProcess game(assetDirectory());
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
    GameProcess game(assetDirectory());
    ASSERT_TRUE(game.hasWindow());
    game.click(600, 30, 3);
    EXPECT_TRUE(waitFor(game, 2, [](const Screenshot& now) {
        return near(now.at(5, 5), shippedTheme(6).backgroundColor);
    }));
    game.click(200, 30, 3);
    EXPECT_TRUE(waitFor(game, 2, [](const Screenshot& now) {
        return near(now.at(5, 5), shippedTheme(5).backgroundColor);
    }));
}

TEST(Play, OneHundredPointsArmStopAndPressingItDisarmsIt)
{
    OneColorAssets assets;
    GameProcess game(assets.path());
    ASSERT_TRUE(game.hasWindow());
    const Theme& theme = shippedTheme(5);
    EXPECT_GT(pixelsOfColor(game.screenshot(), kStopButton, theme.idleColor), 50);
    // Every pick pops the whole board: 48 points, then 12 for each new row.
    for (int turn = 0; turn < 12; ++turn) {
        const Screenshot now = game.screenshot();
        if (pixelsOfColor(now, kStopButton, theme.armedColor) > 50)
            break;
        game.click(kTowerMiddleX, lowestTileY(now, theme.backgroundColor));
        waitFor(game, 5, [&](const Screenshot& shot) { return changedIn(now, shot, kScoreColumn) > 50; });
        pause(1500);  // let the rise finish
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
    GameProcess game(assetDirectory());
    ASSERT_TRUE(game.hasWindow());
    const Theme& theme = shippedTheme(5);
    // Keep popping the lowest tile of the front column: the other columns
    // grow by a row every turn until one reaches the top.
    bool over = false;
    for (int turn = 0; turn < 60 && !over; ++turn) {
        const Screenshot now = game.screenshot();
        over = pixelsOfColor(now, kStopButton, theme.idleColor) == 0 &&
               pixelsOfColor(now, kStopButton, theme.armedColor) == 0;
        if (!over) {
            game.click(kTowerMiddleX, lowestTileY(now, theme.backgroundColor));
            pause(1200);
        }
    }
    ASSERT_TRUE(over) << "the buttons should vanish when the game is over";
    EXPECT_TRUE(game.running());
    game.click(400, 400);
    EXPECT_EQ(game.waitForExit(10), 0);
}

}  // namespace
