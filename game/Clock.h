#pragma once
// The game clock: every tick runs at most one rule step and asks for a frame.

constexpr unsigned kClockIntervalMs = 2;

// GLUT timer callback; re-arms itself.
void onTimer(int value);

// Runs the rule step that the current phase asks for, if any.
void runPhaseStep();
