#include "model3ds/Notice.h"
#include "tests/support/TestDisplay.h"

// Google Test before Xlib, whose macros (None, Bool) would clash with it.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string lastText;
std::string lastCaption;

void recordNotice(const char* text, const char* caption)
{
    lastText = text;
    lastCaption = caption;
}

// Asking about a window that is not up yet, or gone, is not an error here.
int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// Far more than a loaded machine needs; the dialog's process ends after
// kDialogLifetime in any case.
constexpr auto kWaitLimit = std::chrono::seconds(20);
constexpr auto kPollInterval = std::chrono::milliseconds(20);
constexpr unsigned kDialogLifetime = 60;  // seconds

// Asks `condition` until it holds or the time is up.
template <typename Condition>
bool pollUntil(Condition condition)
{
    const auto end = std::chrono::steady_clock::now() + kWaitLimit;
    bool held = condition();
    while (!held && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(kPollInterval);
        held = condition();
    }
    return held;
}

// A dialog shown by a child process, so that a dialog that never closes
// fails the test instead of holding it up.  The child never outlives the
// test: it dies with its parent, and after kDialogLifetime in any case.  The
// test's own connection to the display is open before the child connects,
// so the display has a client throughout.
class DialogProcess {
public:
    DialogProcess(const std::string& text, const std::string& caption)
        : caption_(caption), display_(testDisplay())
    {
        previousErrorHandler_ = XSetErrorHandler(ignoreXError);
        const pid_t parent = getpid();
        child_ = fork();
        if (child_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (getppid() != parent)
                _exit(4);
            alarm(kDialogLifetime);
            _exit(ShowNoticeDialog(text.c_str(), caption.c_str()) ? 0 : 3);
        }
    }

    ~DialogProcess()
    {
        if (running()) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
        XSetErrorHandler(previousErrorHandler_);
    }

    // Waits until the dialog's window, found by its title, is mapped, takes
    // key presses and clicks, and shows its text; true once it does.
    bool waitUntilReady()
    {
        constexpr long kInput = KeyPressMask | ButtonPressMask | ExposureMask;
        return pollUntil([this] {
                   if (!running())
                       return true;  // and fails below
                   window_ = window_ != 0 ? window_ : findByTitle();
                   const XWindowAttributes now = attributes();
                   const bool takesInput = now.map_state == IsViewable && (now.all_event_masks & kInput) == kInput;
                   shown_ = takesInput ? picture() : std::vector<unsigned long>{};
                   return darkPixels(shown_) > 0;
               }) &&
               running();
    }

    XWindowAttributes attributes() const
    {
        XWindowAttributes result{};
        if (window_ == 0 || XGetWindowAttributes(display_, window_, &result) == 0)
            result = XWindowAttributes{};
        return result;
    }

    void pressKey(KeySym key)
    {
        XEvent event{};
        event.xkey.type = KeyPress;
        event.xkey.window = window_;
        event.xkey.root = DefaultRootWindow(display_);
        event.xkey.same_screen = True;
        event.xkey.keycode = XKeysymToKeycode(display_, key);
        XSendEvent(display_, window_, True, KeyPressMask, &event);
        XFlush(display_);
    }

    void click(int x, int y)
    {
        XEvent event{};
        event.xbutton.type = ButtonPress;
        event.xbutton.window = window_;
        event.xbutton.root = DefaultRootWindow(display_);
        event.xbutton.same_screen = True;
        event.xbutton.button = Button1;
        event.xbutton.x = x;
        event.xbutton.y = y;
        XSendEvent(display_, window_, True, ButtonPressMask, &event);
        XFlush(display_);
    }

    // True when the dialog is still open after the events sent so far: its
    // window is blanked and asked to draw itself again, which the dialog
    // reads only after those events, and it shows again what it showed.
    bool stillShows()
    {
        XClearArea(display_, window_, 0, 0, 0, 0, True);
        XSync(display_, False);
        return pollUntil([this] { return !running() || picture() == shown_; }) && running();
    }

    // True once the dialog's process has ended normally.
    bool closed()
    {
        pollUntil([this] { return !running(); });
        return !running() && WIFEXITED(status_) && WEXITSTATUS(status_) == 0;
    }

private:
    bool running()
    {
        if (child_ > 0 && waitpid(child_, &status_, WNOHANG) == child_)
            child_ = 0;
        return child_ > 0;
    }

    // The windows on the screen, from the bottom of the stack to the top.
    std::vector<Window> topWindows() const
    {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        std::vector<Window> windows;
        if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) != 0)
            windows.assign(children, children + count);
        if (children != nullptr)
            XFree(children);
        return windows;
    }

    Window findByTitle() const
    {
        for (const Window window : topWindows()) {
            char* name = nullptr;
            const bool titled = XFetchName(display_, window, &name) != 0 && name != nullptr && caption_ == name;
            if (name != nullptr)
                XFree(name);
            if (titled)
                return window;
        }
        return 0;
    }

    // True when a window stacked above the dialog's covers part of it, as
    // the windows that other tests open on the same display may.
    bool covered(const XWindowAttributes& dialog) const
    {
        const auto edge = [](const XWindowAttributes& w, int position, int size) {
            return position + size + 2 * w.border_width;
        };
        const std::vector<Window> windows = topWindows();
        auto above = std::find(windows.begin(), windows.end(), window_);
        if (above == windows.end())
            return true;
        for (++above; above != windows.end(); ++above) {
            XWindowAttributes other{};
            if (XGetWindowAttributes(display_, *above, &other) != 0 && other.map_state == IsViewable &&
                other.x < edge(dialog, dialog.x, dialog.width) && dialog.x < edge(other, other.x, other.width) &&
                other.y < edge(dialog, dialog.y, dialog.height) && dialog.y < edge(other, other.y, other.height))
                return true;
        }
        return false;
    }

    // The dialog's pixels, row by row; empty while it is not viewable or a
    // window covers part of it, whose pixels the screen holds instead.  The
    // server is held meanwhile, so that no window comes between the look
    // and the picture.
    std::vector<unsigned long> picture() const
    {
        std::vector<unsigned long> pixels;
        XGrabServer(display_);
        const XWindowAttributes size = attributes();
        XImage* image = size.map_state == IsViewable && !covered(size)
                            ? XGetImage(display_, window_, 0, 0, static_cast<unsigned>(size.width),
                                        static_cast<unsigned>(size.height), AllPlanes, ZPixmap)
                            : nullptr;
        XUngrabServer(display_);
        XFlush(display_);
        if (image == nullptr)
            return pixels;
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x)
                pixels.push_back(XGetPixel(image, x, y));
        XDestroyImage(image);
        return pixels;
    }

    long darkPixels(const std::vector<unsigned long>& pixels) const
    {
        return std::count(pixels.begin(), pixels.end(), BlackPixel(display_, DefaultScreen(display_)));
    }

    std::string caption_;
    Display* display_ = nullptr;
    pid_t child_ = 0;
    int status_ = 0;
    Window window_ = 0;
    std::vector<unsigned long> shown_;  // what the dialog showed once it was ready
    XErrorHandler previousErrorHandler_ = nullptr;
};

std::string uniqueCaption(const std::string& base)
{
    return base + " " + std::to_string(getpid());
}

}  // namespace

TEST(Notice, GoesThroughTheFunctionSwappedIn)
{
    const tNoticeFunction before = SetNoticeFunction(recordNotice);
    ShowNotice("Unable to find the file: a.3DS!", "Error");
    EXPECT_EQ(SetNoticeFunction(before), recordNotice);
    EXPECT_EQ(lastText, "Unable to find the file: a.3DS!");
    EXPECT_EQ(lastCaption, "Error");
}

TEST(Notice, ConsoleModeWritesOneLineAndShowsNoDialog)
{
    ASSERT_STREQ(std::getenv("HEXTOWER_NOTICE"), "console");
    testing::internal::CaptureStderr();
    ShowNotice("This 3DS file is over version 3 so it may load incorrectly", "Warning");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Warning: This 3DS file is over version 3 so it may load incorrectly\n");
}

TEST(Notice, DialogNeedsADisplay)
{
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display != nullptr ? display : "";
    unsetenv("DISPLAY");
    EXPECT_FALSE(ShowNoticeDialog("text", "caption"));
    if (display != nullptr)
        setenv("DISPLAY", saved.c_str(), 1);
}

TEST(Notice, LongTextIsWrappedAtSpaces)
{
    EXPECT_EQ(WrapNoticeText("short", 10), std::vector<std::string>{"short"});
    EXPECT_EQ(WrapNoticeText("one two three four", 9), (std::vector<std::string>{"one two", "three", "four"}));
    EXPECT_EQ(WrapNoticeText("abcdefghijkl xy", 5), (std::vector<std::string>{"abcde", "fghij", "kl xy"}));
}

TEST(NoticeDialog, TitledByTheCaptionAndClosedByEnter)
{
    needDisplay();
    const std::string caption = uniqueCaption("Error");
    DialogProcess dialog("Unable to find the file: Data/3DS/tile.3DS!", caption);
    ASSERT_TRUE(dialog.waitUntilReady()) << "no window titled " << caption;
    dialog.pressKey(XK_a);
    EXPECT_TRUE(dialog.stillShows());
    dialog.pressKey(XK_Return);
    EXPECT_TRUE(dialog.closed());
}

TEST(NoticeDialog, ClosedByAClickOnOkOnly)
{
    needDisplay();
    const std::string caption = uniqueCaption("Warning");
    DialogProcess dialog("This 3DS file is over version 3 so it may load incorrectly", caption);
    ASSERT_TRUE(dialog.waitUntilReady()) << "no window titled " << caption;
    const XWindowAttributes size = dialog.attributes();
    const tNoticeRect ok = NoticeButtonRect(size.width, size.height);
    dialog.click(2, 2);
    dialog.click(ok.x - 1, ok.y + ok.height / 2);  // just beside the button
    EXPECT_TRUE(dialog.stillShows());
    dialog.click(ok.x + ok.width / 2, ok.y + ok.height / 2);
    EXPECT_TRUE(dialog.closed());
}
