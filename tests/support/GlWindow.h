#pragma once
// A real OpenGL context for tests: one 800 x 800 double-buffered GLUT window
// (under Xvfb when there is no screen), shared by every test of the program.

#include <array>

// Opens the window on first use and makes its context current, drawing and
// reading the back buffer; without a display the test is skipped.
void useGlWindow();

// Lets GLUT handle its pending window events (mapping, reshape).
void pumpGlEvents();

// The colour of one back-buffer pixel, window coordinates from the bottom left.
std::array<unsigned char, 4> readPixel(int x, int y);

// The depth of one back-buffer pixel.
float readDepth(int x, int y);

// The current modelview or projection matrix, column-major.
std::array<double, 16> currentMatrix(unsigned matrixName);
