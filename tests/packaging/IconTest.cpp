// The committed menu icons are what the snapshot tool makes of the scene
// today.  When the scene changes on purpose, `make icons` renders them again.

#include "tests/support/TestDisplay.h"

#include <gtest/gtest.h>
#include <stb_image.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kChannels = 3;
// Another build of the same renderer may round an edge differently, and the
// scaling spreads that over a few pixels; a changed scene moves far more.
constexpr int kChangedLevel = 32;          // a pixel counts as changed above this
constexpr double kMostChangedShare = 0.02;  // of all pixels
constexpr double kMostMeanDifference = 3;   // per channel, 0..255

struct Image {
    int width = 0, height = 0;
    unsigned char* pixels = nullptr;
    explicit Image(const std::string& path)
    {
        int channels = 0;
        pixels = stbi_load(path.c_str(), &width, &height, &channels, kChannels);
    }
    ~Image() { stbi_image_free(pixels); }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
};

}  // namespace

TEST(MenuIcons, MatchAFreshRenderingOfTheScene)
{
    needDisplay();  // the snapshot tool draws on it
    char folder[] = "/tmp/hextower-icons-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    // In the sanitizer build, what Mesa keeps until the process ends is no
    // leak of ours.
    const std::string command = "ASAN_OPTIONS=detect_leaks=0 " + std::string(HEXTOWER_SOURCE_DIR) +
                                "/packaging/make-icons.sh '" + HEXTOWER_SNAPSHOT + "' " + folder;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    for (int size : {48, 64, 128, 256}) {
        const std::string name = "hextower-" + std::to_string(size) + ".png";
        const Image committed(std::string(HEXTOWER_SOURCE_DIR) + "/packaging/icons/" + name);
        const Image fresh(std::string(folder) + "/" + name);
        ASSERT_NE(committed.pixels, nullptr) << name;
        ASSERT_NE(fresh.pixels, nullptr) << name;
        ASSERT_EQ(committed.width, size) << name;
        ASSERT_EQ(committed.height, size) << name;
        ASSERT_EQ(fresh.width, size) << name;
        int changed = 0;
        long total = 0;
        for (int i = 0; i < size * size; ++i) {
            int largest = 0;
            for (int c = 0; c < kChannels; ++c) {
                const int difference = std::abs(committed.pixels[i * kChannels + c] - fresh.pixels[i * kChannels + c]);
                largest = std::max(largest, difference);
                total += difference;
            }
            changed += largest > kChangedLevel;
        }
        EXPECT_LE(changed, kMostChangedShare * size * size) << name << ": run `make icons` if the scene changed";
        EXPECT_LE(static_cast<double>(total) / (size * size * kChannels), kMostMeanDifference) << name;
    }
    fs::remove_all(folder);
}
