// snapshot OUT.png [options]: draws the game's own frame for a chosen board
// state and saves the back buffer as a PNG.  Run it from the assets
// directory (under xvfb-run where there is no screen).

#include "app/Frame.h"
#include "tools/scene_setup/GameWindow.h"
#include "tools/scene_setup/SceneSetup.h"

#include <GL/freeglut.h>
#include <stb_image_write.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kChannels = 3;

void printUsage(const char* program)
{
    std::fprintf(stderr, "usage: %s OUT.png [options]  (from the assets directory)\n%s", program,
                 kSceneOptionsUsage);
}

// The back buffer, top row first.
std::vector<unsigned char> readBackBuffer()
{
    std::vector<unsigned char> pixels(kGameWindowSize * kGameWindowSize * kChannels);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kGameWindowSize, kGameWindowSize, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argv[1][0] == '-') {
        printUsage(argv[0]);
        return 2;
    }
    const std::string outPath = argv[1];
    SceneOptions options;
    std::string error;
    if (!parseSceneOptions(argc - 2, argv + 2, options, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
        printUsage(argv[0]);
        return 2;
    }
    if (!openGameWindow(argc, argv, "snapshot"))
        return 1;

    setUpBoard(options);
    // The first frame clears to black and sets the theme's background for
    // the next one, which is the one kept.
    drawScene();
    glutSwapBuffers();
    enterShownMoment(options);
    drawScene();
    glFinish();

    const std::vector<unsigned char> pixels = readBackBuffer();
    stbi_flip_vertically_on_write(1);
    if (!stbi_write_png(outPath.c_str(), kGameWindowSize, kGameWindowSize, kChannels, pixels.data(),
                        kGameWindowSize * kChannels)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], outPath.c_str());
        return 1;
    }
    std::printf("wrote %s\n", outPath.c_str());
    return 0;
}
