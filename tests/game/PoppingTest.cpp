#include "game/Board.h"
#include "tests/game/RulesFixture.h"
#include "devlibs/play_driver/PlayActions.h"

namespace {

using Popping = RulesTest;

// The turn's removal, up to the step after the falls.
void popAndFall()
{
    frames(15);
    ASSERT_EQ(gamePhase, kPhaseFall);
    tick();
}

TEST_F(Popping, LoneTilePopsAloneForTwoPoints)
{
    setColumn(0, "RGB");
    setColumn(1, "BRG");
    pickCell(0, 1);
    tick();
    EXPECT_EQ(gamePhase, kPhaseWait);
    EXPECT_EQ(score(), 2);
    EXPECT_EQ(removedCount[0], 1);
    EXPECT_EQ(lowestRemoved[0], 1);
    EXPECT_EQ(pendingCount[0], 2);
    EXPECT_TRUE(tiles[0][1].fading);
    EXPECT_EQ(tiles[1][2].marked, 0) << "a tile of the same colour one slot up the next column is a diagonal";

    ASSERT_TRUE(playUntilStill(500));
    EXPECT_EQ(columnText(0).substr(1), "RB");
    EXPECT_EQ(columnText(1).substr(1), "BRG");
    EXPECT_EQ(score(), 2);
    EXPECT_EQ(restProblems(), "");
}

TEST_F(Popping, GroupJoinsRoundTheRingButNotDiagonally)
{
    setColumn(5, "RG");
    setColumn(0, "RB");
    setColumn(1, "GR");  // R diagonal to (0, 0): not joined
    setColumn(4, "GR");  // R diagonal to (5, 0): not joined
    pickCell(0, 0);
    tick();
    EXPECT_EQ(tiles[0][0].marked, 1);
    EXPECT_EQ(tiles[5][0].marked, 1) << "column 5 is the previous column of column 0";
    EXPECT_EQ(tiles[1][1].marked, 0);
    EXPECT_EQ(tiles[4][1].marked, 0);
    EXPECT_EQ(score(), 4);
}

TEST_F(Popping, PickOnEmptyCellMarksNothingAndDoesNotRise)
{
    setColumn(0, "RG");
    setColumn(2, "B");
    pickCell(2, 10);
    tick();
    EXPECT_EQ(gamePhase, kPhaseWait);
    EXPECT_FALSE(anyMarked());
    EXPECT_FALSE(tiles[0][0].fading || tiles[0][1].fading || tiles[2][0].fading);

    ASSERT_TRUE(playUntilStill(500));
    EXPECT_EQ(columnText(0), "RG");
    EXPECT_EQ(columnText(2), "B");
    EXPECT_EQ(tileCount[1], 0);
    EXPECT_EQ(score(), 0);
}

TEST_F(Popping, GroupOnTopMakesNothingFallAndGoesStraightToRise)
{
    setColumn(0, "GR");
    setColumn(1, "BR");
    pickCell(1, 1);
    tick();
    popAndFall();
    EXPECT_EQ(gamePhase, kPhaseRise);
    EXPECT_EQ(tileCount[0], 1);
    EXPECT_EQ(tileCount[1], 1);
    EXPECT_TRUE(sameColor(tiles[0][1].color, packColor(255, 255, 255))) << "the cell is blank again";
    EXPECT_FALSE(tiles[0][0].sliding || tiles[1][0].sliding);
}

TEST_F(Popping, TilesAboveFallIntoTheGap)
{
    setColumn(0, "GRRBY");
    pickCell(0, 1);
    tick();
    EXPECT_EQ(score(), 4);
    popAndFall();
    EXPECT_EQ(gamePhase, kPhaseWait);
    for (int s : {3, 4}) {
        EXPECT_TRUE(tiles[0][s].sliding);
        EXPECT_DOUBLE_EQ(tiles[0][s].slidePerFrame, 0.6) << "two slots in ten frames";
        EXPECT_EQ(tiles[0][s].slideLength, 10);
    }
    frames(9);
    EXPECT_EQ(gamePhase, kPhaseWait);
    frames(1);
    EXPECT_EQ(gamePhase, kPhaseSettle);
    tick();
    EXPECT_EQ(tileCount[0], 3);
    EXPECT_EQ(columnText(0), "GBY");
    EXPECT_EQ(tiles[0][1].slot, 1);
    EXPECT_EQ(tiles[0][2].slot, 2);
    EXPECT_EQ(gamePhase, kPhaseRise);
}

TEST_F(Popping, FallBetweenTwoEqualNeighboursCascadesTheWholeGroup)
{
    setColumn(0, "GRB");
    setColumn(1, "YBB");
    setColumn(5, "YB");
    pickCell(0, 1);
    tick();
    popAndFall();
    frames(10);
    tick();
    EXPECT_EQ(gamePhase, kPhasePop) << "the fallen B lies between two Bs";
    EXPECT_TRUE(tiles[0][1].selected);
    tick();
    EXPECT_EQ(tiles[1][2].marked, 1) << "the whole group goes, not only the line";
    EXPECT_EQ(score(), 2 + 4 * 2);
    ASSERT_TRUE(playUntilStill(500));
    EXPECT_EQ(columnText(0).substr(1), "G");
    EXPECT_EQ(columnText(1).substr(1), "Y");
    EXPECT_EQ(columnText(5).substr(1), "Y");
    EXPECT_EQ(restProblems(), "");
}

// A tile that falls into slot 1 of column 0, with the tiles at slot 1 of
// columns 1 to 5 round the ring as given: whether it completes a line of
// three.  The ring closes, so column 5 is next to column 0.
struct RingLineCase {
    const char* name;
    const char* slotOneOfColumnsOneToFive;
    bool line;
};

void PrintTo(const RingLineCase& ringCase, std::ostream* out)
{
    *out << "slot 1 of columns 1 to 5: " << ringCase.slotOneOfColumnsOneToFive;
}

class RingLines : public RulesTest, public testing::WithParamInterface<RingLineCase> {};

TEST_P(RingLines, FallenTileCompletesALineOnlyWithTwoEqualNeighboursInARow)
{
    setColumn(0, "GRB");
    for (int c = 1; c < kColumns; ++c)
        setColumn(c, std::string("G") + GetParam().slotOneOfColumnsOneToFive[c - 1]);
    pickCell(0, 1);
    tick();
    popAndFall();
    frames(10);
    tick();
    EXPECT_EQ(gamePhase, GetParam().line ? kPhasePop : kPhaseRise);
    EXPECT_EQ(tiles[0][1].selected, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Popping, RingLines,
    testing::Values(RingLineCase{"FallenTileFirst", "BBYPC", true},
                    RingLineCase{"FallenTileLast", "CPYBB", true},
                    RingLineCase{"FallenTileInTheMiddle", "BYPCB", true},
                    RingLineCase{"OneEqualNeighbourOnly", "BYPCY", false},
                    RingLineCase{"EqualTilesBeyondUnequalOnes", "YBPBY", false}),
    [](const testing::TestParamInfo<RingLineCase>& info) { return std::string(info.param.name); });

TEST_F(Popping, VerticalLineOfThreeCascades)
{
    setColumn(0, "BBRB");
    pickCell(0, 2);
    tick();
    popAndFall();
    frames(10);
    tick();
    EXPECT_EQ(gamePhase, kPhasePop);
    tick();
    EXPECT_EQ(score(), 2 + 3 * 2);
}

TEST_F(Popping, OneEqualBelowAndOneDiagonalIsNoLine)
{
    setColumn(0, "BRB");
    setColumn(1, "BG");
    pickCell(0, 1);
    tick();
    popAndFall();
    frames(10);
    tick();
    EXPECT_EQ(gamePhase, kPhaseRise);
    EXPECT_FALSE(tiles[0][1].selected);
}

TEST_F(Popping, WhiteGroupJoinsThroughBlankCells)
{
    themes[kStartTheme].tileColors[5] = packColor(255, 255, 255);
    setColumn(0, "C");
    setColumn(1, "G");
    setColumn(2, "C");
    pickCell(0, 0);
    tick();
    EXPECT_EQ(tiles[2][0].marked, 1) << "joined over the blank cells above column 1";
    EXPECT_EQ(score(), 4) << "blank cells are never scored";
    EXPECT_EQ(removedCount[1], 0);
}

TEST_F(Popping, SeveralSelectedTilesEachFloodOnce)
{
    setColumn(0, "RG");
    setColumn(1, "RB");
    tiles[0][1].selected = true;
    tiles[1][0].selected = true;
    pickCell(0, 0);
    tick();
    EXPECT_EQ(score(), 3 * 2) << "the R group is marked once, though two of its tiles were selected";
    EXPECT_EQ(tiles[1][1].marked, 0);
}

TEST_F(Popping, SecondPickDuringTheFadeScoresItAgain)
{
    setColumn(0, "RG");
    setColumn(3, "B");
    pickCell(0, 1);
    tick();
    frames(5);
    pickCell(3, 0);
    tick();
    EXPECT_EQ(score(), 2 + 2 * 2);
    EXPECT_EQ(tiles[0][1].fadeElapsed, 0) << "the earlier fade starts again";
    ASSERT_TRUE(playUntilStill(500));
    EXPECT_EQ(columnText(0).substr(1), "R");
    EXPECT_EQ(tileCount[3], 1);
    EXPECT_EQ(restProblems(), "");
}

}  // namespace
