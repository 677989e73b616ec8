#include "tools/pace-check/WatchedGame.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The output of a shell command, first line only.
std::string firstLineOf(const std::string& command)
{
    std::string line;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        if (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
            line = buffer;
        pclose(pipe);
    }
    return line;
}

}  // namespace

WatchedGame::WatchedGame(_XDisplay* display, const char* frameRate) : display_(display)
{
    pid_ = fork();
    if (pid_ == 0) {
        if (chdir(HEXTOWER_ASSET_DIR) != 0)
            _exit(127);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        if (frameRate != nullptr)
            setenv("HEXTOWER_FPS", frameRate, 1);
        // The 800 x 800 window the checks read, whatever screen this is.
        execl(HEXTOWER_BINARY, HEXTOWER_BINARY, "-geometry", "800x800+100+100", static_cast<char*>(nullptr));
        _exit(127);
    }
    // The game's window is the one titled with the program path.
    const std::string found =
        firstLineOf("timeout 20 xdotool search --sync --name '^" HEXTOWER_BINARY "$' 2>/dev/null");
    window_ = std::strtoul(found.c_str(), nullptr, 10);
}

WatchedGame::~WatchedGame()
{
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

Grab WatchedGame::grab(Area area) const
{
    return Grab{area, readWindowPixels(display_, window_, area.x, area.y, area.width, area.height)};
}

void WatchedGame::click(int x, int y) const
{
    const std::string command = "xdotool mousemove --window " + std::to_string(window_) + " " +
                                std::to_string(x) + " " + std::to_string(y) + " click 1";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "pace-check: xdotool failed: %s\n", command.c_str());
}

double WatchedGame::processorSeconds() const
{
    std::ifstream file("/proc/" + std::to_string(pid_) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // Fields after the parenthesised command name: state is the 3rd field,
    // user time the 14th and system time the 15th, in clock ticks.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int number = 3; number < 14; ++number)
        fields >> field;
    unsigned long user = 0, system = 0;
    fields >> user >> system;
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}
