#pragma once
// The board's turn about the vertical axis, in degrees, set by dragging.

struct Turntable {
    double angle = 0;  // kept inside (-360, 360)

    // Multiplies the turn onto the current matrix.
    void apply() const;
    double getAngle() const { return angle; }
    // Keeps the fraction and the sign: 725.5 gives 5.5, -370.25 gives -10.25.
    void setAngle(double x);
};

// The board's one turntable, defined with the other global objects.
extern Turntable turntable;
