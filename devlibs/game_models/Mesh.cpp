#include "devlibs/game_models/Mesh.h"

namespace {

Point3 minus(Point3 a, Point3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Point3 cross(Point3 a, Point3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float dot(Point3 a, Point3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Collects the triangles of one convex solid and turns each so that it runs
// counter-clockwise seen from outside, judged against the solid's centre.
class SolidBuilder {
public:
    SolidBuilder(Mesh& mesh, const std::vector<Loop>& loops) : mesh_(mesh), first_(mesh.vertices.size())
    {
        Point3 sum{0, 0, 0};
        for (const Loop& loop : loops)
            for (const Point3& p : loop) {
                mesh_.vertices.push_back(p);
                sum = {sum.x + p.x, sum.y + p.y, sum.z + p.z};
            }
        const auto count = static_cast<float>(mesh_.vertices.size() - first_);
        centre_ = {sum.x / count, sum.y / count, sum.z / count};
    }

    // Index of point i of loop l, with loops of size n.
    std::size_t at(std::size_t l, std::size_t i, std::size_t n) const { return first_ + l * n + i % n; }

    void triangle(std::size_t a, std::size_t b, std::size_t c)
    {
        const Point3& pa = mesh_.vertices[a];
        const Point3& pb = mesh_.vertices[b];
        const Point3& pc = mesh_.vertices[c];
        const Point3 normal = cross(minus(pb, pa), minus(pc, pa));
        const Point3 middle{(pa.x + pb.x + pc.x) / 3, (pa.y + pb.y + pc.y) / 3, (pa.z + pb.z + pc.z) / 3};
        if (dot(normal, minus(middle, centre_)) < 0)
            std::swap(b, c);
        mesh_.faces.push_back({static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(b),
                               static_cast<std::uint16_t>(c)});
    }

    void cap(std::size_t l, std::size_t n)
    {
        for (std::size_t i = 1; i + 1 < n; ++i)
            triangle(at(l, 0, n), at(l, i, n), at(l, i + 1, n));
    }

private:
    Mesh& mesh_;
    std::size_t first_;
    Point3 centre_{};
};

}  // namespace

void Mesh::addLoft(const std::vector<Loop>& loops)
{
    const std::size_t n = loops.front().size();
    SolidBuilder solid(*this, loops);
    solid.cap(0, n);
    for (std::size_t l = 0; l + 1 < loops.size(); ++l)
        for (std::size_t i = 0; i < n; ++i) {
            solid.triangle(solid.at(l, i, n), solid.at(l, i + 1, n), solid.at(l + 1, i + 1, n));
            solid.triangle(solid.at(l, i, n), solid.at(l + 1, i + 1, n), solid.at(l + 1, i, n));
        }
    solid.cap(loops.size() - 1, n);
}

void Mesh::addStrip(const std::vector<Loop>& loops)
{
    const std::size_t n = loops.front().size();
    const std::size_t first = vertices.size();
    for (const Loop& loop : loops)
        vertices.insert(vertices.end(), loop.begin(), loop.end());
    auto at = [&](std::size_t l, std::size_t i) { return static_cast<std::uint16_t>(first + l * n + i % n); };
    for (std::size_t l = 0; l + 1 < loops.size(); ++l)
        for (std::size_t i = 0; i < n; ++i) {
            faces.push_back({at(l, i), at(l, i + 1), at(l + 1, i + 1)});
            faces.push_back({at(l, i), at(l + 1, i + 1), at(l + 1, i)});
        }
}

void Mesh::addQuad(Point3 a, Point3 b, Point3 c, Point3 d)
{
    const auto first = static_cast<std::uint16_t>(vertices.size());
    vertices.insert(vertices.end(), {a, b, c, d});
    faces.push_back({first, static_cast<std::uint16_t>(first + 1), static_cast<std::uint16_t>(first + 2)});
    faces.push_back({first, static_cast<std::uint16_t>(first + 2), static_cast<std::uint16_t>(first + 3)});
}

void Mesh::addTaperedPrism(const std::vector<Point2>& front, const std::vector<Point2>& back, float depth)
{
    Loop frontLoop;
    for (const Point2& p : front)
        frontLoop.push_back({p.x, p.y, depth / 2});
    Loop backLoop;
    for (const Point2& p : back)
        backLoop.push_back({p.x, p.y, -depth / 2});
    addLoft({frontLoop, backLoop});
}
