#pragma once
// A small modal dialog on the X display: the caption as its title, the text,
// and one OK button that Enter or a click dismisses.

#include <cstddef>
#include <string>
#include <vector>

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
