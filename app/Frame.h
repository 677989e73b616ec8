#pragma once
// Composing one frame.

// Draws the whole scene into the back buffer (everything onDisplay does but
// the swap), and leaves the board matrix current for the next pick:
// camera, translate (0, -28, 0), scale (1.5, 0.8, 1.5), turntable.
void drawScene();
