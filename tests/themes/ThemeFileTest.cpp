#include "themes/Theme.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
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

TEST(ThemeFile, NamesAreShownEscapedAndCutShort)
{
    Theme themes[kThemeCount];
    std::string errors = readFrom("Red\x1b[2J\"\xC3\xA9 oops", themes).errors;
    EXPECT_NE(errors.find(R"(("Red\x1B[2J\x22\xC3\xA9"))"), std::string::npos) << errors;
    errors = readFrom(std::string(5000, 'W') + " 1 2", themes).errors;
    EXPECT_NE(errors.find("(\"" + std::string(32, 'W') + "...\")"), std::string::npos) << errors;
    EXPECT_LT(errors.size(), 300u);
}

// Loads `fileName` and returns what went to standard error.
std::string loadErrors(const std::string& fileName, Theme (&themes)[kThemeCount])
{
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadThemes(themes, fileName.c_str()));
    return testing::internal::GetCapturedStderr();
}

TEST(ThemeFile, FolderOrUnreadableFileIsNamedAsSuch)
{
    Theme themes[kThemeCount];
    std::string folder = testing::TempDir() + "themes-XXXXXX";
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    std::string errors = loadErrors(folder, themes);
    EXPECT_EQ(errors, folder + ": cannot open the theme file: it is a folder; every colour is black\n");
    rmdir(folder.c_str());
    // Reading the process's memory from address 0 fails, as a damaged disk would.
    errors = loadErrors("/proc/self/mem", themes);
    EXPECT_NE(errors.find("token 1 of 28 (its name): the file cannot be read: Input/output error;"),
              std::string::npos)
        << errors;
}

TEST(ThemeFile, MissingFileStillDefinesEveryColor)
{
    Theme themes[kThemeCount];
    const std::string errors = loadErrors("/nonexistent/themes.txt", themes);
    EXPECT_EQ(errors, "/nonexistent/themes.txt: cannot open the theme file: No such file or directory; "
                      "every colour is black\n");
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
