#pragma once
// A triangle mesh in model axes (x right, y up, z toward the viewer), built
// from convex solids, each face counter-clockwise seen from outside, and
// from open strips.

#include <array>
#include <cstdint>
#include <vector>

struct Point3 {
    float x, y, z;
};

struct Point2 {
    float x, y;
};

using Face = std::array<std::uint16_t, 3>;

// A closed ring of points: one cross-section of a solid.
using Loop = std::vector<Point3>;

struct Mesh {
    std::vector<Point3> vertices;
    std::vector<Face> faces;

    // Adds the convex solid spanned by a row of loops of equal size: the
    // first and last loops are capped, neighbouring loops are joined by
    // quads.  Each loop must be convex and planar.
    void addLoft(const std::vector<Loop>& loops);

    // Adds an open surface that joins each closed loop to the next by quads,
    // with no caps: a band, or a ring between two loops.  Each quad runs
    // from loop l at point i to point i + 1, on to loop l + 1.
    void addStrip(const std::vector<Loop>& loops);

    // Adds one open quad, its corners a, b, c, d in turn round it.
    void addQuad(Point3 a, Point3 b, Point3 c, Point3 d);

    // Adds a flat convex outline in the z = 0 plane pushed out to a slab:
    // the front face at z = depth / 2 keeps the outline, the back face at
    // z = -depth / 2 is the inset outline.
    void addTaperedPrism(const std::vector<Point2>& front, const std::vector<Point2>& back, float depth);
};
