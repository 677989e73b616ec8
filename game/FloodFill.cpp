#include "game/GameController.h"

#include "game/Board.h"
#include "game/GlobalObjects.h"

// Marks the 4-connected group of cells of the given colour around a cell:
// round the ring of columns and up and down the column, never beyond the
// board (upwards the marker normally ends the search, but the rise that ends
// the game overwrites it).  A cell is marked
// when it is first reached, so it enters the work list at most once and the
// list never holds more than the board's cells.
void GameController::floodMark(int column, int slot, PackedColor color)
{
    GridPos toVisit[kColumns * kSlots];
    int waiting = 0;
    auto reach = [&](int c, int s) {
        if (s < 0 || s >= kSlots)
            return;
        Tile& tile = tiles[c][s];
        if (!sameColor(tile.color, color) || tile.marked != 0)
            return;
        tile.marked = 1;
        toVisit[waiting++] = GridPos{c, s};
    };

    reach(column, slot);
    while (waiting > 0) {
        const GridPos cell = toVisit[--waiting];
        for (int d = 1; d <= 4; ++d)
            reach((cell.column + columnStep[d] + kColumns) % kColumns, cell.slot + slotStep[d]);
    }
}
