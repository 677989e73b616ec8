#pragma once
// A fingerprint of everything a frame shows: two scenes with the same
// fingerprint draw the same picture.  Cheap enough to take on every clock
// tick.

#include <cstdint>

// Covers the theme, the turn, the score and its colour, the buttons, every
// cell of the tower with its colour, place and animation, the column counts,
// the game-over flag, and also the game phase and the award mark, so that a
// rule step or a pending award counts as a change.
std::uint64_t sceneSignature();
