// The game as a player meets it: the real binary, its window and its mouse.

#include "devlibs/game_process/GameProcess.h"
#include "game/GameState.h"
#include "themes/ThemeFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

std::string assetDirectory()
{
    return std::string(HEXTOWER_SOURCE_DIR) + "/assets";
}

PackedColor backgroundOfTheme(int index)
{
    Theme themes[kThemeCount];
    loadThemes(themes, (assetDirectory() + "/themes.txt").c_str());
    return themes[index].backgroundColor;
}

// The corner of the window shows nothing but the background.
bool cornerShows(const Screenshot& shot, PackedColor color)
{
    const Rgb corner = shot.at(5, 5);
    return std::abs(corner.r - color.r) <= 1 && std::abs(corner.g - color.g) <= 1 &&
           std::abs(corner.b - color.b) <= 1;
}

TEST(GameWindow, OpensAt800By800TitledWithTheProgramPathInThemeFiveColors)
{
    GameProcess game(assetDirectory());
    ASSERT_TRUE(game.hasWindow());
    EXPECT_EQ(game.windowTitle(), HEXTOWER_BINARY);
    // What docks match against the menu entry's StartupWMClass.
    EXPECT_EQ(game.windowClass(), "hextower/hextower");
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_TRUE(game.geometry(x, y, width, height));
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 800);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 100);
    EXPECT_TRUE(cornerShows(game.screenshot(), backgroundOfTheme(kStartTheme)));
    EXPECT_TRUE(game.running());
}

}  // namespace
