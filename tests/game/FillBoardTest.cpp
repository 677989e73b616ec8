#include "game/Board.h"

#include <gtest/gtest.h>

namespace {

// A theme whose six colours are easy to recognise.
void giveThemesKnownColors()
{
    for (int t = 0; t < kThemeCount; ++t) {
        themes[t].tileColorCount = 0;
        for (int i = 0; i < kTileColorsPerTheme; ++i)
            themes[t].addTileColor(packColor(static_cast<std::uint8_t>(t * 20), static_cast<std::uint8_t>(i * 40), 7));
    }
}

// Whatever the tests before left: a board in play that fillBoard must lay
// out afresh, a vanished tile and a flag among them.
class FillBoard : public testing::Test {
protected:
    void SetUp() override
    {
        giveThemesKnownColors();
        startFreshGame(7);
        tileCount[2] = pendingCount[2] = kTilesBelowMarker;
        tiles[2][9].vanished = true;
        tiles[3][5].selected = true;
        removedCount[1] = 1;
    }
};

TEST_F(FillBoard, GivesFourThemeTilesPerColumnBlankCellsAndMarkers)
{
    fillBoard();
    EXPECT_EQ(themeIndex, 5);
    for (int c = 0; c < kColumns; ++c) {
        EXPECT_EQ(tileCount[c], 4);
        EXPECT_EQ(pendingCount[c], 4);
        EXPECT_EQ(removedCount[c], 0);
        EXPECT_EQ(lowestRemoved[c], kNoneRemoved);
        for (int s = 0; s < 4; ++s) {
            const Tile& tile = tiles[c][s];
            EXPECT_EQ(tile.column, c);
            EXPECT_EQ(tile.slot, s);
            ASSERT_GE(tile.colorIndex, 0);
            ASSERT_LT(tile.colorIndex, 6);
            EXPECT_TRUE(sameColor(tile.color, themes[5].tileColors[tile.colorIndex]));
        }
        for (int s = 4; s < kMarkerSlot; ++s) {
            const Tile& blank = tiles[c][s];
            EXPECT_TRUE(sameColor(blank.color, PackedColor{255, 255, 255, 255}));
            EXPECT_EQ(blank.column, 0);
            EXPECT_EQ(blank.slot, 0);
            EXPECT_FALSE(blank.vanished || blank.selected);
        }
        const Tile& marker = tiles[c][kMarkerSlot];
        EXPECT_TRUE(sameColor(marker.color, PackedColor{0, 0, 0, static_cast<std::uint8_t>((c + 1) * 20)}));
        EXPECT_EQ(marker.column, c);
        EXPECT_EQ(marker.slot, kMarkerSlot);
    }
}

TEST_F(FillBoard, ColorsAreRandomAcrossTheBoard)
{
    fillBoard();
    bool seen[6] = {};
    for (int c = 0; c < kColumns; ++c)
        for (int s = 0; s < 4; ++s)
            seen[tiles[c][s].colorIndex] = true;
    int distinct = 0;
    for (bool b : seen)
        distinct += b;
    // 24 draws from six colours: fewer than three distinct ones would mean
    // the generator is not being used (odds of it by chance are about 1e-12).
    EXPECT_GE(distinct, 3);
}

TEST(TileOperations, ClearAndBlankKeepWhatTheyShould)
{
    Tile tile;
    tile.color = PackedColor{200, 10, 10, 255};
    tile.setPosition(3, 7);
    tile.selected = true;
    tile.marked = 1;
    tile.vanished = true;
    tile.startFade(30);
    tile.clearAnimation();
    EXPECT_TRUE(sameColor(tile.color, PackedColor{200, 10, 10, 255}));
    EXPECT_EQ(tile.getPosition().column, 3);
    EXPECT_EQ(tile.getPosition().slot, 7);
    EXPECT_FALSE(tile.selected || tile.vanished || tile.fading || tile.sliding);
    EXPECT_EQ(tile.marked, 0);
    EXPECT_EQ(tile.fadeLength, 0);

    tile.vanished = true;
    tile.colorIndex = 4;
    tile.resetToBlank();
    EXPECT_TRUE(sameColor(tile.color, packColor(255, 255, 255)));
    EXPECT_EQ(tile.column, 0);
    EXPECT_EQ(tile.slot, 0);
    EXPECT_TRUE(tile.vanished) << "blanking leaves the vanished flag alone";
    EXPECT_EQ(tile.colorIndex, 4);
}

TEST(TileOperations, AnimationsStartWithHalvedFrameCounts)
{
    Tile tile;
    tile.setPosition(2, 5);
    tile.startFade(30);
    EXPECT_EQ(tile.fadeLength, 15);
    EXPECT_DOUBLE_EQ(tile.fadePerFrame, 17);
    tile.startSlide(GridPos{2, 3}, 20);
    EXPECT_EQ(tile.slideLength, 10);
    EXPECT_DOUBLE_EQ(tile.slidePerFrame, 0.6);
    tile.riseOneSlot(100);
    EXPECT_EQ(tile.slideLength, 50);
    EXPECT_DOUBLE_EQ(tile.slidePerFrame, -0.06);
    EXPECT_EQ(tile.slot, 5) << "the rules move the tile, not the slide";
}

}  // namespace
