#include "devlibs/play_driver/PlayActions.h"

#include "app/Frame.h"
#include "game/Board.h"
#include "game/Clock.h"
#include "game/Press.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
// How far from the axis a press meets the tower, in the pick frame: inside
// the tile box and clear of the faces' borders.
constexpr double kHitRadius = 4;

}  // namespace

void pickCell(int column, int slot)
{
    // Column c faces c x 60 degrees from +z towards +x; the middle of row r
    // lies half a row pitch above where it starts.
    const double facing = column * kColumnAngle * kPi / 180;
    gameController.hitX = kHitRadius * std::sin(facing);
    gameController.hitY = kRowOneBottom + (slot - 0.5) * kRowPitch;
    gameController.hitZ = kHitRadius * std::cos(facing);
    gameController.hitCode = kHitTile;
    actOnPress();
}

void pressPowerButton(int slot)
{
    const PressRectangle& press = kPowerButtonFacts[slot].press;
    gameController.clickX = (press.left + press.right) / 2;
    gameController.clickY = (press.bottom + press.top) / 2;
    gameController.hitCode = kHitButton;
    actOnPress();
}

bool boardIsStill()
{
    return gamePhase == kPhaseWait && !anyDrawnTileMoving();
}

bool playUntilStill(int maxTicks)
{
    for (int tick = 1; tick <= maxTicks; ++tick) {
        runPhaseStep();
        drawScene();
        if (boardIsStill())
            return true;
    }
    return false;
}
