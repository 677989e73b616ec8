#pragma once
// The game asks for a frame only when the picture would change.  A resting
// game (nothing animating, no rule step running, the tower not being turned,
// nothing else on screen changing) draws nothing: the clock keeps ticking,
// but a window left open no longer redraws the same picture sixty times a
// second.  Whenever GLUT asks for a frame itself (an expose, a resize) it is
// drawn all the same.

// The clock's question, after its rule step: whether to ask for a frame,
// because the scene differs from the one last drawn or frames are still
// owed.  When not, tells the frame pacing that frames have paused.
bool frameWanted();

// Called by the mouse callbacks: the player may have changed the scene.
void noteInput();

// Around the drawing of each frame, however it was asked for: a frame whose
// drawing changed the scene (an animation stepped, an award armed a button)
// is followed by more.
void noteFrameStarts();
void noteFrameDrawn();
