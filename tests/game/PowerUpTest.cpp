#include "app/Frame.h"
#include "game/Board.h"
#include "game/Clock.h"
#include "tests/game/RulesFixture.h"
#include "devlibs/play_driver/BoardChecks.h"
#include "devlibs/play_driver/PlayActions.h"

namespace {

using PowerUps = RulesTest;

void apply(int slot)
{
    gameController.buttonIndex = slot;
    gameController.applyPowerUp();
}

// Ticks and frames until the board is still, failing at the first step that
// leaves a column over its marker or a marker changed, or if it never settles.
void playCheckingTheTop()
{
    for (int i = 0; i < 300; ++i) {
        const int phase = gamePhase;
        runPhaseStep();
        drawScene();
        for (int c = 0; c < kColumns; ++c) {
            ASSERT_TRUE(countWithinBoard(c)) << "column " << c << " after a step in phase " << phase;
            ASSERT_TRUE(markerInPlace(c)) << "column " << c << " after a step in phase " << phase;
        }
        if (boardIsStill())
            return;
    }
    FAIL() << "the board never came to rest";
}

TEST_F(PowerUps, MinusThreeClearsTheBottomRowsAndTheRestFalls)
{
    setColumn(0, "RGBYPC");
    setColumn(1, "RGB");
    apply(kSlotBottomClear);
    EXPECT_TRUE(gameController.bottomClearPending);
    EXPECT_EQ(score(), 6 * 4);
    EXPECT_EQ(gamePhase, kPhaseWait) << "the power-up sets no phase";
    EXPECT_EQ(pendingCount[0], 3);
    EXPECT_EQ(pendingCount[1], 0);
    EXPECT_EQ(removedCount[2], 0);

    frames(15);
    ASSERT_EQ(gamePhase, kPhaseFall);
    tick();
    EXPECT_DOUBLE_EQ(tiles[0][3].slidePerFrame, 0.9) << "three slots in ten frames";
    EXPECT_EQ(tileCount[1], 3) << "counts change when the falls end";
    frames(10);
    tick();
    EXPECT_EQ(columnText(0), "YPC");
    EXPECT_EQ(tileCount[1], 0);
    EXPECT_EQ(gamePhase, kPhaseRise);
    EXPECT_FALSE(gameController.bottomClearPending);

    ASSERT_TRUE(playUntilStill(200));
    EXPECT_EQ(columnText(0).substr(1), "YPC");
    EXPECT_EQ(tileCount[1], 1);
    EXPECT_EQ(tileCount[2], 1);
    EXPECT_EQ(restProblems(), "");
}

TEST_F(PowerUps, MinusThreeWithStopArmedEndsWithoutARise)
{
    setColumn(0, "RGBYPC");
    setColumn(1, "RGB");
    apply(kSlotStop);
    apply(kSlotBottomClear);
    ASSERT_TRUE(playUntilStill(200));
    EXPECT_EQ(columnText(0), "YPC");
    EXPECT_EQ(tileCount[1], 0);
    EXPECT_EQ(tileCount[2], 0);
    EXPECT_FALSE(gameController.skipNextRise);
}

TEST_F(PowerUps, MinusThreeOnAnEmptyBoardStaysPendingOnlyUntilTheNewRow)
{
    apply(kSlotBottomClear);
    EXPECT_EQ(score(), 0);
    ASSERT_TRUE(playUntilStill(100));
    EXPECT_EQ(gamePhase, kPhaseWait);
    EXPECT_TRUE(gameController.bottomClearPending);

    pickCell(2, 5);  // all an empty board offers
    ASSERT_TRUE(playUntilStill(100));
    for (int c = 0; c < kColumns; ++c)
        EXPECT_EQ(tileCount[c], 1) << "column " << c;
    EXPECT_FALSE(gameController.bottomClearPending);
}

// Lays three tiles over the new bottom row of columns 5, 0 and 1 so that
// popping the G drops an R between two Rs: a line of three round the ring.
void layACascadeOverTheBottomRow()
{
    setColumn(5, columnText(5) + "YR");
    setColumn(0, columnText(0) + "BGR");
    setColumn(1, columnText(1) + "YR");
}

TEST_F(PowerUps, MinusThreeThatEmptiesTheBoardLeavesTheNextCascadeWhole)
{
    setColumn(0, "RGB");
    setColumn(3, "YY");
    apply(kSlotBottomClear);
    ASSERT_TRUE(playUntilStill(200));
    ASSERT_EQ(tileCount[0], 1) << "the emptied board gets its new row";
    EXPECT_FALSE(gameController.bottomClearPending);
    EXPECT_EQ(restProblems(), "");

    layACascadeOverTheBottomRow();
    pickCell(0, 2);
    tick();
    frames(15);
    tick();
    frames(10);
    ASSERT_EQ(gamePhase, kPhaseSettle);
    tick();
    EXPECT_EQ(gamePhase, kPhasePop) << "the fallen R completes a line";
    ASSERT_TRUE(playUntilStill(300));
    EXPECT_EQ(columnText(0).substr(2), "B") << "the R group went too, then the tower rose";
    EXPECT_EQ(tileCount[5], 3);
}

TEST_F(PowerUps, MinusThreeLateInTheLiftIsOverWithTheNewRow)
{
    setColumn(0, "RGBY");
    setColumn(1, "P");
    gamePhase = kPhaseRise;
    tick();
    frames(45);
    apply(kSlotBottomClear);
    ASSERT_TRUE(playUntilStill(200));
    EXPECT_FALSE(gameController.bottomClearPending);
    EXPECT_EQ(restProblems(), "");
}

TEST_F(PowerUps, MinusThreeDuringAFadeRemovesBothWithoutTilesRising)
{
    setColumn(0, "GBYPBRRRRC");
    pickCell(0, 5);
    tick();
    EXPECT_EQ(score(), 4 * 2);
    frames(5);
    apply(kSlotBottomClear);
    EXPECT_EQ(score(), 4 * 2 + 3 * 4);
    frames(10);
    ASSERT_EQ(gamePhase, kPhaseFall);
    tick();
    for (int s = 0; s < tileCount[0]; ++s)
        EXPECT_GE(tiles[0][s].slidePerFrame, 0) << "no tile moves up in a fall, slot " << s;

    ASSERT_TRUE(playUntilStill(200));
    EXPECT_EQ(columnText(0).substr(1), "PBC");
    EXPECT_EQ(restProblems(), "");
}

TEST_F(PowerUps, MinusThreeDuringTheFadeOfATopGroupLeavesNoHoles)
{
    setColumn(0, "GBYPRRRR");
    pickCell(0, 4);
    tick();
    frames(5);
    apply(kSlotBottomClear);
    frames(10);
    ASSERT_EQ(gamePhase, kPhaseFall);
    tick();
    EXPECT_EQ(columnText(0), "P") << "P cannot fall, yet the removed tiles around it must go";
    ASSERT_TRUE(playUntilStill(200));
    EXPECT_EQ(columnText(0).substr(1), "P");
    EXPECT_EQ(restProblems(), "");
}

TEST_F(PowerUps, MinusThreeJustBeforeTheRiseKeepsTheTopFree)
{
    setColumn(0, "RGRGRGRGRGRGRGRGRGR");
    setColumn(1, "BY");
    pickCell(1, 1);
    tick();
    frames(15);
    tick();
    ASSERT_EQ(gamePhase, kPhaseRise);
    apply(kSlotBottomClear);
    playCheckingTheTop();
    EXPECT_FALSE(gameOver);
    EXPECT_EQ(columnText(0).substr(1), "GRGRGRGRGRGRGRGR");
    EXPECT_EQ(restProblems(), "");
}

TEST_F(PowerUps, ColorSweepTakesEveryTileOfThePickedColor)
{
    setColumn(0, "RGR");
    setColumn(1, "BR");
    setColumn(3, "YYR");  // isolated
    apply(kSlotColorSweep);
    EXPECT_FALSE(anyMarked()) << "nothing happens until the next pick";
    pickCell(1, 1);
    tick();
    EXPECT_EQ(score(), 4 * 2);
    EXPECT_FALSE(gameController.colorSweepArmed);
    ASSERT_TRUE(playUntilStill(300));
    EXPECT_EQ(columnText(0).substr(1), "G");
    EXPECT_EQ(columnText(1).substr(1), "B");
    EXPECT_EQ(columnText(3).substr(1), "YY");
}

TEST_F(PowerUps, ColorSweepIsSpentOnAnEmptyCell)
{
    setColumn(0, "RGR");
    apply(kSlotColorSweep);
    pickCell(0, 9);
    tick();
    EXPECT_FALSE(anyMarked());
    EXPECT_FALSE(gameController.colorSweepArmed);
    pickCell(0, 0);
    tick();
    EXPECT_EQ(score(), 2) << "the next pick pops only its own group";
}

TEST_F(PowerUps, AnEmptiedBoardGetsItsNewRowAndKeepsStopForTheNextRise)
{
    setColumn(0, "RGB");
    setColumn(4, "C");
    apply(kSlotStop);
    apply(kSlotBottomClear);
    ASSERT_TRUE(playUntilStill(200));
    for (int c = 0; c < kColumns; ++c)
        ASSERT_EQ(tileCount[c], 1) << "column " << c;
    EXPECT_TRUE(gameController.skipNextRise) << "there was no rise to cancel";
    EXPECT_EQ(restProblems(), "");

    setColumn(2, "PC");
    pickCell(2, 1);
    ASSERT_TRUE(playUntilStill(200));
    EXPECT_EQ(tileCount[2], 1) << "the kept Stop cancels this rise";
    EXPECT_EQ(tileCount[3], 1);
    EXPECT_FALSE(gameController.skipNextRise);
}

TEST_F(PowerUps, StopSkipsOneRiseAndSavesAFullColumn)
{
    setColumn(0, "RGRGRGRGRGRGRGRGRGR");
    setColumn(1, "BY");
    apply(kSlotStop);
    pickCell(1, 1);
    ASSERT_TRUE(playUntilStill(200));
    EXPECT_FALSE(gameOver);
    EXPECT_EQ(tileCount[0], 19);
    EXPECT_EQ(tileCount[1], 1);
    EXPECT_FALSE(gameController.skipNextRise);
    EXPECT_EQ(restProblems(), "");

    pickCell(1, 0);
    ASSERT_TRUE(playUntilStill(200));
    EXPECT_TRUE(gameOver) << "the following turn rises";
}

}  // namespace
