#pragma once
// The camera and the board matrix written out from the rules' own numbers,
// independently of the game's code: the one statement the frame and the
// window set-up are checked against.  Tests that only need a matrix like
// the scene's use these too, rather than a copy.

#include <array>

// The eye at (0, 3.5, 25) looking at the origin, +y up.
std::array<double, 16> rulesCameraMatrix();

// The camera, then the board frame, translate (0, -28, 0) and scale
// (1.5, 0.8, 1.5), then the tower's turn of `angle` degrees about +y: the
// matrix every frame must leave current for the next pick.
std::array<double, 16> rulesBoardMatrix(double angle);
