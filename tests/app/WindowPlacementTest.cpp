#include "app/Frame.h"
#include "app/Window.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacement, FitsTheMonitorAndTheDesktopsDensity)
{
    struct Case {
        ScreenRect monitor;
        double dpi;
        int x, y, size;
    };
    constexpr int kCorner = kPreferredWindowCorner;
    const Case cases[] = {
        {{0, 0, 1280, 1024}, kPlainDpi, kCorner, kCorner, 800},  // room: the usual window
        {{0, 0, 1280, 1024}, 72, kCorner, kCorner, 800},         // never below 800 where there is room
        {{0, 0, 1366, 768}, kPlainDpi, kCorner, 32, 704},        // too low: the largest square, inside it
        {{0, 0, 3840, 2160}, 192, kCorner, kCorner, 1600},       // twice the density, twice the size
        {{0, 0, 1920, 1080}, 192, kCorner, 32, 1016},            // denser, but only so much room
        {{0, 0, 1600, 900}, kPlainDpi, kCorner, 68, 800},        // moved up to keep its bottom on screen
        {{-1920, 0, 3840, 1200}, 144, kCorner, 32, 1136},        // a monitor reaching left of the origin
    };
    for (const Case& c : cases) {
        const WindowPlacement placement = placeWindow(c.monitor, c.dpi);
        EXPECT_EQ(placement.x, c.x) << c.monitor.width << "x" << c.monitor.height << " at " << c.dpi;
        EXPECT_EQ(placement.y, c.y) << c.monitor.width << "x" << c.monitor.height << " at " << c.dpi;
        EXPECT_EQ(placement.size, c.size) << c.monitor.width << "x" << c.monitor.height << " at " << c.dpi;
    }
}

TEST(WindowOptions, NoticesGeometryAndDisplayBeforeGlutTakesThem)
{
    char program[] = "hextower", geometry[] = "-geometry", size[] = "300x300", display[] = "-display",
         name[] = ":7";
    char* both[] = {program, display, name, geometry, size, nullptr};
    const WindowOptions given = readWindowOptions(5, both);
    EXPECT_TRUE(given.geometryGiven);
    EXPECT_STREQ(given.displayName, ":7");
    // An option without its value is not one.
    char* bare[] = {program, geometry, nullptr};
    const WindowOptions none = readWindowOptions(2, bare);
    EXPECT_FALSE(none.geometryGiven);
    EXPECT_EQ(none.displayName, nullptr);
}

TEST(RulesFrame, PressesMapIntoThe800WindowThroughTheScenesScaleAndCentre)
{
    struct Case {
        int width, height, x, y;
        float rulesX, rulesY;  // y counted upwards
    };
    const Case cases[] = {
        {800, 800, 645, 475, 645, 325},  // pixel for pixel at the rules' size
        {800, 800, 401, 0, 401, 800},
        {600, 600, 300, 300, 400, 400},  // the middle stays the middle
        {1200, 1200, 0, 1200, 0, 0},
        {1400, 600, 400, 600, 0, 0},     // bands left and right
        {1400, 600, 1000, 0, 800, 800},
        {600, 1200, 0, 300, 0, 800},     // bands above and below
        {600, 1200, 600, 900, 800, 0},
    };
    for (const Case& c : cases) {
        const RulesPoint p = pressInRulesWindow(rulesFrameOf(c.width, c.height), c.x, c.y);
        EXPECT_FLOAT_EQ(p.x, c.rulesX) << c.width << "x" << c.height << " at " << c.x << "," << c.y;
        EXPECT_FLOAT_EQ(p.y, c.rulesY) << c.width << "x" << c.height << " at " << c.x << "," << c.y;
    }
}

}  // namespace
