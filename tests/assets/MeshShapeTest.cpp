// The digits and labels are closed surfaces whose faces run counter-clockwise
// seen from outside, as the normals computed from them assume.  The tile is
// open (a flat plate and its grout, seen from either side, since the game
// neither lights nor culls), and it stays lean.

#include "devlibs/game_models/GameModels.h"
#include "devlibs/game_models/TileModel.h"
#include "game/Tile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>

namespace {

double signedVolume(const Mesh& mesh)
{
    double volume = 0;
    for (const Face& face : mesh.faces) {
        const Point3& a = mesh.vertices[face[0]];
        const Point3& b = mesh.vertices[face[1]];
        const Point3& c = mesh.vertices[face[2]];
        volume += (double(a.x) * (double(b.y) * c.z - double(b.z) * c.y) - double(a.y) * (double(b.x) * c.z - double(b.z) * c.x) +
                   double(a.z) * (double(b.x) * c.y - double(b.y) * c.x)) /
                  6;
    }
    return volume;
}

double area(const Mesh& mesh, const Face& face)
{
    const Point3& a = mesh.vertices[face[0]];
    const Point3& b = mesh.vertices[face[1]];
    const Point3& c = mesh.vertices[face[2]];
    const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
    const double vx = c.x - a.x, vy = c.y - a.y, vz = c.z - a.z;
    const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
    return std::sqrt(nx * nx + ny * ny + nz * nz) / 2;
}

TEST(ModelShape, ClosedAndWoundOutwards)
{
    for (const GameModel& model : gameModels()) {
        if (model.path == kTileModelFile)
            continue;
        SCOPED_TRACE(model.path);
        const Mesh& mesh = model.mesh;
        ASSERT_FALSE(mesh.faces.empty());
        // In a closed, consistently wound surface every edge is crossed once
        // in each direction.
        std::map<std::pair<int, int>, int> edges;
        for (const Face& face : mesh.faces) {
            EXPECT_GT(area(mesh, face), 1e-3);
            for (int k = 0; k < 3; ++k) {
                ASSERT_LT(face[k], mesh.vertices.size());
                ++edges[{face[k], face[(k + 1) % 3]}];
            }
        }
        for (const auto& [edge, count] : edges) {
            EXPECT_EQ(count, 1) << edge.first << "-" << edge.second;
            EXPECT_EQ(edges.count({edge.second, edge.first}), 1u) << edge.first << "-" << edge.second;
        }
        // Counter-clockwise from outside encloses a positive volume.
        EXPECT_GT(signedVolume(mesh), 0.0);
    }
}

TEST(ModelShape, TileIsLeanEnoughToDrawOftenPerFrame)
{
    const Mesh plate = makeTileMesh();
    const Mesh grout = makeGroutMesh();
    EXPECT_LE(plate.faces.size() + grout.faces.size(), 24u);
    for (const Mesh* part : {&plate, &grout})
        for (const Face& face : part->faces) {
            for (std::uint16_t corner : face)
                ASSERT_LT(corner, part->vertices.size());
            EXPECT_GT(area(*part, face), 1e-3);
        }
}

}  // namespace
