#include "game/GameController.h"

#include "game/GlobalObjects.h"
#include "game/Score.h"

// Turns each 100 points into one award, one per call; the award number comes
// from the current score, so a big jump arms the same slot repeatedly.
int GameController::checkAward()
{
    if (!awardWaiting())
        return kNoAward;
    awardMark += kPointsPerAward;
    return (numberDisplay.getValue() / kPointsPerAward - 1) % kPowerButtonCount;
}

bool awardWaiting()
{
    return numberDisplay.getValue() - gameController.awardMark >= kPointsPerAward;
}

void addToScore(int points)
{
    numberDisplay.setValue(numberDisplay.getValue() + points);
}
