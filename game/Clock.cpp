#include "game/Clock.h"

#include "game/Board.h"

namespace {

using RuleStep = void (*)();

// The step each phase runs, by phase number; Idle and Wait run nothing, and
// so does any number past the table.
constexpr RuleStep kPhaseSteps[] = {
    nullptr,                                     // Idle
    [] { gameController.resolveSelection(); },  // Pop
    [] { gameController.startFalls(); },        // Fall
    [] { gameController.settleBoard(); },       // Settle
    [] { gameController.startRise(); },         // Rise
    [] { gameController.finishRise(); },        // NewRow
    nullptr,                                     // Wait
};

constexpr int kPhases = static_cast<int>(sizeof kPhaseSteps / sizeof kPhaseSteps[0]);
static_assert(kPhases == kPhaseWait + 1, "one entry per phase, in the phases' order");

RuleStep stepOfPhase(int phase)
{
    return phase >= 0 && phase < kPhases ? kPhaseSteps[phase] : nullptr;
}

}  // namespace

void runPhaseStep()
{
    if (const RuleStep step = stepOfPhase(gamePhase))
        step();
}

bool phaseHasStep()
{
    return stepOfPhase(gamePhase) != nullptr;
}
