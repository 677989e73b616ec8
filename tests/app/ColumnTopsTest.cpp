// The top of each column, the line a column must not reach, has to stand out
// from the background in every shipped theme: the marker caps are
// translucent black, so what a player sees of them is mostly the frame of
// grout round each cap.  Drawn as a game starts, turned to 0 degrees.

#include "app/Frame.h"
#include "app/Window.h"
#include "devlibs/color_science/ColourScience.h"
#include "devlibs/scene_setup/SceneSetup.h"
#include "game/Board.h"
#include "tests/support/GlWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

// The band of the caps in the 800 x 800 window, from its top-left corner.
constexpr int kBandLeft = 250, kBandRight = 550;
constexpr int kBandTop = 20, kBandBottom = 300;
constexpr double kNonTextContrast = 3.0;  // WCAG's least for graphics a player must make out
constexpr long kLeastStandingOut = 5000;

// Band pixels at kNonTextContrast or more against the background.
long pixelsStandingOut(const PackedColor& background)
{
    const int width = kBandRight - kBandLeft, height = kBandBottom - kBandTop;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width * height * 3));
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(kBandLeft, kRulesWindowSize - kBandBottom, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    long count = 0;
    for (std::size_t i = 0; i < pixels.size(); i += 3)
        count += contrastRatio(packColor(pixels[i], pixels[i + 1], pixels[i + 2]), background) >= kNonTextContrast;
    return count;
}

TEST(ColumnTops, StandOutFromTheBackgroundInEveryTheme)
{
    useGlWindow();
    onReshape(kRulesWindowSize, kRulesWindowSize);
    for (int theme = 0; theme < kThemeCount; ++theme) {
        SceneOptions options;
        options.theme = theme;
        startFreshGame(options.seed);  // whatever the tests before left behind
        setUpBoard(options);
        drawScene();  // the first frame sets the theme's background for the next
        drawScene();
        glFinish();
        const long count = pixelsStandingOut(themes[theme].backgroundColor);
        std::printf("%-13s %6ld pixels at %.0f:1 or more\n", themes[theme].name.c_str(), count, kNonTextContrast);
        EXPECT_GE(count, kLeastStandingOut) << themes[theme].name;
    }
}

}  // namespace
