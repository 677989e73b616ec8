#include "game/Board.h"

#include "game/ThemeColors.h"

#include <cstdlib>
#include <ctime>

// ---- Phase and flags -------------------------------------------------------

int gamePhase = kPhaseIdle;
bool gameOver = false;
int themeIndex = 0;

void resetGameFlags()
{
    gamePhase = kPhaseIdle;
    gameOver = false;
    themeIndex = kStartTheme;
}

// ---- The cells -------------------------------------------------------------

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

bool anyDrawnTileMoving()
{
    bool moving = false;
    forEachDrawnTile([&](const Tile& tile) { moving = moving || tile.fading || tile.sliding; });
    return moving;
}

void giveRandomColor(Tile& tile)
{
    const Theme& theme = themes[themeIndex];
    tile.colorIndex = theme.randomColorIndex();
    tile.color = theme.tileColors[tile.colorIndex];
}

// ---- The global objects ----------------------------------------------------

// Defined in app/StartUp.cpp, the one file that orders their construction.

// ---- A new game ------------------------------------------------------------

namespace {

// A cell as a new game finds it: blank, with no flags or animation.
void clearCell(Tile& tile)
{
    tile.clearAnimation();
    tile.resetToBlank();
    tile.colorIndex = 0;
}

}  // namespace

void layOutBoard(int tilesPerColumn)
{
    for (int c = 0; c < kColumns; ++c) {
        tileCount[c] = pendingCount[c] = tilesPerColumn;
        removedCount[c] = 0;
        lowestRemoved[c] = kNoneRemoved;
        for (int s = 0; s < kSlots; ++s)
            clearCell(tiles[c][s]);
        for (int s = 0; s < tilesPerColumn; ++s) {
            tiles[c][s].setPosition(c, s);
            giveRandomColor(tiles[c][s]);
        }
        tiles[c][kMarkerSlot].setPosition(c, kMarkerSlot);
        tiles[c][kMarkerSlot].color = markerColor(c);
    }
}

void fillBoard()
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    themeIndex = kStartTheme;
    layOutBoard(kStartTiles);
}

void clearGame()
{
    resetGameFlags();
    layOutBoard(0);
    gameController = GameController();
    for (PowerButton& button : powerButtons)
        button.armed = false;
    colorPiecesFromTheme();
    numberDisplay.setValue(0);
}

void startFreshGame(unsigned seed)
{
    clearGame();
    std::srand(seed);
    layOutBoard(kStartTiles);
}
