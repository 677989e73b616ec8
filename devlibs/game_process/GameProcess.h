#pragma once
// The real game binary running in its own process on the X display, with a
// handle on its window: pictures of all or part of it, mouse input through
// xdotool and the processor time the process has used.  The end-to-end tests
// and pace-check both watch the game through it.

#include <string>
#include <sys/types.h>
#include <vector>

#include "devlibs/window_pixels/WindowPixels.h"

struct _XDisplay;

// A rectangle of the window, from its top-left corner.
struct Area {
    int x = 0, y = 0, width = 0, height = 0;
};

// What a rectangle of the window showed; at() takes window coordinates.
struct Screenshot {
    Area area;
    std::vector<Rgb> pixels;

    Rgb at(int x, int y) const
    {
        return pixels[static_cast<std::size_t>((y - area.y) * area.width + x - area.x)];
    }
    // How many pixels of the rectangle differ from another screenshot.
    int changedPixels(const Screenshot& other, int x0, int y0, int x1, int y1) const;
};

// The frame rate asked of the game (kFrameRateVariable): "0" draws as fast as the machine can, which
// keeps tests that wait for whole turns short; nullptr leaves it unset, so
// the game paces its frames as a player gets them.
constexpr const char* kUnpacedFrames = "0";
constexpr const char* kDefaultPacing = nullptr;

// The game's command line with the rules' 800 x 800 window at its preferred
// corner, whatever screen it runs on: whoever reads the window's pixels at the rules' places
// needs that window.
std::vector<std::string> gameIn800Window(const std::string& binary = HEXTOWER_BINARY);

// How long a game may take to come to rest: far longer than any turn takes,
// even in the sanitizer build on a busy machine.
constexpr double kSettleSeconds = 30;

class GameProcess {
public:
    // Starts the game with `workingDirectory` as its working directory and
    // waits for its window to show its first picture at rest; hasWindow()
    // is false when it does not within kSettleSeconds.
    explicit GameProcess(const std::string& workingDirectory, const char* frameRate = kUnpacedFrames);
    // Runs `command` (a program found on the PATH or a path, then its
    // arguments) instead, and waits for a window with the given title.
    GameProcess(const std::string& workingDirectory, const std::vector<std::string>& command,
                const std::string& windowTitle, const char* frameRate = kUnpacedFrames);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool hasWindow() const { return window_ != 0; }
    std::string windowTitle() const;
    // WM_CLASS as "res_name/res_class".
    std::string windowClass() const;
    // The window's position on the screen and its size.
    bool geometry(int& x, int& y, int& width, int& height) const;

    // The whole window, or one rectangle of it (quicker to read); empty when
    // the window cannot be read.
    Screenshot screenshot() const;
    Screenshot grab(Area area) const;
    // The folder the running game has made its working directory.
    std::string workingDirectory() const;

    // Mouse input at window coordinates, through xdotool.
    void click(int x, int y, int button = 1) const;
    void press(int x, int y, int button = 1) const;
    void moveTo(int x, int y) const;
    void release(int button = 1) const;

    // Waits until the window's picture stays the same over several reads (a
    // game at rest draws nothing) and shows more than one flat colour;
    // false when it has not within `seconds`.
    bool waitUntilSettled(double seconds = kSettleSeconds) const;

    // Seconds of processor time the game has used so far, all its threads.
    double processorSeconds() const;

    // Waits for the process to end; returns its exit status, or -1 when it
    // has not ended within the time or ended by a signal.
    int waitForExit(double seconds);
    bool running();

private:
    void xdotool(const std::string& arguments) const;

    pid_t pid_ = -1;
    _XDisplay* display_ = nullptr;  // Xlib's display, kept out of this header
    unsigned long window_ = 0;
    int exitStatus_ = -1;
};

// Sleeps for the given number of milliseconds.
void pause(int milliseconds);
