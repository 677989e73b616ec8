// Where the game finds its data.  The game as a distribution installs it:
// `cmake --install` staged with DESTDIR into a folder whose name holds a
// space, started through its launcher from an unrelated folder; the same
// check runs against the installed Debian package when .ci/run names its
// launcher.  The game in its build tree, started from anywhere, reads its
// own checkout's data; a data folder named by HEXTOWER_DATA that does not
// hold the data ends it at once.

#include "game/Board.h"
#include "tests/e2e/PlayChecks.h"
#include "tests/support/TestDisplay.h"
#include "themes/Theme.h"

#include <gtest/gtest.h>
#include <stb_image.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

constexpr int kIconSizes[] = {48, 64, 128, 256};

std::string shellQuoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// The window shows the start theme's background, read from the theme file
// the installed game reads, and a good number of tiles in its colours.
void expectShowsTheTower(const GameProcess& game, const std::string& themeFile)
{
    ASSERT_TRUE(game.hasWindow());
    EXPECT_EQ(game.windowClass(), "hextower/hextower");
    Theme themes[kThemeCount];
    ASSERT_TRUE(loadThemes(themes, themeFile.c_str()));
    const Theme& theme = themes[kStartTheme];
    const Screenshot shot = game.screenshot();
    ASSERT_EQ(shot.area.width, 800);
    EXPECT_TRUE(near(shot.at(5, 5), theme.backgroundColor, 1));
    int tilePixels = 0;
    for (int y = 0; y < shot.area.height; ++y)
        for (int x = 0; x < shot.area.width / 2 + 200; ++x)
            for (const PackedColor& color : theme.tileColors)
                tilePixels += near(shot.at(x, y), color, 8);
    EXPECT_GT(tilePixels, 5000);
}

// Runs a shell command to its end; its output, standard error included, in
// `output`.  Returns the exit status, or -1 when it did not exit.
int runToEnd(const std::string& command, std::string& output)
{
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return -1;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        output += buffer;
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class InstalledGame : public testing::Test {
protected:
    void SetUp() override
    {
        char folder[] = "/tmp/hextower install XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        root_ = folder;
        const std::string command = "DESTDIR=" + shellQuoted(root_) + " " + shellQuoted(HEXTOWER_CMAKE) +
                                    " --install " + shellQuoted(HEXTOWER_BUILD_DIR) + " --prefix /usr >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        elsewhere_ = root_ + "/some other folder";
        fs::create_directory(elsewhere_);
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string prefix() const { return root_ + "/usr"; }
    std::string launcher() const { return prefix() + "/games/hextower"; }
    std::string dataFolder() const { return prefix() + "/share/games/hextower"; }

    std::string root_;
    std::string elsewhere_;
};

TEST_F(InstalledGame, HoldsTheGameInTheGamesLayoutAndNothingElse)
{
    std::set<std::string> expected = {"games/hextower",
                                      "lib/games/hextower/hextower",
                                      "share/games/hextower/themes.txt",
                                      "share/applications/hextower.desktop",
                                      "share/metainfo/org.hextower.hextower.metainfo.xml",
                                      "share/man/man6/hextower.6.gz",
                                      "share/doc/hextower/copyright",
                                      "share/doc/hextower/changelog.gz"};
    const fs::path assets = fs::path(HEXTOWER_SOURCE_DIR) / "assets";
    for (const auto& entry : fs::recursive_directory_iterator(assets / "Data"))
        if (entry.is_regular_file())
            expected.insert("share/games/hextower/" + entry.path().lexically_relative(assets).string());
    for (int size : kIconSizes) {
        const std::string icon = "share/icons/hicolor/" + std::to_string(size) + "x" +
                                 std::to_string(size) + "/apps/hextower.png";
        expected.insert(icon);
        int width = 0, height = 0, channels = 0;
        EXPECT_TRUE(stbi_info((prefix() + "/" + icon).c_str(), &width, &height, &channels)) << icon;
        EXPECT_EQ(width, size) << icon;
        EXPECT_EQ(height, size) << icon;
    }

    // Exactly these files: no development program comes along.
    std::set<std::string> installed;
    for (const auto& entry : fs::recursive_directory_iterator(root_))
        if (!entry.is_directory())
            installed.insert(entry.path().lexically_relative(prefix()).string());
    EXPECT_EQ(installed, expected);
    for (const char* program : {"games/hextower", "lib/games/hextower/hextower"})
        EXPECT_NE(fs::status(prefix() + "/" + program).permissions() & fs::perms::others_exec,
                  fs::perms::none)
            << program;
}

TEST_F(InstalledGame, LauncherStartsItFromAnyFolderPassingTheArgumentsOn)
{
    needDisplay();
    const char* display = std::getenv("DISPLAY");
    // Without DISPLAY the game finds the X display only through GLUT's own
    // -display option, which the launcher has to pass on.
    std::vector<std::string> command = {"env", "-u", "DISPLAY"};
    for (const std::string& word : gameIn800Window(launcher()))
        command.push_back(word);
    command.insert(command.end(), {"-display", display});
    GameProcess game(elsewhere_, command, "hextower");
    expectShowsTheTower(game, dataFolder() + "/themes.txt");
}

TEST_F(InstalledGame, SaysInOneLineWhenTheDataFolderIsMissing)
{
    fs::rename(dataFolder(), prefix() + "/share/games/moved");
    std::string output;
    EXPECT_EQ(runToEnd("cd " + shellQuoted(elsewhere_) + " && timeout 30 " + shellQuoted(launcher()), output), 1);
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
    EXPECT_NE(output.find(dataFolder()), std::string::npos) << output;
}

// From the root folder, where no data lies, the game of the build tree reads
// its own checkout's data: its working directory tells which folder won.
TEST(BuildTreeGame, ShowsTheTowerFromItsCheckoutWhenStartedFromTheRootFolder)
{
    needDisplay();
    GameProcess game("/", {"env", "-u", "HEXTOWER_DATA", HEXTOWER_BINARY}, HEXTOWER_BINARY);
    const fs::path checkoutData = fs::path(HEXTOWER_SOURCE_DIR) / "assets";
    EXPECT_EQ(fs::path(game.workingDirectory()), fs::canonical(checkoutData));
    expectShowsTheTower(game, (checkoutData / "themes.txt").string());
}

// A folder named by HEXTOWER_DATA is the only one tried: an empty one ends
// the game at once with one line, before any dialog or window.
TEST(BuildTreeGame, EndsAtOnceWhenHextowerDataNamesAFolderWithoutTheData)
{
    char folder[] = "/tmp/hextower empty XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const auto start = std::chrono::steady_clock::now();
    std::string output;
    const int status = runToEnd("cd " + shellQuoted(HEXTOWER_SOURCE_DIR) + "/assets && HEXTOWER_DATA=" +
                                    shellQuoted(folder) + " timeout 30 " + shellQuoted(HEXTOWER_BINARY),
                                output);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    fs::remove(folder);
    EXPECT_EQ(status, 1);
    EXPECT_LT(took.count(), 5.0);
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
    EXPECT_NE(output.find(folder), std::string::npos) << output;
}

// The installed Debian package, from the root folder: .ci/run installs it
// and names its launcher in HEXTOWER_INSTALLED_LAUNCHER.
TEST(InstalledPackage, LauncherShowsTheTowerFromTheRootFolder)
{
    const char* launcher = std::getenv("HEXTOWER_INSTALLED_LAUNCHER");
    if (launcher == nullptr)
        GTEST_SKIP() << "HEXTOWER_INSTALLED_LAUNCHER names no installed game";
    needDisplay();
    const fs::path games = fs::path(launcher).parent_path();
    GameProcess game("/", gameIn800Window(launcher), "hextower");
    expectShowsTheTower(game, (games / "../share/games/hextower/themes.txt").string());
}

}  // namespace
