#include "devlibs/play_driver/BoardChecks.h"

#include "game/Board.h"

bool markerInPlace(int column)
{
    const Tile& marker = tiles[column][kMarkerSlot];
    return sameColor(marker.color, markerColor(column)) && marker.column == column && marker.slot == kMarkerSlot;
}

bool countWithinBoard(int column)
{
    const int most = gameOver ? kTilesThatEndGame : kTilesBelowMarker;
    return tileCount[column] >= 0 && tileCount[column] <= most;
}
