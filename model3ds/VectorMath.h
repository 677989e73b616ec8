#pragma once
// Single-precision vector helpers.  Defined here so that the normals, which
// call them for every face and vertex, get them inlined.

#include <cmath>

struct tVec3 {
    float x, y, z;
};

inline tVec3 Vec3Sub(tVec3 a, tVec3 b)
{
    return tVec3{a.x - b.x, a.y - b.y, a.z - b.z};
}

inline tVec3 Vec3Add(tVec3 a, tVec3 b)
{
    return tVec3{a.x + b.x, a.y + b.y, a.z + b.z};
}

inline tVec3 Vec3Cross(tVec3 a, tVec3 b)
{
    return tVec3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline tVec3 Vec3DivScalar(tVec3 v, float s)
{
    return tVec3{v.x / s, v.y / s, v.z / s};
}

// The length's square sum is formed in single precision, its root taken in
// double precision and rounded back to single.
inline tVec3 Vec3Normalize(tVec3 v)
{
    const float fSquares = v.x * v.x + v.y * v.y + v.z * v.z;
    const auto fLength = static_cast<float>(std::sqrt(static_cast<double>(fSquares)));
    return Vec3DivScalar(v, fLength);
}
