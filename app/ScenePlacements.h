#pragma once
// Where the frame puts the tower and the overlays, and the frame a pick reads
// its hit in.  Each placement is a translate followed by a scale, in single
// precision as glTranslatef and glScalef take them.  The frame never pushes
// the matrix: an overlay is taken off again by its exact inverse steps.

struct Placement {
    float x, y, z;  // the translation
    float scaleX, scaleY, scaleZ;
};

// The tower below the eye, squashed in height so that its twenty slots fit
// the view; the turntable turns it inside this frame.
constexpr Placement kBoardFrame{0, -28, 0, 1.5f, 0.8f, 1.5f};

// The pick's frame, on top of the turned board frame: a point (x, y, z) in
// it is the board point (1.5 x, 0.8 y - 35, 1.5 z), so that the tile box is
// a simple range test.
constexpr Placement kPickFrame{0, -35, 0, 1.5f, 0.8f, 1.5f};

// The power-up buttons and the running score, right of the tower; drawn
// before the board frame, so they do not turn.
constexpr Placement kButtonOverlay{-15, -15, 0, 3, 3, 3};
constexpr Placement kScoreOverlay{10, -5, 0, 5, 5, 5};

// The final score stands in front of the tower at this fixed turn.
constexpr double kGameOverAngle = 7.0;

// Multiplies the placement onto the current matrix.
void multiplyPlacement(const Placement& placement);

// Multiplies its inverse: the reciprocal scale (1 / 3 is 0.33333334 in
// single precision), then the negated translation.
void undoPlacement(const Placement& placement);
