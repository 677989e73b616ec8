#include "app/Turntable.h"

#include <GL/gl.h>

#include <cmath>

void Turntable::apply() const
{
    glRotated(angle, 0, 1, 0);
}

void Turntable::setAngle(double x)
{
    constexpr double kIntegerRange = 9.0e18;  // what a long long holds with room to spare
    if (std::fabs(x) < kIntegerRange) {
        const long long wholeTurns = static_cast<long long>(x) / 360;
        angle = x - 360.0 * static_cast<double>(wholeTurns);
    } else {
        angle = std::isfinite(x) ? std::fmod(x, 360.0) : 0.0;
    }
}
