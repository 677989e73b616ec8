#include "devlibs/confetti_count/ConfettiCount.h"

#include "app/Frame.h"
#include "game/Board.h"
#include "devlibs/scene_setup/GameWindow.h"
#include "devlibs/scene_setup/SceneSetup.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Vec3 {
    double x, y, z;
};

// The eye in the board's frame: the point that the modelview matrix left by
// the frame (camera, board offset and scale, turntable) takes to the origin.
Vec3 eyeInBoardFrame()
{
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    // Column-major: eye = A * board + t; solve A * board = -t by Cramer's rule.
    const double a[3][3] = {{m[0], m[4], m[8]}, {m[1], m[5], m[9]}, {m[2], m[6], m[10]}};
    const double t[3] = {-m[12], -m[13], -m[14]};
    auto det = [](const double (&k)[3][3]) {
        return k[0][0] * (k[1][1] * k[2][2] - k[1][2] * k[2][1]) - k[0][1] * (k[1][0] * k[2][2] - k[1][2] * k[2][0]) +
               k[0][2] * (k[1][0] * k[2][1] - k[1][1] * k[2][0]);
    };
    const double whole = det(a);
    double solved[3];
    for (int col = 0; col < 3; ++col) {
        double k[3][3];
        for (int row = 0; row < 3; ++row)
            for (int c = 0; c < 3; ++c)
                k[row][c] = c == col ? t[row] : a[row][c];
        solved[col] = det(k) / whole;
    }
    return {solved[0], solved[1], solved[2]};
}

// How far the tile's outer face stands from the tower's axis in the board's
// frame: the model's outermost -z at the tile's scale.
double outerApothem()
{
    const Tile& tile = tiles[0][0];
    double outer = 0;
    for (const t3DObject& object : tile.model.objects)
        for (int v = 0; v < object.vertexCount; ++v)
            outer = std::max(outer, -double(object.vertices[v].z));
    return outer * tile.transform.scale[0];
}

// A column is turned away when the eye lies behind the plane of its outer
// face; column c faces c * 60 degrees from +z towards +x of the board.  The
// faces are upright, so the test holds for every row alike.
bool turnedAway(int column, Vec3 eye, double apothem)
{
    const double angle = column * 60 * kPi / 180;
    return std::sin(angle) * eye.x + std::cos(angle) * eye.z <= apothem;
}

int columnOfPixel(const unsigned char* rgb)
{
    for (int c = 0; c < kColumns; ++c)
        if (rgb[0] == kColumnColors[c].r && rgb[1] == kColumnColors[c].g && rgb[2] == kColumnColors[c].b)
            return c;
    return -1;
}

}  // namespace

ConfettiCount countConfetti(double angle)
{
    turntable.setAngle(angle);
    drawScene();
    glFinish();
    std::vector<unsigned char> pixels(kRulesWindowSize * kRulesWindowSize * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kRulesWindowSize, kRulesWindowSize, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());

    ConfettiCount count;
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        const int column = columnOfPixel(&pixels[i]);
        if (column >= 0)
            ++count.perColumn[column];
    }
    const Vec3 eye = eyeInBoardFrame();
    const double apothem = outerApothem();
    for (int c = 0; c < kColumns; ++c)
        count.turnedAway[c] = turnedAway(c, eye, apothem);
    return count;
}

long ConfettiCount::towerPixels() const
{
    long sum = 0;
    for (long pixels : perColumn)
        sum += pixels;
    return sum;
}

long ConfettiCount::turnedAwayPixels() const
{
    long sum = 0;
    for (int c = 0; c < kColumns; ++c)
        if (turnedAway[c])
            sum += perColumn[c];
    return sum;
}

double ConfettiCount::share() const
{
    const long tower = towerPixels();
    return tower > 0 ? double(turnedAwayPixels()) / double(tower) : 0.0;
}
