// Holds the shipped theme file to what makes it playable: tile colours that
// are easy to tell apart from each other and from the background, and
// buttons and score that stand out.

#include "themes/ThemeFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <string>

namespace {

constexpr double kMinimumDifference = 20.0;  // CIE76 colour difference

struct Lab {
    double l, a, b;
};

double linear(std::uint8_t component)
{
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Linear RGB to CIE L*a*b* under D65.
Lab linearToLab(double r, double g, double b)
{
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; };
    return Lab{116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

Lab toLab(PackedColor color)
{
    return linearToLab(linear(color.r), linear(color.g), linear(color.b));
}

double distance(Lab p, Lab q);

double difference(PackedColor first, PackedColor second)
{
    return distance(toLab(first), toLab(second));
}

std::string describe(PackedColor c)
{
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) + ")";
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

TEST_F(ShippedThemes, TileColoursStandApartFromEachOtherAndTheBackground)
{
    for (const Theme& theme : themes) {
        PackedColor all[kTileColorsPerTheme + 1];
        for (int i = 0; i < kTileColorsPerTheme; ++i)
            all[i] = theme.tileColors[i];
        all[kTileColorsPerTheme] = theme.backgroundColor;
        for (int i = 0; i < kTileColorsPerTheme + 1; ++i)
            for (int j = i + 1; j < kTileColorsPerTheme + 1; ++j)
                EXPECT_GE(difference(all[i], all[j]), kMinimumDifference)
                    << theme.name << ": " << describe(all[i]) << " vs " << describe(all[j]);
    }
}

TEST_F(ShippedThemes, ButtonsAndScoreStandOut)
{
    for (const Theme& theme : themes) {
        EXPECT_GE(difference(theme.armedColor, theme.backgroundColor), kMinimumDifference) << theme.name;
        EXPECT_GE(difference(theme.idleColor, theme.backgroundColor), kMinimumDifference) << theme.name;
        // An armed button must look different from an idle one.
        EXPECT_GE(difference(theme.armedColor, theme.idleColor), kMinimumDifference) << theme.name;
    }
}

// How a colour looks with one kind of colour-vision deficiency, in linear
// RGB (full-severity simulation matrices of Machado, Oliveira and Fernandes).
using Simulation = double[3][3];
const Simulation kProtanopia = {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}};
const Simulation kDeuteranopia = {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}};
const Simulation kTritanopia = {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602},
                                {0.004733, 0.691367, 0.303900}};

Lab simulatedLab(PackedColor color, const Simulation& m)
{
    const double in[3] = {linear(color.r), linear(color.g), linear(color.b)};
    double out[3];
    for (int i = 0; i < 3; ++i)
        out[i] = std::clamp(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2], 0.0, 1.0);
    return linearToLab(out[0], out[1], out[2]);
}

double distance(Lab p, Lab q)
{
    return std::sqrt((p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b));
}

// Themes whose names end in "Safe" promise to stay readable without full
// colour vision: their tiles and background stay apart under each simulation.
TEST_F(ShippedThemes, ColourBlindSafeThemesKeepTheirPromise)
{
    constexpr double kSafeDifference = 12.0;
    int safeThemes = 0;
    for (const Theme& theme : themes) {
        const std::string& name = theme.name;
        if (name.size() < 4 || name.compare(name.size() - 4, 4, "Safe") != 0)
            continue;
        ++safeThemes;
        for (const Simulation* simulation : {&kProtanopia, &kDeuteranopia, &kTritanopia}) {
            PackedColor all[kTileColorsPerTheme + 1];
            std::copy(theme.tileColors, theme.tileColors + kTileColorsPerTheme, all);
            all[kTileColorsPerTheme] = theme.backgroundColor;
            for (int i = 0; i < kTileColorsPerTheme + 1; ++i)
                for (int j = i + 1; j < kTileColorsPerTheme + 1; ++j)
                    EXPECT_GE(distance(simulatedLab(all[i], *simulation), simulatedLab(all[j], *simulation)),
                              kSafeDifference)
                        << name << ": " << describe(all[i]) << " vs " << describe(all[j]);
        }
    }
    EXPECT_GE(safeThemes, 2);
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
