#include "game/GameController.h"

#include "game/GlobalObjects.h"
#include "game/Score.h"

namespace {
constexpr int kPointsPerAward = 100;
}  // namespace

// Turns each 100 points into one award, one per call; the award number comes
// from the current score, so a big jump arms the same slot repeatedly.
int GameController::checkAward()
{
    const int score = numberDisplay.getValue();
    if (score - awardMark < kPointsPerAward)
        return kNoAward;
    awardMark += kPointsPerAward;
    return (score / kPointsPerAward - 1) % kPowerButtonCount;
}

void addToScore(int points)
{
    numberDisplay.setValue(numberDisplay.getValue() + points);
}
