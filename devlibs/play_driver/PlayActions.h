#pragma once
// What the mouse and the clock do to the game, without the window: the
// effect of a pick, of a button press, and ticks with the game's own frame
// (drawScene in app/Frame.h) between them.

// The effect of picking cell (column, slot): the cell is selected and the
// game goes to Pop, whatever it was doing.
void pickCell(int column, int slot);

// A press on power-up button `slot`: its effect applies if it is armed, or
// whenever `force` is set; either way it ends disarmed.
void pressPowerButton(int slot, bool force);

// The game waits and no tile in play that is drawn is animating.
bool boardIsStill();

// Runs clock ticks, each followed by the game's frame, until the board is
// still; false if it is not still after `maxTicks` ticks (a turn that never
// ends is a fault the caller must see).  Needs a current OpenGL context.
[[nodiscard]] bool playUntilStill(int maxTicks);
