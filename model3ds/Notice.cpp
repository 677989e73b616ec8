#include "model3ds/Notice.h"

#include "model3ds/NoticeDialog.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

tNoticeFunction currentNotice = ShowNoticeToUser;

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
