#pragma once
// The one camera: the eye above the front of the tower looks at the origin,
// +y up, through a 120-degree vertical field of view.

struct CameraPoint {
    double x, y, z;
};

constexpr CameraPoint kCameraEye{0.0, 3.5, 25.0};
constexpr CameraPoint kCameraTarget{0.0, 0.0, 0.0};
constexpr CameraPoint kCameraUp{0.0, 1.0, 0.0};

constexpr double kFieldOfView = 120.0;
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 150.0;

// Multiplies the camera's look-at onto the current matrix.
void lookThroughCamera();
