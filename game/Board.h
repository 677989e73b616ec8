#pragma once
// The tower: six columns of twenty cells.  Slots 0 .. tileCount-1 of a column
// hold its tiles, bottom first; the cells above up to slot 18 are blank; slot
// 19 holds the column's marker, a translucent dark cap.

#include "game/Tile.h"

constexpr int kColumns = 6;
constexpr int kSlots = 20;
constexpr int kMarkerSlot = kSlots - 1;
constexpr int kNoneRemoved = 30;  // lowestRemoved of a column that loses nothing

extern Tile tiles[kColumns][kSlots];
extern int tileCount[kColumns];      // tiles in play per column
extern int pendingCount[kColumns];   // the count once the running step completes
extern int removedCount[kColumns];   // tiles being removed by the running step
extern int lowestRemoved[kColumns];  // lowest slot being removed, kNoneRemoved if none

// Flood-fill directions 1..4: next column, slot above, previous column, slot below.
extern const int columnStep[5];
extern const int slotStep[5];

// No column holds a tile.
bool boardIsEmpty();

// The colour of column c's marker.
PackedColor markerColor(int column);

// Seeds the random generator from the clock, makes theme 5 current and gives
// every column four random tiles and its marker.
void fillBoard();

// Gives a tile a random colour of the current theme.
void giveRandomColor(Tile& tile);
