// The buttons and the score as the game's own frame draws them, read back
// from the window: each button label inside the window rectangle that picks
// its button and filling most of it; the score's digits on screen, clear of
// each other and of the buttons; the final score in front of the tower.

#include "app/Frame.h"
#include "app/StartUp.h"
#include "app/Window.h"
#include "game/Board.h"
#include "tests/support/GlWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Colours nothing else in the scene shows: one per button, one for the score.
constexpr PackedColor kLabelColors[kPowerButtonCount] = {{250, 10, 10, 255}, {10, 250, 10, 255}, {10, 10, 250, 255}};
constexpr PackedColor kScoreColor{250, 10, 250, 255};

// Where a colour shows, inclusive, y from the bottom.
struct PixelBox {
    int left = kRulesWindowSize, right = -1, bottom = kRulesWindowSize, top = -1;

    void add(int x, int y)
    {
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
    }
    int width() const { return right - left + 1; }
    int height() const { return top - bottom + 1; }
};

// One drawn frame, as the window shows it.
class ShownFrame {
public:
    ShownFrame()
    {
        drawScene();
        glFinish();
        pixels_.resize(static_cast<std::size_t>(kRulesWindowSize * kRulesWindowSize * 3));
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kRulesWindowSize, kRulesWindowSize, GL_RGB, GL_UNSIGNED_BYTE, pixels_.data());
    }

    // x, y from the bottom left.
    bool shows(int x, int y, PackedColor color) const
    {
        const unsigned char* p = &pixels_[static_cast<std::size_t>((y * kRulesWindowSize + x) * 3)];
        return p[0] == color.r && p[1] == color.g && p[2] == color.b;
    }

    template <typename Visit>
    void forEachPixelOf(PackedColor color, Visit visit) const
    {
        for (int y = 0; y < kRulesWindowSize; ++y)
            for (int x = 0; x < kRulesWindowSize; ++x)
                if (shows(x, y, color))
                    visit(x, y);
    }

private:
    std::vector<unsigned char> pixels_;
};

// Runs of consecutive marked lines: how many separate bands they make.
int bandCount(const std::vector<bool>& lines)
{
    int bands = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        bands += lines[i] && (i == 0 || !lines[i - 1]);
    return bands;
}

class Overlays : public testing::Test {
protected:
    void SetUp() override
    {
        useGlWindow();
        onReshape(kRulesWindowSize, kRulesWindowSize);
        startUp();
        clearGame();
        for (int slot = 0; slot < kPowerButtonCount; ++slot)
            powerButtons[slot].idleColor = powerButtons[slot].armedColor = kLabelColors[slot];
        numberDisplay.color = kScoreColor;
        turntable.setAngle(0);
    }

    void TearDown() override
    {
        gameOver = false;
        turntable.setAngle(0);
    }

    // Every digit in every place of the score, one frame each: the rows (in
    // play) or columns (after the end) the score covers, and its extent.
    static PixelBox scoreExtent(std::vector<bool>& rows, std::vector<bool>& columns)
    {
        rows.assign(kRulesWindowSize, false);
        columns.assign(kRulesWindowSize, false);
        PixelBox extent;
        for (int digit = 0; digit <= 9; ++digit) {
            numberDisplay.setValue(digit * 1111);
            ShownFrame().forEachPixelOf(kScoreColor, [&](int x, int y) {
                rows[static_cast<std::size_t>(y)] = columns[static_cast<std::size_t>(x)] = true;
                extent.add(x, y);
            });
        }
        return extent;
    }
};

TEST_F(Overlays, ButtonLabelsFillTheRectanglesThatPickThem)
{
    const ShownFrame frame;
    for (int slot = 0; slot < kPowerButtonCount; ++slot) {
        PixelBox label;
        frame.forEachPixelOf(kLabelColors[slot], [&](int x, int y) { label.add(x, y); });
        const PressRectangle& rect = kPowerButtonFacts[slot].press;
        std::printf("button %d label x %d..%d y %d..%d in rectangle x %d..%d y %d..%d\n", slot, label.left,
                    label.right, label.bottom, label.top, rect.left, rect.right, rect.bottom, rect.top);
        // A pixel kept clear inside every side, and most of each side used.
        EXPECT_GT(label.left, rect.left) << slot;
        EXPECT_LT(label.right, rect.right) << slot;
        EXPECT_GT(label.bottom, rect.bottom) << slot;
        EXPECT_LT(label.top, rect.top) << slot;
        EXPECT_GE(label.width(), 0.75 * (rect.right - rect.left)) << slot;
        EXPECT_GE(label.height(), 0.75 * (rect.top - rect.bottom)) << slot;
    }
}

TEST_F(Overlays, RunningScoreIsAColumnOfFourOnScreenAboveTheButtons)
{
    std::vector<bool> rows, columns;
    const PixelBox score = scoreExtent(rows, columns);
    EXPECT_EQ(bandCount(rows), kDisplayDigits) << "digits touch or are missing";
    EXPECT_GT(score.left, 0);
    EXPECT_LT(score.right, kRulesWindowSize - 1);
    EXPECT_LT(score.top, kRulesWindowSize - 1);
    EXPECT_GT(score.bottom, kPowerButtonFacts[kSlotColorSweep].press.top) << "a digit reaches the \"+\" button";
}

TEST_F(Overlays, FinalScoreIsARowOfFourInFrontOfTheTower)
{
    gameOver = true;
    std::vector<bool> rows, columns;
    const PixelBox score = scoreExtent(rows, columns);
    EXPECT_EQ(bandCount(columns), kDisplayDigits) << "digits touch or are missing";
    EXPECT_GT(score.left, 0);
    EXPECT_LT(score.right, kRulesWindowSize - 1);
    EXPECT_GT(score.bottom, 0);
    EXPECT_LT(score.top, kRulesWindowSize - 1);

    // A full tower of opaque tiles hides none of it.
    numberDisplay.setValue(8888);
    long alone = 0, beforeTower = 0;
    ShownFrame().forEachPixelOf(kScoreColor, [&](int, int) { ++alone; });
    for (int c = 0; c < kColumns; ++c) {
        tileCount[c] = kTilesBelowMarker;
        for (int s = 0; s < kTilesBelowMarker; ++s) {
            tiles[c][s].setPosition(c, s);
            tiles[c][s].color = themes[themeIndex].tileColors[s % kTileColorsPerTheme];
        }
    }
    ShownFrame().forEachPixelOf(kScoreColor, [&](int, int) { ++beforeTower; });
    EXPECT_GT(alone, 1000);
    EXPECT_EQ(beforeTower, alone);
}

}  // namespace
