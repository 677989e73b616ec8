#include "game/PieceColors.h"

#include "game/GameState.h"
#include "game/GlobalObjects.h"

void colorPiecesFromTheme()
{
    const Theme& theme = themes[themeIndex];
    for (PowerButton& button : powerButtons) {
        button.idleColor = theme.idleColor;
        button.armedColor = theme.armedColor;
    }
    numberDisplay.color = theme.numberColor;
}
