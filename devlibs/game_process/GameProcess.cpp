#include "devlibs/game_process/GameProcess.h"

#include "app/Clock.h"
#include "app/Window.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

// The game's own top-level window: the one whose title is the program path.
Window findWindowTitled(Display* display, Window parent, const char* title)
{
    Window root = 0, parentOut = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &parentOut, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name != nullptr) {
            if (std::string(name) == title)
                found = children[i];
            XFree(name);
        }
        if (found == 0)
            found = findWindowTitled(display, children[i], title);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

// A picture that has not changed over this many reads this far apart, about
// a quarter of a second, is at rest: a turn changes the picture with every
// frame until it is over.
constexpr int kSettledReads = 5;
constexpr int kSettleReadMilliseconds = 50;

bool showsOneColor(const Screenshot& shot)
{
    return std::all_of(shot.pixels.begin(), shot.pixels.end(),
                       [&](const Rgb& pixel) { return pixel == shot.pixels.front(); });
}

}  // namespace

void pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

int Screenshot::changedPixels(const Screenshot& other, int x0, int y0, int x1, int y1) const
{
    int changed = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Rgb a = at(x, y), b = other.at(x, y);
            if (a.r != b.r || a.g != b.g || a.b != b.b)
                ++changed;
        }
    return changed;
}

std::vector<std::string> gameIn800Window(const std::string& binary)
{
    const std::string side = std::to_string(kRulesWindowSize);
    const std::string corner = std::to_string(kPreferredWindowCorner);
    return {binary, "-geometry", side + "x" + side + "+" + corner + "+" + corner};
}

GameProcess::GameProcess(const std::string& workingDirectory, const char* frameRate)
    : GameProcess(workingDirectory, {HEXTOWER_BINARY}, HEXTOWER_BINARY, frameRate)
{
}

GameProcess::GameProcess(const std::string& workingDirectory, const std::vector<std::string>& command,
                         const std::string& windowTitle, const char* frameRate)
{
    std::vector<char*> arguments;
    for (const std::string& argument : command)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        if (chdir(workingDirectory.c_str()) != 0)
            _exit(127);
        const int log = open("/dev/null", O_WRONLY);
        dup2(log, STDOUT_FILENO);
        // The sanitizer build's leak check would count what Mesa keeps for
        // the life of the process; the unit tests cover our own memory.
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        if (frameRate != nullptr)
            setenv(kFrameRateVariable, frameRate, 1);
        else
            unsetenv(kFrameRateVariable);
        execvp(arguments[0], arguments.data());
        _exit(127);
    }
    display_ = XOpenDisplay(nullptr);
    if (display_ == nullptr)
        return;
    for (int attempt = 0; attempt < 200 && window_ == 0; ++attempt) {
        pause(50);
        window_ = findWindowTitled(display_, DefaultRootWindow(display_), windowTitle.c_str());
    }
    // Until the first frames have drawn, the window shows one flat colour.
    if (window_ != 0 && !waitUntilSettled())
        window_ = 0;
}

GameProcess::~GameProcess()
{
    if (running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (display_ != nullptr)
        XCloseDisplay(display_);
}

std::string GameProcess::windowTitle() const
{
    char* name = nullptr;
    std::string title;
    if (window_ != 0 && XFetchName(display_, window_, &name) && name != nullptr) {
        title = name;
        XFree(name);
    }
    return title;
}

std::string GameProcess::windowClass() const
{
    XClassHint hint{};
    std::string names;
    if (window_ != 0 && XGetClassHint(display_, window_, &hint)) {
        names = std::string(hint.res_name ? hint.res_name : "") + "/" + (hint.res_class ? hint.res_class : "");
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return names;
}

bool GameProcess::geometry(int& x, int& y, int& width, int& height) const
{
    XWindowAttributes attributes;
    if (window_ == 0 || !XGetWindowAttributes(display_, window_, &attributes))
        return false;
    Window child = 0;
    XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    width = attributes.width;
    height = attributes.height;
    return true;
}

Screenshot GameProcess::screenshot() const
{
    // A window that is not mapped yet has no picture: reading one is an X
    // error, which ends the program.
    XWindowAttributes attributes;
    if (window_ == 0 || !XGetWindowAttributes(display_, window_, &attributes) || attributes.map_state != IsViewable)
        return Screenshot{};
    return grab(Area{0, 0, attributes.width, attributes.height});
}

Screenshot GameProcess::grab(Area area) const
{
    Screenshot shot{area, readWindowPixels(display_, window_, area.x, area.y, area.width, area.height)};
    return shot.pixels.empty() ? Screenshot{} : shot;
}

bool GameProcess::waitUntilSettled(double seconds) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    Screenshot last = screenshot();
    for (int unchanged = 0; std::chrono::steady_clock::now() < deadline;) {
        pause(kSettleReadMilliseconds);
        Screenshot now = screenshot();
        const bool still = !now.pixels.empty() && now.pixels == last.pixels && !showsOneColor(now);
        unchanged = still ? unchanged + 1 : 0;
        if (unchanged == kSettledReads)
            return true;
        last = std::move(now);
    }
    return false;
}

double GameProcess::processorSeconds() const
{
    std::ifstream file("/proc/" + std::to_string(pid_) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos)
        return 0;  // the process has gone
    // Fields after the parenthesised command name: state is the 3rd field,
    // user time the 14th and system time the 15th, in clock ticks.
    std::istringstream fields(stat.substr(nameEnd + 1));
    std::string field;
    for (int number = 3; number < 14; ++number)
        fields >> field;
    unsigned long user = 0, system = 0;
    fields >> user >> system;
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::string GameProcess::workingDirectory() const
{
    std::error_code error;
    return std::filesystem::read_symlink("/proc/" + std::to_string(pid_) + "/cwd", error).string();
}

void GameProcess::xdotool(const std::string& arguments) const
{
    const std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "xdotool failed: %s\n", arguments.c_str());
}

void GameProcess::moveTo(int x, int y) const
{
    xdotool("mousemove --window " + std::to_string(window_) + " " + std::to_string(x) + " " +
            std::to_string(y));
}

void GameProcess::click(int x, int y, int button) const
{
    moveTo(x, y);
    xdotool("click " + std::to_string(button));
}

void GameProcess::press(int x, int y, int button) const
{
    moveTo(x, y);
    xdotool("mousedown " + std::to_string(button));
}

void GameProcess::release(int button) const
{
    xdotool("mouseup " + std::to_string(button));
}

bool GameProcess::running()
{
    if (pid_ <= 0)
        return false;
    int status = 0;
    const pid_t result = waitpid(pid_, &status, WNOHANG);
    if (result == 0)
        return true;
    exitStatus_ = result == pid_ && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    pid_ = -1;
    return false;
}

int GameProcess::waitForExit(double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (running()) {
        if (std::chrono::steady_clock::now() > deadline)
            return -1;
        pause(20);
    }
    return exitStatus_;
}
