#include "game/Clock.h"

#include "game/GameState.h"
#include "game/GlobalObjects.h"

void runPhaseStep()
{
    switch (gamePhase) {
    case kPhasePop:
        gameController.resolveSelection();
        break;
    case kPhaseFall:
        gameController.startFalls();
        break;
    case kPhaseSettle:
        gameController.settleBoard();
        break;
    case kPhaseRise:
        gameController.startRise();
        break;
    case kPhaseNewRow:
        gameController.finishRise();
        break;
    default:  // Idle, Wait and anything else: nothing to do
        break;
    }
}
