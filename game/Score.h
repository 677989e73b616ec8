#pragma once
// The score is the value the number display shows.

constexpr int kPointsPerPoppedTile = 2;
constexpr int kPointsPerClearedTile = 4;  // removed by "-3"

void addToScore(int points);
