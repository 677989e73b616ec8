// The colour maths the theme rules rest on, against published figures.

#include "devlibs/color_science/ColourScience.h"

#include <gtest/gtest.h>

namespace {

// Test pairs from Sharma, Wu and Dalal (2005), table 1, chosen for the cases
// that are easy to get wrong: hues either side of 0/360 degrees, the mean hue
// across the wrap, a neutral colour, the blue region and very dark colours.
TEST(ColourScience, Ciede2000MatchesThePublishedTestPairs)
{
    struct Case {
        Lab first, second;
        double expected;
    };
    const Case cases[] = {
        {{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
        {{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
        {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
        {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
        {{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
        {{50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, 19.4535},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
        {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(deltaE2000(c.first, c.second), c.expected, 5e-5) << c.first.l << " " << c.first.a;
        EXPECT_NEAR(deltaE2000(c.second, c.first), c.expected, 5e-5) << "the difference is symmetric";
    }
}

TEST(ColourScience, ConversionContrastAndSimulationKeepTheirAnchors)
{
    const PackedColor black = packColor(0, 0, 0), white = packColor(255, 255, 255);
    EXPECT_NEAR(contrastRatio(black, white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(packColor(0x77, 0x77, 0x77), white), 4.48, 0.005);  // WCAG's own example
    EXPECT_NEAR(contrastRatio(white, packColor(0x77, 0x77, 0x77)), 4.48, 0.005);

    // sRGB red in CIELAB (D65), as colour references give it.
    const Lab red = labSeenAs(packColor(255, 0, 0), Vision::Normal);
    EXPECT_NEAR(red.l, 53.24, 0.01);
    EXPECT_NEAR(red.a, 80.09, 0.01);
    EXPECT_NEAR(red.b, 67.20, 0.01);

    // Every simulated vision keeps greys grey and tells red from green apart
    // only as well as the deficiency allows.
    for (Vision vision : kVisions) {
        const Lab grey = labSeenAs(packColor(128, 128, 128), vision);
        EXPECT_NEAR(grey.a, 0, 0.05) << visionName(vision);
        EXPECT_NEAR(grey.b, 0, 0.05) << visionName(vision);
    }
    auto redGreen = [](Vision vision) {
        return deltaE2000(labSeenAs(packColor(200, 80, 40), vision), labSeenAs(packColor(110, 120, 40), vision));
    };
    EXPECT_LT(redGreen(Vision::Protanopia), 0.3 * redGreen(Vision::Normal));
    EXPECT_LT(redGreen(Vision::Deuteranopia), 0.3 * redGreen(Vision::Normal));
    EXPECT_GT(redGreen(Vision::Tritanopia), 0.6 * redGreen(Vision::Normal));
}

}  // namespace
