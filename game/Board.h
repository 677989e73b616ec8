#pragma once
// The state of play, all of it global: the phase and the game's flags; the
// tower, six columns of twenty cells; the game's objects that have
// constructors; and a new game, laid out at start-up or put back by the
// tests and the soak player between games.
//
// A column's slots 0 .. tileCount-1 hold its tiles, bottom first; the cells
// above up to slot 18 are blank; slot 19 holds the column's marker, a
// translucent dark cap.

#include "game/GameController.h"
#include "game/Tile.h"
#include "pieces/NumberDisplay.h"
#include "pieces/PowerButton.h"
#include "themes/Theme.h"

// ---- Phase and flags -------------------------------------------------------

// What the clock runs next.
enum GamePhase {
    kPhaseIdle = 0,    // nothing picked yet
    kPhasePop = 1,     // tiles are selected: resolve them
    kPhaseFall = 2,    // the fades have ended: start the falls
    kPhaseSettle = 3,  // the falls have ended: compact and look for lines
    kPhaseRise = 4,    // the turn's removals are done: lift the tower
    kPhaseNewRow = 5,  // the lift has ended: add the new bottom row
    kPhaseWait = 6,    // animations are running, or the turn is over
};

extern int gamePhase;    // a GamePhase value
extern bool gameOver;    // a column reached the top; never cleared
extern int themeIndex;   // the current theme, 0..11

constexpr int kStartTheme = 5;  // the theme every game starts in

// A new game's phase, flag and theme: Idle, not over, the start theme.
void resetGameFlags();

// ---- The cells -------------------------------------------------------------

constexpr int kColumns = 6;
constexpr int kSlots = 20;                      // the cells of a column, its marker's included
constexpr int kMarkerSlot = kSlots - 1;
constexpr int kTilesBelowMarker = kMarkerSlot;  // the most tiles a column holds while the game runs
constexpr int kTilesThatEndGame = kSlots;       // a column that reaches this many ends the game
constexpr int kStartTiles = 4;                  // tiles per column when a game starts

// lowestRemoved of a column that loses nothing.  The rules' own value: any
// number above the top slot would do, and tests compare against it.
constexpr int kNoneRemoved = 30;

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

// Calls action(tile) on every tile in play, column by column, slot 0 up.
template <typename Action>
void forEachTileInPlay(Action action)
{
    for (int c = 0; c < kColumns; ++c)
        for (int s = 0; s < tileCount[c]; ++s)
            action(tiles[c][s]);
}

// Calls action(tile) on every cell the frame draws, in its order: the tiles
// in play that have not vanished, then, while the game runs, the markers.
template <typename Action>
void forEachDrawnTile(Action action)
{
    forEachTileInPlay([&](Tile& tile) {
        if (!tile.vanished)
            action(tile);
    });
    if (!gameOver)
        for (int c = 0; c < kColumns; ++c)
            action(tiles[c][kMarkerSlot]);
}

// Some cell the frame draws is fading or sliding, so the next frame differs.
// Blank cells may keep a vanished tile's flags; they are not drawn.
bool anyDrawnTileMoving();

// Gives a tile a random colour of the current theme.
void giveRandomColor(Tile& tile);

// ---- The global objects ----------------------------------------------------

// The objects with constructors: the tiles above and those below; the
// turntable is the window's (app/Frame.h).  All of them are defined together
// in app/StartUp.cpp, whose order is their order of construction.
extern PowerButton powerButtons[kPowerButtonCount];  // "+", "-3", "Stop"
extern Theme themes[kThemeCount];
extern NumberDisplay numberDisplay;
extern GameController gameController;

// ---- A new game ------------------------------------------------------------

// The board of a new game in the current theme: `tilesPerColumn` tiles at
// their cells in every column, their colours drawn at random one rand value
// per tile, column by column from slot 0 up; every cell above them blank;
// the markers in place; no removal under way.  Every cell loses its flags
// and animations.
void layOutBoard(int tilesPerColumn);

// The game's start: seeds the random generator from the clock, makes the
// start theme current and lays out kStartTiles tiles per column.
void fillBoard();

// Every piece of game state back to a known start, so that tests and the
// soak tool can play one game after another in the same process; the view
// (the turntable) belongs to the window, which resets it itself.  An empty
// board: every cell blank, the six markers in place, all counts 0; phase
// Idle, game not over, the start theme, no power-up pending or armed,
// score 0.  The themes must already be loaded.
void clearGame();

// A new game as at start-up, kStartTiles random tiles per column, with the
// colours drawn from `seed` so that a run can be repeated.
void startFreshGame(unsigned seed);
