#include "model3ds/Notice.h"

#include "model3ds/NoticeDialog.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

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
