#pragma once
// Telling the user about a problem with a model file.
//
// A notice always goes to standard error as one line, "Caption: text".  When
// an X display can be reached and HEXTOWER_NOTICE is not "console", it also
// shows a dialog with the caption as its title, the text and an OK button,
// and waits until Enter or a click on OK dismisses it.  Damage in a file
// that still loaded is told on standard error alone.

#include <cstddef>
#include <string>
#include <vector>

// ---- Where a notice goes ----------------------------------------------

using tNoticeFunction = void (*)(const char* szText, const char* szCaption);

// Shows a notice through the current notice function.
void ShowNotice(const char* szText, const char* szCaption);

// Replaces the notice function (tests record notices instead); returns the
// one it replaces.
tNoticeFunction SetNoticeFunction(tNoticeFunction pfnNotice);

// The standard notice function: the console line and, where possible, the
// dialog.
void ShowNoticeToUser(const char* szText, const char* szCaption);

// The console line alone, for programs that must never wait on a dialog.
void ShowNoticeOnConsole(const char* szText, const char* szCaption);

// ---- Damage in a file that still loaded -------------------------------

// One line on standard error, never a dialog.
using tDamageFunction = void (*)(const char* szLine);

// Tells the line through the current damage function.
void ReportDamage(const char* szLine);

// Replaces the damage function (tests and tools take the line in instead);
// returns the one it replaces.
tDamageFunction SetDamageFunction(tDamageFunction pfnDamage);

// The standard damage function: the line and a newline on standard error.
void WriteDamageLine(const char* szLine);

// ---- The dialog -------------------------------------------------------
// A small modal window on the X display: the caption as its title, the
// text, and one OK button that Enter or a click dismisses.

constexpr int kNoticeButtonWidth = 80;
constexpr int kNoticeButtonHeight = 28;
constexpr int kNoticeButtonMargin = 14;  // between the button and the window's bottom edge

struct tNoticeRect {
    int x, y, width, height;
};

// Shows the dialog and returns once it is dismissed; false at once when no
// X display can be reached.
bool ShowNoticeDialog(const char* szText, const char* szCaption);

// Where the OK button lies in a dialog window of the given size.
tNoticeRect NoticeButtonRect(int windowWidth, int windowHeight);

// The text as lines of at most nColumns characters, broken at spaces where
// a line has one and mid-word where it has none.
std::vector<std::string> WrapNoticeText(const std::string& strText, std::size_t nColumns);
