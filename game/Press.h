#pragma once
// What a left press means once the pick (GameController::pick, in
// app/Input.cpp, which needs the window) has classified it: the tower as
// the pick sees it, the tile under a hit or the power-up slot of a press
// in a button rectangle (GameController::selectPickedTile and
// buttonFromClick, defined here), and the one rule for what the press does.

// ---- What the pick hit -----------------------------------------------------

// The pick unprojects a press into the pick frame, the board frame moved
// down 35 and scaled by (1.5, 0.8, 1.5): a pick-frame point (x, y, z) is the
// board point (1.5 x, 0.8 y - 35, 1.5 z).  The tile box and the rows are
// written in that frame with the rules' own values.  They are the slot pitch
// (3) and the marker slot (19) seen through it, but they stay written as
// they are: worked out in floating point they land a hair off (42.99999...,
// 114.89999...) and would move the pick's edges.

// Half the width and depth of the box: 7.5 board units round the axis.
constexpr double kTileBoxHalfWidth = 5;
// A fifth of a slot under slot 0: (35 - 0.2 * 3) / 0.8.
constexpr double kTileBoxBottom = 43;
// Just under the marker slot, which starts at (35 + 19 * 3) / 0.8 = 115.
constexpr double kTileBoxTop = 114.9;
// Where row 1 starts, one slot up: (35 + 3) / 0.8.
constexpr double kRowOneBottom = 47.5;
// The slot pitch: 3 / 0.8.
constexpr double kRowPitch = 3.75;

// A pick-frame height counted in rows of the tower: from k to k + 1 in row k.
inline double rowsUpTo(double y)
{
    return (y - kRowOneBottom) / kRowPitch + 1.0;
}

// A pick-frame point inside the tile box, bounds open.  A point with z = 0
// is left out: the column comes from x / z.
inline bool insideTileBox(double x, double y, double z)
{
    return -kTileBoxHalfWidth < x && x < kTileBoxHalfWidth && -kTileBoxHalfWidth < z && z < kTileBoxHalfWidth &&
           kTileBoxBottom < y && y < kTileBoxTop && z != 0;
}

// ---- The press rule --------------------------------------------------------

// What a left press does once the pick has said what it hit (hitCode): a
// tile press selects the tile under the hit and moves the game to Pop,
// whatever it was doing; a press in a button's rectangle uses that button's
// power-up if it is armed, and disarms it either way.  Every press ends with
// hitCode back at kHitNothing.
void actOnPress();
