#pragma once
// The score and what it earns: points for the tiles a turn removes, one
// award each 100 points, and the three power-ups the awards arm ("Stop",
// "-3", "+").  The score is the value the number display shows.  The
// award step (GameController::checkAward) and the use of a power-up
// (GameController::applyPowerUp) are defined here.

// ---- Score -----------------------------------------------------------------

constexpr int kPointsPerPoppedTile = 2;
constexpr int kPointsPerClearedTile = 4;  // removed by "-3"

void addToScore(int points);

// ---- Awards ----------------------------------------------------------------

constexpr int kPointsPerAward = 100;  // each arms one power-up button

// The score holds points not yet turned into an award: checkAward's next
// call arms a button.
bool awardWaiting();
