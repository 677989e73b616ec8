#pragma once
// Composing one frame.

// Draws the whole scene into the back buffer (everything onDisplay does but
// the swap), and leaves the board matrix current for the next pick:
// the camera, the board frame (kBoardFrame), the turntable.
void drawScene();
