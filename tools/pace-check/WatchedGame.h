#pragma once
// The real game running in its own process on the X display, watched
// through its window: quick grabs of small parts of it, mouse clicks and the
// processor time the process has used.

#include <sys/types.h>

#include <string>
#include <vector>

#include "devlibs/window_pixels/WindowPixels.h"

struct _XDisplay;

// A rectangle of the window, from its top-left corner.
struct Area {
    int x, y, width, height;
};

struct Grab {
    Area area{};
    std::vector<Rgb> pixels;
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>((y - area.y) * area.width + x - area.x)]; }
};

class WatchedGame {
public:
    // Starts the game in the assets directory, with `frameRate` as its
    // HEXTOWER_FPS (nullptr: as this process has it), and waits for its
    // window.
    WatchedGame(_XDisplay* display, const char* frameRate);
    ~WatchedGame();
    WatchedGame(const WatchedGame&) = delete;
    WatchedGame& operator=(const WatchedGame&) = delete;

    bool hasWindow() const { return window_ != 0; }
    Grab grab(Area area) const;
    // A left click at window coordinates; returns once it has been sent.
    void click(int x, int y) const;
    // Seconds of processor time the game has used so far, all its threads.
    double processorSeconds() const;

private:
    _XDisplay* display_;
    pid_t pid_ = -1;
    unsigned long window_ = 0;
};
