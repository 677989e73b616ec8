#pragma once
// What the mouse and the clock do to the game, without the window: presses
// classified as the pick would classify them, handed to the game's own press
// rule, and ticks with the game's own frame (drawScene in app/Frame.h)
// between them.

// A press on cell (column, slot): a hit in the pick frame at the middle of
// the cell's row, straight out from the axis where its column faces.  It selects that cell and moves the game to Pop, except
// where the game's pick gives the hit to another cell: above a short column 1
// or 5 the press belongs to column 2 or 4.
void pickCell(int column, int slot);

// A press in the middle of power-up button `slot`'s rectangle: its power-up
// applies if it is armed, and it ends disarmed.
void pressPowerButton(int slot);

// The game waits and no tile the frame draws is animating.
bool boardIsStill();

// Runs clock ticks, each followed by the game's frame, until the board is
// still; false if it is not still after `maxTicks` ticks (a turn that never
// ends is a fault the caller must see).  Needs a current OpenGL context.
[[nodiscard]] bool playUntilStill(int maxTicks);
