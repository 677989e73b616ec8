#pragma once
// The score is the value the number display shows.

constexpr int kPointsPerPoppedTile = 2;
constexpr int kPointsPerClearedTile = 4;  // removed by "-3"
constexpr int kPointsPerAward = 100;      // each arms one power-up button

void addToScore(int points);

// The score holds points not yet turned into an award: checkAward's next
// call arms a button.
bool awardWaiting();
