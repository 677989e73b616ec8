#pragma once
// The board's standing rules, as the random player and the rules tests check
// them after a step.

// Column c's marker is as the board placed it: at cell (c, 19) in the
// column's marker colour.  Only the rise that ends the game overwrites it.
bool markerInPlace(int column);

// Column c holds no fewer than no tiles and no more than fit below its
// marker; once the game is over, up to a full column.
bool countWithinBoard(int column);
