#pragma once
// Puts every piece of game state back to a known start, so that tests and the
// soak tool can play one game after another in the same process.  The view
// (the turntable) belongs to the window, which resets it itself.

// An empty board: every cell blank, the six markers in place, all counts 0;
// phase Idle, game not over, the start theme, no power-up pending or armed,
// score 0.  The themes must already be loaded.
void clearGame();

// A new game as at start-up, kStartTiles random tiles per column, with the
// colours drawn from `seed` so that a run can be repeated.
void startFreshGame(unsigned seed);
