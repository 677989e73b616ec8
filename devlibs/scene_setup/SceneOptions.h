#pragma once
// Which moment of a game to show, as chosen on a tool's command line.

#include "game/Board.h"
#include "pieces/PowerButton.h"

#include <cstdio>
#include <string>

enum class BoardState {
    Start,     // four random tiles per column, as a game begins
    Full,      // 19 tiles in every column, the most the frame ever draws
    Fading,    // the start board with a group of three tiles fading out
    GameOver,  // a column has reached the top: final score in front
};

struct SceneOptions {
    BoardState board = BoardState::Start;
    int theme = kStartTheme;
    double angle = 0;      // turntable degrees (ignored once the game is over)
    int score = 0;
    int fadeFrame = 0;     // which of the fade's frames to show; 0: the default
    unsigned seed = 1;     // tile colours are random but repeatable
    bool armed[kPowerButtonCount] = {};  // by slot: "+", "-3", "Stop"
    bool columnColors = false;  // every tile opaque in its column's own flat colour
};

// Reads a whole decimal number from `low` to `high`, nothing after it: the
// tools' numeric arguments.
bool parseInteger(const char* text, long low, long high, long& value);

// The fade frame fading tiles show when none is asked for: mid-fade.
constexpr int kDefaultFadeFrame = 8;

// Prints the option lines of a usage message, with the ranges and defaults
// the options have.  Uses only constants: it runs before the global objects
// are built.
void printSceneOptionsUsage(std::FILE* out);

// Reads "--board NAME", "--theme N", "--angle DEG", "--score N",
// "--fade-frame K", "--seed N", "--armed LIST" and the flag
// "--column-colours" from args[0 .. count-1].
// Returns false with a message in `error` for anything else or a bad value.
bool parseSceneOptions(int count, char** args, SceneOptions& options, std::string& error);
