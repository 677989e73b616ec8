#pragma once
// The window's GLUT callbacks and the start-up sequence.

// Reads the themes, fills the board, builds the power-up buttons and resets
// the score display.  Runs once, after the window exists.
void startUp();

// Viewport, projection and camera for a window of the given size.
void onReshape(int width, int height);

// The game clock: unless the game is at rest (app/Timer.h), runs one rule
// step, asks for a frame and re-arms itself.
void onTimer(int value);

// Draws one frame of the scene and swaps buffers once the frame is due.
void onDisplay();

// Left press: pick a tile or a button; right press: step the theme; any
// event once the game is over: quit.
void onMouse(int button, int state, int x, int y);

// Dragging turns the tower one degree per pixel of the rules window.
void onMotion(int x, int y);
