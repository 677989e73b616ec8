#include "devlibs/play_driver/BoardChecks.h"
#include "game/Board.h"
#include "tests/game/RulesFixture.h"
#include "themes/Theme.h"

namespace {

using ThemeStepping = RulesTest;

TEST_F(ThemeStepping, WrapsAtBothEnds)
{
    themeIndex = 11;
    gameController.stepTheme(1);
    EXPECT_EQ(themeIndex, 0);
    gameController.stepTheme(-1);
    EXPECT_EQ(themeIndex, 11);
    gameController.stepTheme(0);
    EXPECT_EQ(themeIndex, 10) << "zero steps back";
}

TEST_F(ThemeStepping, RecolorsTilesInPlayOnly)
{
    setColumn(0, "RGB");
    setColumn(4, "C");
    tiles[0][2].startFade(30);
    tiles[0][2].color.a = 0;  // as a fade that has ended
    const PackedColor blank = tiles[0][3].color;
    gameController.stepTheme(1);
    EXPECT_EQ(themeIndex, 6);
    EXPECT_EQ(columnText(0), "RGB") << "each tile takes its colour index's colour, alpha included";
    EXPECT_EQ(columnText(4), "C");
    EXPECT_TRUE(tiles[0][2].fading) << "a running fade goes on";
    EXPECT_TRUE(sameColor(tiles[0][3].color, blank));
    for (int c = 0; c < kColumns; ++c)
        EXPECT_TRUE(markerInPlace(c)) << "column " << c;
}

TEST_F(ThemeStepping, ButtonsAndScoreTakeTheFileColors)
{
    ASSERT_TRUE(loadThemes(themes));
    powerButtons[kSlotStop].armed = true;
    for (int step = 0; step < kThemeCount; ++step) {
        gameController.stepTheme(1);
        const Theme& theme = themes[themeIndex];
        EXPECT_TRUE(sameColor(numberDisplay.color, theme.numberColor));
        for (const PowerButton& button : powerButtons) {
            EXPECT_TRUE(sameColor(button.armedColor, numberDisplay.color)) << "theme " << themeIndex;
            EXPECT_TRUE(sameColor(button.idleColor, theme.idleColor));
        }
    }
    EXPECT_TRUE(powerButtons[kSlotStop].armed);
    EXPECT_FALSE(powerButtons[kSlotColorSweep].armed);
}

}  // namespace
