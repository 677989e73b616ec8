// confetti [DEG ...]: draws a full board in the column-colours view at each
// turntable angle given (default 0 15 30 45) and prints the share of the
// tower's pixels that come from a column whose face is turned away from the
// camera: the back of the tower showing through the front.  Run it from the
// assets directory.

#include "app/Frame.h"
#include "game/Board.h"
#include "devlibs/confetti_count/ConfettiCount.h"
#include "devlibs/scene_setup/GameWindow.h"
#include "devlibs/scene_setup/SceneSetup.h"
#include "devlibs/tool_usage/ToolUsage.h"

#include <GL/freeglut.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace {

constexpr double kDefaultAngles[] = {0, 15, 30, 45};

void printCount(double angle, const ConfettiCount& count)
{
    std::printf("angle %6.2f:", angle);
    for (int c = 0; c < kColumns; ++c)
        std::printf(count.turnedAway[c] ? " [%d] %ld" : "  %d  %ld", c, count.perColumn[c]);
    std::printf("  | tower %ld px, turned away %ld px = %.3f%%\n", count.towerPixels(), count.turnedAwayPixels(),
                100.0 * count.share());
}

}  // namespace

void printUsage(std::FILE* out, const char* program)
{
    std::fprintf(out, "usage: %s [DEG ...]  (turntable angles, default 0 15 30 45;"
                      " run from the assets directory)\n",
                 program);
}

int main(int argc, char** argv)
{
    std::vector<double> angles;
    for (int i = 1; i < argc; ++i) {
        char* end = nullptr;
        const double angle = std::strtod(argv[i], &end);
        if (end == argv[i] || *end != '\0' || std::fabs(angle) >= 360) {
            printUsage(stderr, argv[0]);
            return 2;
        }
        angles.push_back(angle);
    }
    if (angles.empty())
        angles.assign(std::begin(kDefaultAngles), std::end(kDefaultAngles));
    if (!openGameWindow(argc, argv, "confetti"))
        return 1;

    SceneOptions options;
    options.board = BoardState::Full;
    options.columnColors = true;
    setUpBoard(options);
    if (tiles[0][0].model.objectCount == 0) {
        std::fprintf(stderr, "confetti: the tile model is empty (is Data/3DS/tile.3DS missing?)\n");
        return 1;
    }
    drawScene();  // the first frame clears to black
    std::printf("columns in [brackets] are turned away from the camera\n");
    for (double angle : angles)
        printCount(angle, countConfetti(angle));
    return 0;
}
