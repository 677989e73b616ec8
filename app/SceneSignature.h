#pragma once
// A fingerprint of everything a frame shows: two scenes with the same
// fingerprint draw the same picture.  Cheap enough to take on every clock
// tick.

#include <cstdint>

// Covers what the game's lists mark as shown (kBoardState, the board's
// globals; kGameControllerFields; kTileFields, for every cell of the tower),
// the turn, the score and its colour, and the buttons.  The game phase and
// the award mark are among the shown, so that a rule step or a pending award
// counts as a change.
std::uint64_t sceneSignature();
