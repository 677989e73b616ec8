#include "model3ds/NoticeDialog.h"

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
