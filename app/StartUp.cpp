#include "app/Callbacks.h"

#include "game/GameState.h"
#include "game/GlobalObjects.h"
#include "themes/ThemeFile.h"

namespace {

// Builds each button from its label and gives it the current theme's colours.
void createPowerButtons()
{
    for (int slot = 0; slot < kPowerButtonCount; ++slot)
        powerButtons[slot] = PowerButton(kPowerButtonFacts[slot].label);
    const Theme& theme = themes[themeIndex];
    for (PowerButton& button : powerButtons) {
        button.armedColor = theme.armedColor;
        button.idleColor = theme.idleColor;
        button.armed = false;
    }
}

}  // namespace

void startUp()
{
    loadThemes(themes);
    fillBoard();
    createPowerButtons();
    numberDisplay.color = themes[themeIndex].numberColor;
    numberDisplay.setValue(0);
}
