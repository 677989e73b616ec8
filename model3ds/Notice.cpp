// Telling the user about a problem with a model file: where a notice goes,
// and the dialog that shows it on the X display.

#include "model3ds/Notice.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// ---- Where a notice goes ----------------------------------------------

namespace {

tNoticeFunction currentNotice = ShowNoticeToUser;

tDamageFunction currentDamage = WriteDamageLine;

bool ConsoleOnly()
{
    const char* szMode = std::getenv("HEXTOWER_NOTICE");
    return szMode != nullptr && std::strcmp(szMode, "console") == 0;
}

}  // namespace

void ShowNotice(const char* szText, const char* szCaption)
{
    currentNotice(szText, szCaption);
}

tNoticeFunction SetNoticeFunction(tNoticeFunction pfnNotice)
{
    const tNoticeFunction pfnPrevious = currentNotice;
    currentNotice = pfnNotice;
    return pfnPrevious;
}

void ShowNoticeToUser(const char* szText, const char* szCaption)
{
    ShowNoticeOnConsole(szText, szCaption);
    if (!ConsoleOnly())
        ShowNoticeDialog(szText, szCaption);
}

void ShowNoticeOnConsole(const char* szText, const char* szCaption)
{
    std::fprintf(stderr, "%s: %s\n", szCaption, szText);
}

void ReportDamage(const char* szLine)
{
    currentDamage(szLine);
}

tDamageFunction SetDamageFunction(tDamageFunction pfnDamage)
{
    const tDamageFunction pfnPrevious = currentDamage;
    currentDamage = pfnDamage;
    return pfnPrevious;
}

void WriteDamageLine(const char* szLine)
{
    std::fprintf(stderr, "%s\n", szLine);
}

// ---- The dialog's layout ----------------------------------------------

tNoticeRect NoticeButtonRect(int windowWidth, int windowHeight)
{
    return tNoticeRect{(windowWidth - kNoticeButtonWidth) / 2, windowHeight - kNoticeButtonMargin - kNoticeButtonHeight,
                       kNoticeButtonWidth, kNoticeButtonHeight};
}

std::vector<std::string> WrapNoticeText(const std::string& strText, std::size_t nColumns)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (strText.size() - start > nColumns) {
        const std::size_t space = strText.rfind(' ', start + nColumns);
        const bool bSpaceInLine = space != std::string::npos && space > start;
        const std::size_t end = bSpaceInLine ? space : start + nColumns;
        lines.push_back(strText.substr(start, end - start));
        start = bSpaceInLine ? end + 1 : end;
    }
    lines.push_back(strText.substr(start));
    return lines;
}

// ---- The dialog on the X display --------------------------------------

namespace {

constexpr std::size_t kTextColumns = 64;
constexpr int kMargin = 18;
constexpr int kMinWidth = 260;

struct tDialog {
    Display* pDisplay = nullptr;
    Window window = 0;
    GC gc = nullptr;
    XFontStruct* pFont = nullptr;
    bool bFontLoaded = false;  // loaded by name, rather than queried from the default
    Atom deleteWindow = 0;
    std::vector<std::string> lines;
    int width = 0;
    int height = 0;
};

// An X error while the dialog is up must not end the game.
int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

int LineHeight(const tDialog& dialog)
{
    return dialog.pFont->ascent + dialog.pFont->descent;
}

int TextWidth(const tDialog& dialog, const std::string& strLine)
{
    return XTextWidth(dialog.pFont, strLine.c_str(), static_cast<int>(strLine.size()));
}

bool LoadFont(tDialog& dialog)
{
    dialog.pFont = XLoadQueryFont(dialog.pDisplay, "fixed");
    dialog.bFontLoaded = dialog.pFont != nullptr;
    if (!dialog.bFontLoaded) {
        const GC defaultGc = DefaultGC(dialog.pDisplay, DefaultScreen(dialog.pDisplay));
        dialog.pFont = XQueryFont(dialog.pDisplay, XGContextFromGC(defaultGc));
    }
    return dialog.pFont != nullptr;
}

void SizeToText(tDialog& dialog)
{
    int textWidth = 0;
    for (const std::string& strLine : dialog.lines)
        textWidth = std::max(textWidth, TextWidth(dialog, strLine));
    const int textHeight = static_cast<int>(dialog.lines.size()) * LineHeight(dialog);
    dialog.width = std::max(kMinWidth, textWidth + 2 * kMargin);
    dialog.height = kMargin + textHeight + kMargin + kNoticeButtonHeight + kNoticeButtonMargin;
}

void CreateWindow(tDialog& dialog, const char* szCaption)
{
    Display* pDisplay = dialog.pDisplay;
    const int screen = DefaultScreen(pDisplay);
    const int x = std::max(0, (DisplayWidth(pDisplay, screen) - dialog.width) / 2);
    const int y = std::max(0, (DisplayHeight(pDisplay, screen) - dialog.height) / 2);
    dialog.window = XCreateSimpleWindow(pDisplay, RootWindow(pDisplay, screen), x, y,
                                        static_cast<unsigned>(dialog.width), static_cast<unsigned>(dialog.height),
                                        1, BlackPixel(pDisplay, screen), WhitePixel(pDisplay, screen));
    XStoreName(pDisplay, dialog.window, szCaption);

    XSizeHints* pSize = XAllocSizeHints();
    pSize->flags = PPosition | PMinSize | PMaxSize;
    pSize->x = x;
    pSize->y = y;
    pSize->min_width = pSize->max_width = dialog.width;
    pSize->min_height = pSize->max_height = dialog.height;
    XSetWMNormalHints(pDisplay, dialog.window, pSize);
    XFree(pSize);

    XWMHints* pHints = XAllocWMHints();
    pHints->flags = InputHint;
    pHints->input = True;
    XSetWMHints(pDisplay, dialog.window, pHints);
    XFree(pHints);

    dialog.deleteWindow = XInternAtom(pDisplay, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(pDisplay, dialog.window, &dialog.deleteWindow, 1);
    XSelectInput(pDisplay, dialog.window, ExposureMask | KeyPressMask | ButtonPressMask | StructureNotifyMask);

    dialog.gc = XCreateGC(pDisplay, dialog.window, 0, nullptr);
    XSetForeground(pDisplay, dialog.gc, BlackPixel(pDisplay, screen));
    if (dialog.bFontLoaded)
        XSetFont(pDisplay, dialog.gc, dialog.pFont->fid);
    XMapRaised(pDisplay, dialog.window);
}

void Draw(const tDialog& dialog)
{
    Display* pDisplay = dialog.pDisplay;
    XClearWindow(pDisplay, dialog.window);
    int baseline = kMargin + dialog.pFont->ascent;
    for (const std::string& strLine : dialog.lines) {
        XDrawString(pDisplay, dialog.window, dialog.gc, kMargin, baseline, strLine.c_str(),
                    static_cast<int>(strLine.size()));
        baseline += LineHeight(dialog);
    }
    const tNoticeRect button = NoticeButtonRect(dialog.width, dialog.height);
    XDrawRectangle(pDisplay, dialog.window, dialog.gc, button.x, button.y, static_cast<unsigned>(button.width),
                   static_cast<unsigned>(button.height));
    const std::string strOk = "OK";
    const int okX = button.x + (button.width - TextWidth(dialog, strOk)) / 2;
    const int okY = button.y + (button.height + dialog.pFont->ascent - dialog.pFont->descent) / 2;
    XDrawString(pDisplay, dialog.window, dialog.gc, okX, okY, strOk.c_str(), static_cast<int>(strOk.size()));
}

bool InButton(const tDialog& dialog, int x, int y)
{
    const tNoticeRect button = NoticeButtonRect(dialog.width, dialog.height);
    return x >= button.x && x < button.x + button.width && y >= button.y && y < button.y + button.height;
}

// True when the event dismisses the dialog.
bool HandleEvent(const tDialog& dialog, XEvent& event)
{
    switch (event.type) {
    case Expose:
        if (event.xexpose.count == 0)
            Draw(dialog);
        return false;
    case MapNotify:
        XSetInputFocus(dialog.pDisplay, dialog.window, RevertToParent, CurrentTime);
        return false;
    case KeyPress: {
        const KeySym key = XLookupKeysym(&event.xkey, 0);
        return key == XK_Return || key == XK_KP_Enter;
    }
    case ButtonPress:
        return event.xbutton.button == Button1 && InButton(dialog, event.xbutton.x, event.xbutton.y);
    case ClientMessage:
        return static_cast<Atom>(event.xclient.data.l[0]) == dialog.deleteWindow;
    default:
        return false;
    }
}

void Close(tDialog& dialog)
{
    if (dialog.gc != nullptr)
        XFreeGC(dialog.pDisplay, dialog.gc);
    if (dialog.window != 0)
        XDestroyWindow(dialog.pDisplay, dialog.window);
    if (dialog.bFontLoaded)
        XFreeFont(dialog.pDisplay, dialog.pFont);
    else if (dialog.pFont != nullptr)
        XFreeFontInfo(nullptr, dialog.pFont, 1);
    XCloseDisplay(dialog.pDisplay);
}

}  // namespace

bool ShowNoticeDialog(const char* szText, const char* szCaption)
{
    tDialog dialog;
    dialog.pDisplay = XOpenDisplay(nullptr);
    if (dialog.pDisplay == nullptr)
        return false;
    const auto pfnPreviousHandler = XSetErrorHandler(IgnoreXError);
    const bool bShown = LoadFont(dialog);
    if (bShown) {
        dialog.lines = WrapNoticeText(szText, kTextColumns);
        SizeToText(dialog);
        CreateWindow(dialog, szCaption);
        XEvent event;
        do
            XNextEvent(dialog.pDisplay, &event);
        while (!HandleEvent(dialog, event));
    }
    Close(dialog);
    XSetErrorHandler(pfnPreviousHandler);
    return bShown;
}
