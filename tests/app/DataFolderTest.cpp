#include "app/DataFolder.h"
#include "game/Tile.h"
#include "themes/Theme.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

void makeData(const fs::path& folder)
{
    writeFile(folder / kThemeFileName);
    writeFile(folder / kTileModelFile);
}

constexpr const char* kNote = "checkout-note";

// A build tree: a note beside its program folder names the checkout's data.
void makeBuildTree(const fs::path& programFolder, const fs::path& checkoutData)
{
    fs::create_directories(programFolder);
    std::ofstream(programFolder.parent_path() / kNote) << checkoutData.string() << "\n";
}

class DataFolderSearch : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/hextower-data-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        for (const char* folder : {"named", "start", "checkout/assets", "prefix/share/games/hextower",
                                   "build-as-installed/share/games/hextower"})
            makeData(root_ / folder);
        for (const char* folder : {"empty", "prefix/lib/games/hextower", "bare/lib/games/hextower",
                                   "checkout-without-data"})
            fs::create_directories(root_ / folder);
        makeBuildTree(root_ / "build/bin", root_ / "checkout/assets");
        makeBuildTree(root_ / "build-as-installed/lib/games/hextower", root_ / "checkout-without-data");
        writeFile(root_ / "themes-only" / kThemeFileName);
        writeFile(root_ / "tile-only" / kTileModelFile);
        fs::create_directory_symlink(root_ / "build", root_ / "build-link");
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string at(const char* folder) const { return (root_ / folder).string(); }

    fs::path root_;
};

TEST_F(DataFolderSearch, TellsAFolderThatHoldsTheData)
{
    EXPECT_TRUE(holdsGameData(at("start")));
    for (const char* folder : {"empty", "themes-only", "tile-only", "no-such-folder"})
        EXPECT_FALSE(holdsGameData(at(folder))) << folder;
}

TEST_F(DataFolderSearch, TakesTheFirstPlaceInOrderAndNeverFallsBackFromANamedFolder)
{
    struct Case {
        const char* what;
        const char* named;  // HEXTOWER_DATA below the root; nullptr: unset
        const char* start;  // the working directory
        const char* program;  // the program's folder
        const char* chosen;  // nullptr: none, and the failure names `mentioned`
        std::vector<const char*> mentioned;
    };
    const char* const build = "build/bin";
    const std::vector<Case> cases = {
        {"named folder first", "named", "start", build, "named", {}},
        {"named but empty: an error, not a fall-back", "empty", "start", build, nullptr, {"HEXTOWER_DATA", "empty"}},
        {"then the working directory", nullptr, "start", build, "start", {}},
        {"build tree: its checkout", nullptr, "empty", build, "checkout/assets", {}},
        {"build tree by another path", nullptr, "empty", "build-link/bin", "checkout/assets", {}},
        {"installed: the data beside it", nullptr, "empty", "prefix/lib/games/hextower", "prefix/share/games/hextower",
         {}},
        {"installed without data", nullptr, "empty", "bare/lib/games/hextower", nullptr,
         {"empty", "bare/share/games/hextower"}},
        // A build tree laid out like an install still reads only its checkout.
        {"build tree never reads an installed copy", nullptr, "empty", "build-as-installed/lib/games/hextower",
         nullptr, {"empty", "checkout-without-data"}},
    };
    for (const Case& c : cases) {
        const std::string named = c.named == nullptr ? "" : at(c.named);
        DataFolderPlaces places;
        places.namedFolder = c.named == nullptr ? nullptr : named.c_str();
        places.workingDirectory = at(c.start);
        places.programPath = at(c.program) + "/hextower";
        places.checkoutNoteName = kNote;
        places.installedDataFromProgram = "../../../share/games/hextower";

        const DataFolderChoice choice = chooseDataFolder(places);
        if (c.chosen != nullptr) {
            EXPECT_EQ(fs::weakly_canonical(choice.folder), fs::weakly_canonical(at(c.chosen))) << c.what;
            EXPECT_EQ(choice.failure, "") << c.what;
            continue;
        }
        EXPECT_EQ(choice.folder, "") << c.what;
        EXPECT_EQ(choice.failure.rfind(errorLinePrefix(places), 0), 0u) << c.what << ": " << choice.failure;
        EXPECT_EQ(choice.failure.find('\n'), std::string::npos) << c.what;
        for (const char* place : c.mentioned)
            EXPECT_NE(choice.failure.find(place), std::string::npos) << c.what << ": " << choice.failure;
    }
    // The failure is the running program's: its file name begins the line.
    DataFolderPlaces tool;
    tool.programPath = at("build/bin") + "/snapshot";
    EXPECT_EQ(errorLinePrefix(tool), "snapshot: ");
}

TEST_F(DataFolderSearch, TakesAnEmptyVariableAsUnsetAndAnUnknownProgramPlaceAsNoData)
{
    DataFolderPlaces places;
    places.namedFolder = "";
    places.workingDirectory = at("start");
    places.programPath = at("empty") + "/hextower";
    EXPECT_EQ(chooseDataFolder(places).folder, at("start"));

    // Without its own place the program must not guess one from the
    // working directory.
    places.workingDirectory = at("prefix/lib/games/hextower");
    places.programPath = "";
    places.installedDataFromProgram = "../../../share/games/hextower";
    const DataFolderChoice choice = chooseDataFolder(places);
    EXPECT_EQ(choice.folder, "");
    EXPECT_NE(choice.failure.find(places.workingDirectory), std::string::npos) << choice.failure;
}

}  // namespace
