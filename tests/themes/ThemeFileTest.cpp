#include "themes/ThemeFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

namespace {

struct ReadResult {
    bool ok;
    std::string errors;
};

// Reads themes from text, capturing what goes to standard error.
ReadResult readFrom(const std::string& text, Theme (&themes)[kThemeCount])
{
    std::istringstream in(text);
    testing::internal::CaptureStderr();
    const bool ok = readThemes(in, "themes.txt", themes);
    return ReadResult{ok, testing::internal::GetCapturedStderr()};
}

std::string themeLine(const std::string& name, int first)
{
    std::string line = name;
    for (int i = 0; i < 27; ++i)
        line += " " + std::to_string(first + i);
    return line + "\n";
}

std::string twelveThemes()
{
    std::string text;
    for (int t = 0; t < kThemeCount; ++t)
        text += themeLine("Theme" + std::to_string(t), t * 10);
    return text;
}

bool equal(PackedColor c, int r, int g, int b, int a = 255)
{
    return c.r == r && c.g == g && c.b == b && c.a == a;
}

TEST(ThemeFile, ReadsTwelveThemesInFieldOrder)
{
    Theme themes[kThemeCount];
    const ReadResult result = readFrom(twelveThemes(), themes);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.errors, "");
    const Theme& t = themes[5];
    EXPECT_EQ(t.name, "Theme5");
    ASSERT_EQ(t.tileColorCount, 6);
    EXPECT_TRUE(equal(t.tileColors[0], 50, 51, 52));
    EXPECT_TRUE(equal(t.tileColors[5], 65, 66, 67));
    EXPECT_TRUE(equal(t.backgroundColor, 68, 69, 70));
    EXPECT_TRUE(equal(t.idleColor, 71, 72, 73));
    EXPECT_TRUE(equal(t.armedColor, 74, 75, 76));
    for (const Theme& theme : themes)
        EXPECT_TRUE(sameColor(theme.armedColor, theme.numberColor)) << theme.name;
}

TEST(ThemeFile, CutsComponentsToTheirLowEightBits)
{
    Theme themes[kThemeCount];
    std::string text = "Wrap 256 300 -1";
    for (int i = 0; i < 24; ++i)
        text += " 7";
    text += "\n" + twelveThemes();
    EXPECT_TRUE(readFrom(text, themes).ok);
    EXPECT_TRUE(equal(themes[0].tileColors[0], 0, 44, 255));
}

TEST(ThemeFile, LayoutIntoLinesIsFree)
{
    Theme themes[kThemeCount];
    std::string text = twelveThemes();
    for (char& c : text)
        if (c == ' ')
            c = '\n';
    EXPECT_TRUE(readFrom(text, themes).ok);
    EXPECT_TRUE(equal(themes[11].armedColor, 134, 135, 136));
}

TEST(ThemeFile, TwoWordNameStopsReadingWithAClearMessage)
{
    Theme themes[kThemeCount];
    const std::string text = "Deep Sea" + themeLine("", 1) + twelveThemes();
    const ReadResult result = readFrom(text, themes);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.errors.find("themes.txt"), std::string::npos);
    EXPECT_NE(result.errors.find("theme 1 (\"Deep\")"), std::string::npos) << result.errors;
    EXPECT_NE(result.errors.find("token 2"), std::string::npos) << result.errors;
    EXPECT_NE(result.errors.find("not an integer"), std::string::npos) << result.errors;
    EXPECT_EQ(std::count(result.errors.begin(), result.errors.end(), '\n'), 1);
    // Everything from the failure on is zero-filled and opaque, six colours a theme.
    EXPECT_EQ(themes[0].name, "Deep");
    EXPECT_TRUE(equal(themes[0].tileColors[0], 0, 0, 0));
    for (const Theme& theme : themes) {
        EXPECT_EQ(theme.tileColorCount, 6);
        EXPECT_EQ(theme.backgroundColor.a, 255);
    }
    EXPECT_TRUE(equal(themes[11].armedColor, 0, 0, 0));
}

TEST(ThemeFile, ShortFileKeepsWhatWasReadAndNamesWhereItEnded)
{
    Theme themes[kThemeCount];
    std::string text;
    for (int t = 0; t < 3; ++t)
        text += themeLine("T" + std::to_string(t), 1);
    text += "Last 1 2 3 4";
    const ReadResult result = readFrom(text, themes);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.errors.find("theme 4 (\"Last\"), token 6 of 28 (tile colour 2 green)"),
              std::string::npos)
        << result.errors;
    EXPECT_NE(result.errors.find("the file ends there"), std::string::npos);
    EXPECT_TRUE(equal(themes[2].armedColor, 25, 26, 27));
    EXPECT_TRUE(equal(themes[3].tileColors[0], 1, 2, 3));
    EXPECT_TRUE(equal(themes[3].tileColors[1], 4, 0, 0));
    EXPECT_EQ(themes[4].name, "");
}

TEST(ThemeFile, MissingFileStillDefinesEveryColour)
{
    Theme themes[kThemeCount];
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadThemes(themes, "/nonexistent/themes.txt"));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("/nonexistent/themes.txt"), std::string::npos);
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1);
    for (const Theme& theme : themes) {
        EXPECT_EQ(theme.tileColorCount, 6);
        EXPECT_TRUE(equal(theme.tileColors[5], 0, 0, 0));
        EXPECT_TRUE(equal(theme.numberColor, 0, 0, 0));
    }
}

TEST(PackedColor, SameColorComparesAlphaToo)
{
    const PackedColor red{200, 10, 10, 255};
    EXPECT_TRUE(sameColor(red, PackedColor{200, 10, 10, 255}));
    EXPECT_FALSE(sameColor(red, PackedColor{200, 10, 10, 0}));
    EXPECT_FALSE(sameColor(red, PackedColor{200, 10, 11, 255}));
    EXPECT_TRUE(sameColor(packColor(255, 255, 255), PackedColor{255, 255, 255, 255}));
}

}  // namespace
