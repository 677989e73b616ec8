#pragma once
// The game clock's rule side: every tick runs at most one rule step.  The
// window's timer (onTimer in app/) ticks it and asks for a frame.

constexpr unsigned kClockIntervalMs = 2;

// Runs the rule step that the current phase asks for, if any.
void runPhaseStep();

// Whether the current phase has a rule step; Idle and Wait have none.
bool phaseHasStep();
