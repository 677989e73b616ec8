#pragma once
// The game binary running in its own process on the test's X display, with a
// handle on its window for screenshots and mouse input.

#include <string>
#include <sys/types.h>
#include <vector>

#include "tools/window_pixels/WindowPixels.h"

struct _XDisplay;

// A screenshot of the game window; x and y from its top-left corner.
struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    // How many pixels of the rectangle differ from another screenshot.
    int changedPixels(const Screenshot& other, int x0, int y0, int x1, int y1) const;
};

class GameProcess {
public:
    // Starts the game with `workingDirectory` as its working directory and
    // waits for its window to show.
    explicit GameProcess(const std::string& workingDirectory);
    // Runs `command` (a program found on the PATH or a path, then its
    // arguments) instead, and waits for a window with the given title.
    GameProcess(const std::string& workingDirectory, const std::vector<std::string>& command,
                const std::string& windowTitle);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool hasWindow() const { return window_ != 0; }
    std::string windowTitle() const;
    // WM_CLASS as "res_name/res_class".
    std::string windowClass() const;
    // The window's position on the screen and its size.
    bool geometry(int& x, int& y, int& width, int& height) const;

    Screenshot screenshot() const;
    // The folder the running game has made its working directory.
    std::string workingDirectory() const;

    // Mouse input at window coordinates, through xdotool.
    void click(int x, int y, int button = 1) const;
    void press(int x, int y, int button = 1) const;
    void moveTo(int x, int y) const;
    void release(int button = 1) const;

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
