// frame-bench [N] [--window WxH] [scene options]: draws N frames of a board
// (by default a full one: 19 tiles in every column, markers, buttons, digits)
// with the game's own display callback, swap included and unpaced, and N
// empty frames (clear and swap), in a window of the size asked for (by
// default the game's 800 x 800); prints the median time of each.  Run it
// from the assets directory.

#include "app/Frame.h"
#include "game/Board.h"
#include "devlibs/median/Median.h"
#include "devlibs/scene_setup/GameWindow.h"
#include "devlibs/scene_setup/SceneSetup.h"
#include "devlibs/tool_usage/ToolUsage.h"

#include <GL/freeglut.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultFrames = 300;
constexpr int kBenchScore = 1234;  // four digits of different models
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
    std::fprintf(out,
                 "usage: %s [N] [--window WxH] [scene options]  (run from the assets directory)\n"
                 "  N                frames of each kind, 1..100000 (default %d)\n"
                 "  --window WxH     window size in pixels (default %dx%d); the X screen must hold it\n",
                 program, kDefaultFrames, kRulesWindowSize, kRulesWindowSize);
    printSceneOptionsUsage(out);
    std::fprintf(out, "  The scene defaults to a full board, score %d, \"%s\" armed; --armed adds to it.\n",
                 kBenchScore, kPowerButtonFacts[kSlotStop].label);
}

namespace {

struct BenchOptions {
    int frames = kDefaultFrames;
    WindowSize window;
    SceneOptions scene;
};

bool parseFrameCount(const char* text, int& frames)
{
    long asked = 0;
    if (!parseInteger(text, 1, 100000, asked))
        return false;
    frames = static_cast<int>(asked);
    return true;
}

// Reads the frame count, --window and the scene options; false with a
// message in `error` for anything not understood.
bool parseBenchOptions(int argc, char** argv, BenchOptions& options, std::string& error)
{
    options.scene.board = BoardState::Full;
    options.scene.score = kBenchScore;
    options.scene.armed[kSlotStop] = true;
    int first = 1;
    if (argc > 1 && argv[1][0] != '-') {
        if (!parseFrameCount(argv[1], options.frames)) {
            error = std::string("cannot use ") + argv[1] + " frames";
            return false;
        }
        first = 2;
    }
    std::vector<char*> sceneArgs;
    for (int i = first; i < argc; ++i) {
        if (std::string(argv[i]) != "--window") {
            sceneArgs.push_back(argv[i]);
            continue;
        }
        const char* value = i + 1 < argc ? argv[++i] : "";
        if (!parseWindowSize(value, options.window)) {
            error = std::string("cannot use --window ") + value;
            return false;
        }
    }
    return parseSceneOptions(static_cast<int>(sceneArgs.size()), sceneArgs.data(), options.scene, error);
}

}  // namespace

int main(int argc, char** argv)
{
    BenchOptions options;
    std::string error;
    if (!parseBenchOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
        printUsage(stderr, argv[0]);
        return 2;
    }
    if (!openGameWindow(argc, argv, "frame-bench", options.window))
        return 1;

    setUpBoard(options.scene);
    // As the snapshot does: one frame sets the theme's background, then the
    // chosen moment begins.
    drawScene();
    glutSwapBuffers();
    enterShownMoment(options.scene);
    if (tiles[0][0].model.objectCount == 0)
        std::fprintf(stderr, "frame-bench: the tile model is empty (is Data/3DS/tile.3DS missing?);"
                             " the figures below measure nothing but the frame's overhead\n");

    const double full = median(timeFrames(options.frames, onDisplay));
    const double empty = median(timeFrames(options.frames, emptyFrame));
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("window: %dx%d\n", options.window.width, options.window.height);
    std::printf("frames of each kind: %d\n", options.frames);
    std::printf("scene ms/frame: %.3f\n", full);
    std::printf("empty ms/frame: %.3f\n", empty);
    std::printf("scene fps: %.1f\n", 1000.0 / full);
    return 0;
}
