// theme-report [FILE]: prints, for every theme of a theme file (themes.txt in
// the working directory by default), its weakest tile pair and weakest tile
// against the background (CIEDE2000, tiles numbered 1 to 6), the contrast
// ratios of the buttons, and the same two differences under each simulated
// colour-vision deficiency.  Exits with status 2 when the file does not read.

#include "themes/Theme.h"
#include "devlibs/color_science/ThemeMeasures.h"
#include "devlibs/tool_usage/ToolUsage.h"

#include <cstdio>
#include <string>

namespace {

std::string describe(WeakestPair pair)
{
    char text[32];
    if (pair.second == kBackgroundIndex)
        std::snprintf(text, sizeof text, "%.1f (%d)", pair.difference, pair.first + 1);
    else
        std::snprintf(text, sizeof text, "%.1f (%d-%d)", pair.difference, pair.first + 1, pair.second + 1);
    return text;
}

}  // namespace

void printUsage(std::FILE* out, const char* program)
{
    std::fprintf(out, "usage: %s [FILE]  (a theme file, default %s)\n", program, kThemeFileName);
}

int main(int argc, char** argv)
{
    if (argc > 2) {
        printUsage(stderr, argv[0]);
        return 2;
    }
    Theme themes[kThemeCount];
    if (!loadThemes(themes, argc == 2 ? argv[1] : kThemeFileName))
        return 2;

    std::printf("| # | theme | tile pair | tile/bg | idle/bg | armed/bg | armed/idle |");
    for (Vision vision : kVisions)
        if (vision != Vision::Normal)
            std::printf(" %s pair | tile/bg |", visionName(vision));
    std::printf("\n|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (int index = 0; index < kThemeCount; ++index) {
        const Theme& theme = themes[index];
        std::printf("| %d | %s | %s | %s | %.2f | %.2f | %.2f |", index, theme.name.c_str(),
                    describe(weakestTilePair(theme, Vision::Normal)).c_str(),
                    describe(weakestTileAgainstBackground(theme, Vision::Normal)).c_str(),
                    contrastRatio(theme.idleColor, theme.backgroundColor),
                    contrastRatio(theme.armedColor, theme.backgroundColor),
                    contrastRatio(theme.armedColor, theme.idleColor));
        for (Vision vision : kVisions)
            if (vision != Vision::Normal)
                std::printf(" %s | %s |", describe(weakestTilePair(theme, vision)).c_str(),
                            describe(weakestTileAgainstBackground(theme, vision)).c_str());
        std::printf("\n");
    }
    return 0;
}
