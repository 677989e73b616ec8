// snapshot OUT.png [options]: draws the game's own frame for a chosen board
// state and saves the back buffer as a PNG (under xvfb-run where there is no
// screen).

#include "app/DataFolder.h"
#include "app/Frame.h"
#include "devlibs/scene_setup/GameWindow.h"
#include "devlibs/scene_setup/SceneSetup.h"
#include "devlibs/tool_usage/ToolUsage.h"

#include <GL/freeglut.h>
#include <stb_image_resize.h>
#include <stb_image_write.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kChannels = 3;

// Which square of the window is kept, and the side of the saved image: the
// game's icons are a close-up of the tower, scaled down.
struct Framing {
    int x = 0, y = 0;  // from the window's top-left corner
    int side = kRulesWindowSize;
    int size = kRulesWindowSize;
};

const char* const kFramingUsage =
    "  --crop X,Y,SIDE  keep the square of SIDE pixels at X,Y from the top left\n"
    "  --size N         save the image scaled to N x N pixels (default: as kept)\n";

bool parseCrop(const char* text, Framing& framing)
{
    int x = 0, y = 0, side = 0;
    char rest = 0;
    if (std::sscanf(text, "%d,%d,%d%c", &x, &y, &side, &rest) != 3 || x < 0 || y < 0 || side < 1 ||
        x + side > kRulesWindowSize || y + side > kRulesWindowSize)
        return false;
    framing.x = x;
    framing.y = y;
    framing.side = framing.size = side;
    return true;
}

bool parseSize(const char* text, int& size)
{
    long value = 0;
    if (!parseInteger(text, 1, 4096, value))
        return false;
    size = static_cast<int>(value);
    return true;
}

// Takes --crop and --size out of args, leaving the scene options in order.
// Returns false with a message in `error` for a bad value.
bool takeFramingOptions(int& count, char** args, Framing& framing, std::string& error)
{
    int size = 0;
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const std::string name = args[i];
        if (name != "--crop" && name != "--size") {
            args[kept++] = args[i];
            continue;
        }
        const char* value = i + 1 < count ? args[++i] : "";
        if (name == "--crop" ? !parseCrop(value, framing) : !parseSize(value, size)) {
            error = "cannot use " + name + " " + value;
            return false;
        }
    }
    if (size != 0)
        framing.size = size;
    count = kept;
    return true;
}

// The kept square of the back buffer, top row first.
std::vector<unsigned char> readBackBuffer(const Framing& framing)
{
    std::vector<unsigned char> pixels(static_cast<std::size_t>(framing.side * framing.side * kChannels));
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(framing.x, kRulesWindowSize - framing.y - framing.side, framing.side, framing.side,
                 GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

std::vector<unsigned char> scaled(const std::vector<unsigned char>& pixels, const Framing& framing)
{
    if (framing.size == framing.side)
        return pixels;
    std::vector<unsigned char> out(static_cast<std::size_t>(framing.size * framing.size * kChannels));
    stbir_resize_uint8_srgb(pixels.data(), framing.side, framing.side, 0, out.data(), framing.size,
                            framing.size, 0, kChannels, STBIR_ALPHA_CHANNEL_NONE, 0);
    return out;
}

}  // namespace

void printUsage(std::FILE* out, const char* program)
{
    std::fprintf(out, "usage: %s OUT.png [options]\n", program);
    printSceneOptionsUsage(out);
    std::fputs(kFramingUsage, out);
}

int main(int argc, char** argv)
{
    if (argc < 2 || argv[1][0] == '-') {
        printUsage(stderr, argv[0]);
        return 2;
    }
    // The game's data folder may have become the working directory; the
    // picture goes where the caller meant it.
    const std::string outPath = (std::filesystem::path(startingFolder()) / argv[1]).string();
    int optionCount = argc - 2;
    Framing framing;
    SceneOptions options;
    std::string error;
    if (!takeFramingOptions(optionCount, argv + 2, framing, error) ||
        !parseSceneOptions(optionCount, argv + 2, options, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
        printUsage(stderr, argv[0]);
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

    const std::vector<unsigned char> pixels = scaled(readBackBuffer(framing), framing);
    stbi_flip_vertically_on_write(1);
    if (!stbi_write_png(outPath.c_str(), framing.size, framing.size, kChannels, pixels.data(),
                        framing.size * kChannels)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], outPath.c_str());
        return 1;
    }
    std::printf("wrote %s\n", argv[1]);
    return 0;
}
