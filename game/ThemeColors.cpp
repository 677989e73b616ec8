#include "game/ThemeColors.h"

#include "game/Board.h"
#include "game/GameController.h"
#include "themes/Theme.h"

void colorPiecesFromTheme()
{
    const Theme& theme = themes[themeIndex];
    for (PowerButton& button : powerButtons) {
        button.idleColor = theme.idleColor;
        button.armedColor = theme.armedColor;
    }
    numberDisplay.color = theme.numberColor;
}

// Everything that carries a copy of a theme colour takes the new theme's:
// tiles in play by their colour index, the score and the buttons.  Markers
// and blank cells keep their colours; the background follows by itself.
void GameController::stepTheme(int direction)
{
    themeIndex = steppedThemeIndex(themeIndex, direction);
    const Theme& theme = themes[themeIndex];
    for (int c = 0; c < kColumns; ++c)
        for (int s = 0; s < tileCount[c]; ++s)
            tiles[c][s].color = theme.tileColors[tiles[c][s].colorIndex];
    colorPiecesFromTheme();
}
