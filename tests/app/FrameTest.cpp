#include "app/Frame.h"
#include "app/StartUp.h"
#include "app/Window.h"
#include "game/Board.h"
#include "tests/support/RulesMatrices.h"
#include "tests/support/SceneTestKit.h"

#include <gtest/gtest.h>

namespace {

void startGame()
{
    useGlWindow();
    onReshape(kRulesWindowSize, kRulesWindowSize);
    startUp();
    gameOver = false;
    turntable.setAngle(0);
    gameController.awardMark = 0;
}

TEST(Frame, EndsWithTheBoardMatrixCurrent)
{
    startGame();
    numberDisplay.setValue(4321);
    turntable.setAngle(33.5);
    drawScene();
    expectMatrixNear(currentMatrix(GL_MODELVIEW_MATRIX), rulesBoardMatrix(33.5));
    onDisplay();
    expectMatrixNear(currentMatrix(GL_MODELVIEW_MATRIX), rulesBoardMatrix(33.5));

    // After game over the board stands at 7 degrees whatever the drag did.
    gameOver = true;
    turntable.setAngle(-140);
    onDisplay();
    EXPECT_EQ(turntable.getAngle(), 7.0);
    expectMatrixNear(currentMatrix(GL_MODELVIEW_MATRIX), rulesBoardMatrix(7));
}

TEST(Frame, FirstFrameIsBlackAndThemeChangesReachTheBackgroundAFrameLate)
{
    startGame();
    glClearColor(0, 0, 0, 0);  // a fresh context's clear colour
    const auto expectBackground = [](PackedColor color) {
        expectPixelNear(2, 797, color.r, color.g, color.b);
    };
    drawScene();
    expectBackground(PackedColor{0, 0, 0, 255});
    drawScene();
    expectBackground(themes[5].backgroundColor);
    themeIndex = 2;
    drawScene();
    expectBackground(themes[5].backgroundColor);
    drawScene();
    expectBackground(themes[2].backgroundColor);
    ASSERT_FALSE(sameColor(themes[5].backgroundColor, themes[2].backgroundColor));
}

// Which buttons are armed, slots 0 ("+"), 1 ("-3"), 2 ("Stop").
std::array<bool, 3> armedSlots()
{
    return {powerButtons[0].armed, powerButtons[1].armed, powerButtons[2].armed};
}

void disarmAll()
{
    for (PowerButton& button : powerButtons)
        button.armed = false;
}

using Armed = std::array<bool, 3>;

TEST(Frame, AwardsArmStopThenMinusThreeThenPlusInTurn)
{
    startGame();
    numberDisplay.setValue(99);
    drawScene();
    EXPECT_EQ(armedSlots(), (Armed{false, false, false}));
    numberDisplay.setValue(100);
    drawScene();
    EXPECT_EQ(armedSlots(), (Armed{false, false, true}));
    numberDisplay.setValue(250);
    drawScene();
    EXPECT_EQ(armedSlots(), (Armed{false, true, true}));
    numberDisplay.setValue(300);
    drawScene();
    EXPECT_EQ(armedSlots(), (Armed{true, true, true}));
    disarmAll();
    drawScene();
    EXPECT_EQ(armedSlots(), (Armed{false, false, false})) << "nothing new earned";

    // Awards go on after game over.
    gameOver = true;
    numberDisplay.setValue(404);
    drawScene();
    EXPECT_EQ(armedSlots(), (Armed{false, false, true}));
    EXPECT_EQ(gameController.awardMark, 400);
}

TEST(Frame, AJumpOverTwoHundredsAwardsTwiceFromTheNewScore)
{
    startGame();
    numberDisplay.setValue(90);
    drawScene();
    numberDisplay.setValue(210);
    for (int frame = 0; frame < 2; ++frame) {
        disarmAll();
        drawScene();
        EXPECT_EQ(armedSlots(), (Armed{false, true, false})) << "frame " << frame;
    }
    EXPECT_EQ(gameController.awardMark, 200);
    disarmAll();
    drawScene();
    EXPECT_EQ(armedSlots(), (Armed{false, false, false}));
}

// Every cell slides in place over many frames, so a draw shows as one
// elapsed frame.
void countDraws()
{
    for (auto& column : tiles)
        for (Tile& tile : column) {
            tile.clearAnimation();
            tile.sliding = true;
            tile.slideLength = 1000;
        }
}

bool drawnOnce(int column, int slot)
{
    return tiles[column][slot].slideElapsed == 1;
}

TEST(Frame, DrawsTilesInPlayThatHaveNotVanishedAndTheMarkersWhileRunning)
{
    startGame();
    const int counts[kColumns] = {0, 3, 19, 5, 1, 4};
    for (const bool over : {false, true}) {
        gameOver = over;
        std::copy(std::begin(counts), std::end(counts), tileCount);
        countDraws();
        tiles[1][1].vanished = true;
        tiles[3][6].vanished = false;
        drawScene();
        for (int c = 0; c < kColumns; ++c) {
            for (int s = 0; s < kMarkerSlot; ++s)
                EXPECT_EQ(drawnOnce(c, s), s < counts[c] && !(c == 1 && s == 1))
                    << "column " << c << " slot " << s << " game over " << over;
            EXPECT_EQ(drawnOnce(c, kMarkerSlot), !over) << "marker of column " << c;
        }
    }

    // The column that ends the game fills its marker's slot with a tile.
    tileCount[4] = kSlots;
    countDraws();
    drawScene();
    EXPECT_TRUE(drawnOnce(4, kMarkerSlot));
    EXPECT_FALSE(drawnOnce(3, kMarkerSlot));
}

}  // namespace
