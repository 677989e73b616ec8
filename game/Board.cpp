#include "game/Board.h"

#include "game/GameState.h"
#include "game/GlobalObjects.h"

#include <cstdlib>
#include <ctime>

int gamePhase = kPhaseIdle;
bool gameOver = false;
int themeIndex = 0;

int tileCount[kColumns] = {kStartTiles, kStartTiles, kStartTiles, kStartTiles, kStartTiles, kStartTiles};
int pendingCount[kColumns] = {kStartTiles, kStartTiles, kStartTiles, kStartTiles, kStartTiles, kStartTiles};
int removedCount[kColumns] = {0, 0, 0, 0, 0, 0};
int lowestRemoved[kColumns] = {kNoneRemoved, kNoneRemoved, kNoneRemoved,
                               kNoneRemoved, kNoneRemoved, kNoneRemoved};

const int columnStep[5] = {0, 1, 0, -1, 0};
const int slotStep[5] = {0, 0, 1, 0, -1};

bool boardIsEmpty()
{
    for (int c = 0; c < kColumns; ++c)
        if (tileCount[c] > 0)
            return false;
    return true;
}

PackedColor markerColor(int column)
{
    return PackedColor{0, 0, 0, static_cast<std::uint8_t>((column + 1) * 20)};
}

void giveRandomColor(Tile& tile)
{
    const Theme& theme = themes[themeIndex];
    tile.colorIndex = theme.randomColorIndex();
    tile.color = theme.tileColors[tile.colorIndex];
}

void fillBoard()
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    themeIndex = kStartTheme;
    for (int c = 0; c < kColumns; ++c) {
        for (int s = 0; s < tileCount[c]; ++s) {
            tiles[c][s].setPosition(c, s);
            giveRandomColor(tiles[c][s]);
        }
    }
    for (int c = 0; c < kColumns; ++c) {
        tiles[c][kMarkerSlot].setPosition(c, kMarkerSlot);
        tiles[c][kMarkerSlot].color = markerColor(c);
    }
}
