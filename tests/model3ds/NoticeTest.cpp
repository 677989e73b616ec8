#include "model3ds/Notice.h"
#include "model3ds/NoticeDialog.h"

// Google Test before Xlib, whose macros (None, Bool) would clash with it.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

std::string lastText;
std::string lastCaption;

void recordNotice(const char* text, const char* caption)
{
    lastText = text;
    lastCaption = caption;
}

// Asking about a window that is not up yet is not an error here.
int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// A dialog shown by a child process, so that a dialog that never closes
// fails the test instead of holding it up.  The child never outlives the
// test: it dies with its parent, and after half a minute in any case.
class DialogProcess {
public:
    DialogProcess(const std::string& text, const std::string& caption) : caption_(caption)
    {
        const pid_t parent = getpid();
        child_ = fork();
        if (child_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (getppid() != parent)
                _exit(4);
            alarm(30);
            _exit(ShowNoticeDialog(text.c_str(), caption.c_str()) ? 0 : 3);
        }
        previousErrorHandler_ = XSetErrorHandler(ignoreXError);
        display_ = XOpenDisplay(nullptr);
    }

    ~DialogProcess()
    {
        if (child_ > 0 && waitpid(child_, nullptr, WNOHANG) == 0) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
        if (display_ != nullptr)
            XCloseDisplay(display_);
        XSetErrorHandler(previousErrorHandler_);
    }

    // The dialog's window, found by its title once it is up and drawn.
    Window waitForWindow()
    {
        for (int attempt = 0; attempt < 500 && window_ == 0 && display_ != nullptr; ++attempt) {
            window_ = findByTitle(DefaultRootWindow(display_));
            if (window_ == 0 || darkPixels() == 0) {
                window_ = 0;
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
        return window_;
    }

    XWindowAttributes attributes() const
    {
        XWindowAttributes result{};
        XGetWindowAttributes(display_, window_, &result);
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

    // True when the dialog returned normally within the time given.
    bool closedWithin(std::chrono::milliseconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        int status = 0;
        while (std::chrono::steady_clock::now() < end) {
            if (waitpid(child_, &status, WNOHANG) == child_) {
                child_ = 0;
                return WIFEXITED(status) && WEXITSTATUS(status) == 0;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

private:
    Window findByTitle(Window parent) const
    {
        Window root = 0;
        Window ignored = 0;
        Window* children = nullptr;
        unsigned count = 0;
        Window found = 0;
        if (XQueryTree(display_, parent, &root, &ignored, &children, &count) == 0)
            return 0;
        for (unsigned i = 0; i < count && found == 0; ++i) {
            char* name = nullptr;
            if (XFetchName(display_, children[i], &name) != 0 && name != nullptr) {
                found = caption_ == name ? children[i] : 0;
                XFree(name);
            }
        }
        if (children != nullptr)
            XFree(children);
        return found;
    }

    int darkPixels() const
    {
        const XWindowAttributes size = attributes();
        if (size.map_state != IsViewable)
            return 0;
        XImage* image = XGetImage(display_, window_, 0, 0, static_cast<unsigned>(size.width),
                                  static_cast<unsigned>(size.height), AllPlanes, ZPixmap);
        if (image == nullptr)
            return 0;
        int dark = 0;
        for (int y = 0; y < size.height; ++y) {
            for (int x = 0; x < size.width; ++x)
                dark += XGetPixel(image, x, y) == BlackPixel(display_, DefaultScreen(display_)) ? 1 : 0;
        }
        XDestroyImage(image);
        return dark;
    }

    std::string caption_;
    pid_t child_ = 0;
    Display* display_ = nullptr;
    Window window_ = 0;
    XErrorHandler previousErrorHandler_ = nullptr;
};

bool displayReachable()
{
    Display* display = XOpenDisplay(nullptr);
    if (display != nullptr)
        XCloseDisplay(display);
    return display != nullptr;
}

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
    if (!displayReachable())
        GTEST_SKIP() << "no X display";
    const std::string caption = uniqueCaption("Error");
    DialogProcess dialog("Unable to find the file: Data/3DS/tile.3DS!", caption);
    ASSERT_NE(dialog.waitForWindow(), 0u) << "no window titled " << caption;
    dialog.pressKey(XK_a);
    EXPECT_FALSE(dialog.closedWithin(std::chrono::milliseconds(200)));
    dialog.pressKey(XK_Return);
    EXPECT_TRUE(dialog.closedWithin(std::chrono::seconds(10)));
}

TEST(NoticeDialog, ClosedByAClickOnOkOnly)
{
    if (!displayReachable())
        GTEST_SKIP() << "no X display";
    const std::string caption = uniqueCaption("Warning");
    DialogProcess dialog("This 3DS file is over version 3 so it may load incorrectly", caption);
    ASSERT_NE(dialog.waitForWindow(), 0u);
    const XWindowAttributes size = dialog.attributes();
    const tNoticeRect ok = NoticeButtonRect(size.width, size.height);
    dialog.click(2, 2);
    EXPECT_FALSE(dialog.closedWithin(std::chrono::milliseconds(200)));
    dialog.click(ok.x + ok.width / 2, ok.y + ok.height / 2);
    EXPECT_TRUE(dialog.closedWithin(std::chrono::seconds(10)));
}
