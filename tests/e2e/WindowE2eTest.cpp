// The game as a player meets it: the real binary and its window, opened on
// screens of several sizes, each in an X server of its own.

#include "app/Window.h"
#include "game/Board.h"
#include "tests/e2e/OwnXServer.h"
#include "tests/e2e/PlayChecks.h"

#include <gtest/gtest.h>

namespace {

// The corner of the window shows nothing but the background.
bool cornerShows(const Screenshot& shot, PackedColor color)
{
    return shot.area.width > 5 && near(shot.at(5, 5), color);
}

TEST(GameWindow, OpensTitledWithTheProgramPathInThemeFiveColors)
{
    OwnXServer screen(1280, 1024);
    ASSERT_TRUE(screen.running());
    GameProcess game(assetDirectory());
    ASSERT_TRUE(game.hasWindow());
    EXPECT_EQ(game.windowTitle(), HEXTOWER_BINARY);
    // What docks match against the menu entry's StartupWMClass.
    EXPECT_EQ(game.windowClass(), "hextower/hextower");
    EXPECT_TRUE(cornerShows(game.screenshot(), shippedTheme(kStartTheme).backgroundColor));
    EXPECT_TRUE(game.running());
}

TEST(GameWindow, FitsTheScreenItOpensOn)
{
    struct Case {
        const char* what;
        int screenWidth, screenHeight;
        const char* dpi;       // Xft.dpi as the desktop sets it, or null
        const char* geometry;  // GLUT's -geometry, or null
        int x, y, size;
    };
    constexpr int kCorner = kPreferredWindowCorner;
    const Case cases[] = {
        {"room for the usual window", 1280, 1024, nullptr, nullptr, kCorner, kCorner, 800},
        {"a laptop screen", 1366, 768, nullptr, nullptr, kCorner, 32, 704},
        {"a high-density screen", 3840, 2160, "192", nullptr, kCorner, kCorner, 1600},
        {"a high-density setting on a small screen", 1920, 1080, "192", nullptr, kCorner, 32, 1016},
        {"the player's -geometry", 1366, 768, "192", "500x500+20+30", 20, 30, 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OwnXServer screen(c.screenWidth, c.screenHeight);
        ASSERT_TRUE(screen.running());
        if (c.dpi != nullptr) {
            ASSERT_TRUE(screen.setResource(std::string("Xft.dpi: ") + c.dpi));
        }
        std::vector<std::string> command = {HEXTOWER_BINARY};
        if (c.geometry != nullptr)
            command.insert(command.end(), {"-geometry", c.geometry});
        GameProcess game(assetDirectory(), command, HEXTOWER_BINARY);
        ASSERT_TRUE(game.hasWindow());
        int x = 0, y = 0, width = 0, height = 0;
        ASSERT_TRUE(game.geometry(x, y, width, height));
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(width, c.size);
        EXPECT_EQ(height, c.size);
        EXPECT_LE(x + width, c.screenWidth);
        EXPECT_LE(y + height, c.screenHeight);
        EXPECT_TRUE(cornerShows(game.screenshot(), shippedTheme(kStartTheme).backgroundColor));
    }
}

}  // namespace
