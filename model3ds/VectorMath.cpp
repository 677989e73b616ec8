#include "model3ds/ModelData.h"

#include <cmath>

tVec3 Vec3Sub(tVec3 a, tVec3 b)
{
    return tVec3{a.x - b.x, a.y - b.y, a.z - b.z};
}

tVec3 Vec3Add(tVec3 a, tVec3 b)
{
    return tVec3{a.x + b.x, a.y + b.y, a.z + b.z};
}

tVec3 Vec3Cross(tVec3 a, tVec3 b)
{
    return tVec3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

tVec3 Vec3DivScalar(tVec3 v, float s)
{
    return tVec3{v.x / s, v.y / s, v.z / s};
}

tVec3 Vec3Normalize(tVec3 v)
{
    const float fSquares = v.x * v.x + v.y * v.y + v.z * v.z;
    const auto fLength = static_cast<float>(std::sqrt(static_cast<double>(fSquares)));
    return Vec3DivScalar(v, fLength);
}
