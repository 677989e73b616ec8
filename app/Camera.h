#pragma once
// The one camera: the eye at (0, 3.5, 25) looks at the origin, +y up,
// through a 120-degree vertical field of view.

constexpr double kFieldOfView = 120.0;
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 150.0;

// Multiplies the camera's look-at onto the current matrix.
void lookThroughCamera();
