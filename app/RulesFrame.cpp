#include "app/RulesFrame.h"

#include "app/Camera.h"
#include "app/RulesWindow.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

RulesFrame rulesFrameOf(int width, int height)
{
    // A minimised window can report a side of 0; treat it as 1 so the scale
    // stays finite.
    const int shorter = std::max(1, std::min(width, height));
    RulesFrame frame;
    frame.scale = static_cast<double>(shorter) / kRulesWindowSize;
    frame.left = (width - shorter) / 2.0;
    frame.top = std::max(0, height - shorter) / 2.0;
    return frame;
}

double fieldOfViewOf(const RulesFrame& frame, int height)
{
    // Square and wide windows show the rules' own field of view unchanged.
    if (frame.top <= 0)
        return kFieldOfView;
    const double degrees = 180.0 / M_PI;
    const double halfRules = std::tan(kFieldOfView / 2 / degrees);
    const double shownHeight = height / (frame.scale * kRulesWindowSize);
    return 2 * std::atan(halfRules * shownHeight) * degrees;
}

RulesPoint pressInRulesWindow(const RulesFrame& frame, int x, int y)
{
    const double rulesX = (x - frame.left) / frame.scale;
    const double rulesYFromTop = (y - frame.top) / frame.scale;
    return {static_cast<float>(rulesX), static_cast<float>(kRulesWindowSize - rulesYFromTop)};
}

RulesFrame currentRulesFrame()
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    return rulesFrameOf(viewport[2], viewport[3]);
}
