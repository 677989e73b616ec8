#pragma once
// The player's input, all of it the mouse: a left press picks a tile or a
// power-up button, a right press steps the colour theme, and dragging turns
// the tower.

// ---- The mouse -------------------------------------------------------------

// Left press: pick a tile or a button; right press: step the theme; any
// event once the game is over: quit.
void onMouse(int button, int state, int x, int y);

// Dragging turns the tower one degree per pixel of the rules window.
void onMotion(int x, int y);

// ---- Picking ---------------------------------------------------------------

// GameController::pick, which finds what lies under a left press, is
// declared with the controller (game/GameController.h) and defined here: it
// reads the depth buffer and unprojects through GLU.
