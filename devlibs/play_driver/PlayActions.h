#pragma once
// What the mouse and the window do to the game, without the window: the
// effect of a pick, of a button press and of drawing a frame.

// The effect of picking cell (column, slot): the cell is selected and the
// game goes to Pop, whatever it was doing.
void pickCell(int column, int slot);

// A press on power-up button `slot`: its effect applies if it is armed, or
// whenever `force` is set; either way it ends disarmed.
void pressPowerButton(int slot, bool force);

// What a frame does to the game: arms an awarded button, then draws (and so
// advances) every visible tile in play and, while the game runs, the markers.
// Needs a current OpenGL context.
void drawBoardFrame();

// The game waits and no tile in play that is drawn is animating.
bool boardIsStill();

// Runs clock ticks, each followed by a frame, until the board is still or
// `maxTicks` have passed; returns the ticks run.
int playUntilStill(int maxTicks);
