#pragma once
// The game's shared state flags.

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
