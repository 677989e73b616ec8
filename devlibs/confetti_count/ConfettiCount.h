#pragma once
// How much of a tower's picture comes from the columns turned away from the
// camera: drawn in the column-colours view, every pixel of a tile or marker
// tells its column.

#include "game/Board.h"

struct ConfettiCount {
    long perColumn[kColumns] = {};     // pixels showing each column
    bool turnedAway[kColumns] = {};    // the eye lies behind the column's outer face

    long towerPixels() const;
    long turnedAwayPixels() const;
    double share() const;  // turned-away pixels over tower pixels, 0..1
};

// Turns the turntable to `angle`, draws the game's frame and counts its
// pixels.  The board must be set up in the column-colours view, and one
// frame drawn before (the first frame clears to black).
ConfettiCount countConfetti(double angle);
