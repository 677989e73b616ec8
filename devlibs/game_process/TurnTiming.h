#pragma once
// Timing one turn of the real game from its window: a tile of the column
// facing the camera is clicked, and the screen is watched closely to time the
// tile's fade and the rise of the tower that follows.  The game counts its
// animations in drawn frames, so these times show how fast frames come.
//
// The fade is timed from its first faded frame to the frame that shows the
// tile gone, 14 frame intervals of its 15 frames; the rise from the first
// lifted frame to the frame with the new row, 50 intervals.

#include "devlibs/game_process/GameProcess.h"
#include "game/Tile.h"
#include "themes/Theme.h"

#include <string>

constexpr int kFadeIntervals = kFadeFrames - 1;
constexpr int kRiseIntervals = kRiseFrames;

struct TurnTiming {
    std::string problem;   // empty when the turn was measured
    double fade = 0;       // milliseconds, first faded frame to the tile gone
    int fadeChanges = 0;   // screen changes seen on the tile during the fade
    double rise = 0;       // milliseconds, first lifted frame to the new row
    int riseChanges = 0;
};

// Pops a tile of the front column of a game that shows `theme` and is at
// rest, and times the fade and the rise.
TurnTiming timeOneTurn(const GameProcess& game, const Theme& theme);
