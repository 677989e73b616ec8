#include "themes/ThemeStep.h"

#include "themes/Theme.h"

int steppedThemeIndex(int themeIndex, int direction)
{
    const int next = direction > 0 ? themeIndex + 1 : themeIndex - 1;
    return (next + kThemeCount) % kThemeCount;
}
