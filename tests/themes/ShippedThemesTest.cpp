// Holds the shipped theme file to what makes it playable: tile colours that
// are easy to tell apart from each other and from the background (CIEDE2000),
// buttons and score that stand out (WCAG contrast ratios), and themes named
// "...Safe" that stay readable without full colour vision.

#include "game/Board.h"
#include "themes/Theme.h"
#include "devlibs/color_science/ThemeMeasures.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Tiles numbered 1 to 6 in file order, as theme-report numbers them.
std::string describe(WeakestPair pair)
{
    const std::string second =
        pair.second == kBackgroundIndex ? "the background" : "tile " + std::to_string(pair.second + 1);
    return "tile " + std::to_string(pair.first + 1) + " vs " + second + ": " + std::to_string(pair.difference);
}

class ShippedThemes : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string path = std::string(HEXTOWER_SOURCE_DIR) + "/assets/themes.txt";
        ASSERT_TRUE(loadThemes(themes, path.c_str())) << "the shipped theme file must read cleanly";
    }
    Theme themes[kThemeCount];
};

TEST_F(ShippedThemes, EveryThemeReadsWithNormalVision)
{
    for (const Theme& theme : themes) {
        const WeakestPair tiles = weakestTilePair(theme, Vision::Normal);
        const WeakestPair background = weakestTileAgainstBackground(theme, Vision::Normal);
        EXPECT_GE(tiles.difference, 20.0) << theme.name << ": " << describe(tiles);
        EXPECT_GE(background.difference, 20.0) << theme.name << ": " << describe(background);
        EXPECT_GE(contrastRatio(theme.idleColor, theme.backgroundColor), 3.0) << theme.name;
        EXPECT_GE(contrastRatio(theme.armedColor, theme.backgroundColor), 4.5) << theme.name << " (also the score)";
        EXPECT_GE(contrastRatio(theme.armedColor, theme.idleColor), 2.0) << theme.name;
    }
}

// Simulated with the full-severity matrices of Machado, Oliveira and
// Fernandes (2009).  A theme whose name promises safety must keep it, and a
// theme that reads for everyone should say so in its name.
TEST_F(ShippedThemes, ExactlyTheThemesNamedSafeReadUnderSimulatedColorBlindness)
{
    constexpr double kSafeDifference = 8.0;
    int safeThemes = 0;
    for (const Theme& theme : themes) {
        std::string failures;
        for (Vision vision : {Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia})
            for (WeakestPair pair : {weakestTilePair(theme, vision), weakestTileAgainstBackground(theme, vision)})
                if (pair.difference < kSafeDifference)
                    failures += std::string(" ") + visionName(vision) + ", " + describe(pair) + ";";
        const bool namedSafe = namedColorBlindSafe(theme.name);
        EXPECT_EQ(namedSafe, failures.empty())
            << theme.name << (namedSafe ? " is named safe but fails:" + failures : " is safe: name it ...Safe");
        safeThemes += namedSafe;
    }
    EXPECT_TRUE(namedColorBlindSafe(themes[kStartTheme].name)) << "the game starts with this theme";
    EXPECT_GE(safeThemes, 6);
}

TEST_F(ShippedThemes, NamesAreSingleWordsAndDistinct)
{
    for (int i = 0; i < kThemeCount; ++i) {
        EXPECT_FALSE(themes[i].name.empty());
        for (int j = i + 1; j < kThemeCount; ++j)
            EXPECT_NE(themes[i].name, themes[j].name);
    }
}

}  // namespace
