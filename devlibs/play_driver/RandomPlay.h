#pragma once
// A randomized player for the game's rules: it interleaves picks on random
// cells, frames, clock ticks, turntable drags, power-up presses and theme
// steps, the way a user and the clock may in any order, and checks the
// board's rules after every step: counts within the board (20 only once the
// game is over), markers in place while it runs, a valid phase (Wait after
// the end), only theme tiles in play, no empty board left waiting and no "-3"
// flag left once its removal is over.  Games that end are followed by new
// ones.

#include <string>

struct RandomPlayReport {
    long steps = 0;           // steps run, up to the first broken rule
    long picks = 0;
    long frames = 0;
    long ticks = 0;
    long drags = 0;
    long buttonPresses = 0;
    long powerUpsApplied = 0;  // presses of an armed button, which applied its effect
    long awardsUsed = 0;       // of those, buttons an award had armed (the rest the player armed)
    long themeSteps = 0;
    long removals = 0;         // Pop steps that marked tiles
    long cascades = 0;         // Settle steps that found a line
    long rises = 0;            // NewRow steps
    long gamesOver = 0;
    long gamesGivenUp = 0;     // games that went on too long without a rise
    std::string failure;       // the first broken rule, with the steps before it; empty if none
};

// Plays `steps` steps from a fresh game seeded by `seed`.  Needs the themes
// loaded and a current OpenGL context (tiles draw themselves).
RandomPlayReport playRandomly(long steps, unsigned seed);
