// The code is built in layers that point one way: themes and model3ds at the
// bottom, then pieces, game and app; the shared development libraries in
// devlibs/ above the game, the programs in tools/ above them, and the tests
// on top.  A file may include its own folder's headers and those of lower
// layers only; this reads every #include in the tree and names each one that
// points the wrong way.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Layer {
    const char* folder;
    int rank;
};

// Folders of one rank are strangers: neither may include the other.
constexpr Layer kLayers[] = {
    {"themes", 0}, {"model3ds", 0}, {"pieces", 1}, {"game", 2},
    {"app", 3},    {"devlibs", 4},  {"tools", 5},  {"tests", 6},
};

int rankOf(const std::string& folder)
{
    for (const Layer& layer : kLayers)
        if (folder == layer.folder)
            return layer.rank;
    return -1;
}

bool mayInclude(const std::string& from, const std::string& to)
{
    return from == to || rankOf(to) < rankOf(from);
}

struct IncludeScan {
    int checked = 0;                  // quoted includes of a layer's header
    std::vector<std::string> upward;  // "file -> header" against the order
};

IncludeScan scanIncludes(const fs::path& root)
{
    static const std::regex kInclude(R"(^\s*#\s*include\s*"(\w+)/[^"]+")");
    IncludeScan scan;
    for (const Layer& layer : kLayers) {
        const fs::path folder = root / layer.folder;
        if (!fs::is_directory(folder))
            continue;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
            const std::string extension = entry.path().extension().string();
            if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h"))
                continue;
            std::ifstream in(entry.path());
            std::string line;
            std::smatch match;
            while (std::getline(in, line)) {
                if (!std::regex_search(line, match, kInclude) || rankOf(match[1]) < 0)
                    continue;
                scan.checked += 1;
                if (!mayInclude(layer.folder, match[1]))
                    scan.upward.push_back(fs::relative(entry.path(), root).string() + " -> " + line);
            }
        }
    }
    return scan;
}

}  // namespace

TEST(Layers, OrderAllowsOnlyDownwardArrows)
{
    struct Case {
        const char* from;
        const char* to;
        bool allowed;
    };
    const Case cases[] = {
        {"game", "game", true},      {"pieces", "themes", true},   {"pieces", "model3ds", true},
        {"game", "pieces", true},    {"app", "game", true},        {"devlibs", "app", true},
        {"tools", "devlibs", true},  {"tests", "tools", true},     {"themes", "model3ds", false},
        {"model3ds", "themes", false}, {"themes", "pieces", false}, {"game", "app", false},
        {"app", "devlibs", false},   {"devlibs", "tools", false},  {"tools", "tests", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mayInclude(c.from, c.to), c.allowed) << c.from << " -> " << c.to;
}

TEST(Layers, NoIncludeInTheTreePointsUpwards)
{
    const IncludeScan scan = scanIncludes(HEXTOWER_SOURCE_DIR);
    // A scan that finds next to nothing has lost its way, not proved the order.
    EXPECT_GT(scan.checked, 300);
    std::string upward;
    for (const std::string& arrow : scan.upward)
        upward += "\n  " + arrow;
    EXPECT_TRUE(scan.upward.empty()) << "includes against the layers' order:" << upward;
}
