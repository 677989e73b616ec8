// frame-bench [N]: draws N frames of a full board (19 tiles in every column,
// markers, buttons, digits) with the game's own display callback, and N
// empty frames (clear and swap), in the game's 800 x 800 window; prints the
// median time of each.  Run it from the assets directory.

#include "app/Callbacks.h"
#include "game/GlobalObjects.h"
#include "devlibs/median/Median.h"
#include "devlibs/scene_setup/GameWindow.h"
#include "devlibs/scene_setup/SceneSetup.h"
#include "devlibs/tool_usage/ToolUsage.h"

#include <GL/freeglut.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kDefaultFrames = 300;
constexpr int kWarmUpFrames = 10;

// Milliseconds per call of `frame`, finished on the GPU side too, one entry
// per frame.
template <typename Frame>
std::vector<double> timeFrames(int count, Frame frame)
{
    for (int i = 0; i < kWarmUpFrames; ++i) {
        frame();
        glFinish();
    }
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const auto start = std::chrono::steady_clock::now();
        frame();
        glFinish();
        const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
        times.push_back(spent.count());
    }
    return times;
}

void emptyFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

}  // namespace

void printUsage(std::FILE* out, const char* program)
{
    std::fprintf(out, "usage: %s [N]  (N frames of each kind, 1..100000, default %d;"
                      " run from the assets directory)\n",
                 program, kDefaultFrames);
}

int main(int argc, char** argv)
{
    int frames = kDefaultFrames;
    if (argc > 1) {
        char* end = nullptr;
        const long asked = std::strtol(argv[1], &end, 10);
        if (end == argv[1] || *end != '\0' || asked < 1 || asked > 100000) {
            printUsage(stderr, argv[0]);
            return 2;
        }
        frames = static_cast<int>(asked);
    }
    if (!openGameWindow(argc, argv, "frame-bench"))
        return 1;

    SceneOptions options;
    options.board = BoardState::Full;
    options.score = 1234;
    options.armed[2] = true;
    setUpBoard(options);
    if (tiles[0][0].model.objectCount == 0)
        std::fprintf(stderr, "frame-bench: the tile model is empty (is Data/3DS/tile.3DS missing?);"
                             " the figures below measure nothing but the frame's overhead\n");

    const double full = median(timeFrames(frames, onDisplay));
    const double empty = median(timeFrames(frames, emptyFrame));
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("frames of each kind: %d\n", frames);
    std::printf("full board ms/frame: %.3f\n", full);
    std::printf("empty ms/frame: %.3f\n", empty);
    std::printf("full board fps: %.1f\n", 1000.0 / full);
    return 0;
}
