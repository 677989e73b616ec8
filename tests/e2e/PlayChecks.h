#pragma once
// What the end-to-end tests look for in the game's window: theme colours,
// regions of the window, and a working directory whose start theme has one
// tile colour only.

#include "devlibs/game_process/GameProcess.h"
#include "devlibs/game_process/ShownColor.h"
#include "game/Board.h"
#include "pieces/PowerButton.h"
#include "themes/Theme.h"

#include <functional>
#include <string>
#include <vector>

// A rectangle of the window, from its top-left corner.
struct Region {
    int x0, y0, x1, y1;
};

// Where the running score stands in the 800 x 800 window.
constexpr Region kScoreColumn{600, 60, 760, 320};
// The rectangle of the 800 x 800 window that presses power-up button `slot`.
Region pressRegionOf(int slot);

std::string assetDirectory();
const Theme& shippedTheme(int index);

int changedIn(const Screenshot& before, const Screenshot& after, Region r);
// How many pixels of the region show the colour.
int pixelsOfColor(const Screenshot& shot, Region r, PackedColor color);

// Polls screenshots until the condition holds or the time runs out.
bool waitFor(const GameProcess& game, double seconds, const std::function<bool(const Screenshot&)>& condition);

// The screen height of the middle of the lowest tile of the column facing
// the camera, standing at window x `middleX`: the first run of
// non-background pixels up from the bottom.
int lowestTileY(const Screenshot& shot, PackedColor background, int middleX);

// A working directory like assets/ whose start theme has one tile colour
// only, so that every pick pops the whole board.
class OneColorAssets {
public:
    OneColorAssets();
    ~OneColorAssets();
    OneColorAssets(const OneColorAssets&) = delete;
    OneColorAssets& operator=(const OneColorAssets&) = delete;
    const std::string& path() const { return directory_; }

private:
    std::string directory_;
};
