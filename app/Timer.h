#pragma once
// When the game clock ticks and when it sleeps.  While the picture can change
// by itself the clock ticks every 2 ms: it runs the rule step of the phase and
// asks for a frame.  At rest it is not re-armed, and the game does not wake
// until the window reports something: a mouse event, a motion, a resize or an
// expose, whose callbacks wake the clock again.

// The frames a change of background needs: the clear colour is set after the
// clear, so the background reaches the screen a frame after everything else.
constexpr int kFramesForBackground = 2;

// Nothing can change the picture until the player or the window acts.
bool gameAtRest();

// The picture needs at least `count` more frames.
void oweFrames(int count);
int framesOwed();

// Arms a tick at once, unless one is due already.
void wakeClock();
// A tick is due.
bool clockIsArmed();

// Called after each frame is drawn: one owed frame is paid, and a frame that
// moved a tile owes the one after it.
void noteFrameDrawn(bool movedTiles);
